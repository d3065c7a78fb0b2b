#pragma once

#include "core/TStoredData.h"

// The formatted text of a rich-text object: RTF followed by four zero bytes.
class TRichTextStore : public TStoredData
{
};

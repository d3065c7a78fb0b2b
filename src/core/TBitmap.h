#pragma once

#include "core/TStoredData.h"

// A bitmap owned by an object (a texture): its data is a 32-bit byte count
// followed by a complete BMP file.
class TBitmap : public TStoredData
{
};

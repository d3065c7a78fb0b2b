#pragma once

#include "platform/TCursor.h"

class QCursor;
class QImage;

// The magnifying glass over the print preview's page: a picture of our
// own, drawn from the pattern in its source.
class TMagnifyCursor
{
public:
    // The number the preview registers it under.
    static constexpr TCursor crMagnify = -17;

    static QImage Image();
    static QCursor Cursor();
};

#pragma once

#include "core/Enumerations.h"

class QPainter;
class TDesign;

// What the card shows besides its objects.
struct TCardPaintOptions
{
    bool DrawOutline = false;
    bool ShowGrid = false;
    TGridSize GridSize = TGridSize::gs4x4;
};

// Paints a whole card at the design's zoom, origin at the card's top-left
// corner: white ground clipped to the card's shape, the outline and grid
// dots when asked for, then every object in z-order. The editor's surface,
// picture export and the batch tool's render all paint through here, so they
// show the same pixels.
class TCardPainter
{
public:
    static void Paint(QPainter &painter, const TDesign &design, const TCardPaintOptions &options);
};

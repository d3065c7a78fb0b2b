#pragma once

#include "core/Enumerations.h"

class QPainter;
class QPainterPath;
class TDesign;

// What the card shows besides its objects.
struct TCardPaintOptions
{
    bool DrawOutline = false;
    bool ShowGrid = false;
    TGridSize GridSize = TGridSize::gs4x4;
};

// Paints a whole card at the design's zoom, origin at the card's top-left
// corner: white ground, the background layers and grid dots clipped to the
// card's shape, the outline when asked for, then every object in z-order,
// each clipped to its own bounds as on the editor's surface. The surface,
// picture export and the batch tool's render all paint through here, so they
// show the same pixels. The grid is combined with what lies under it by a
// raster operation, so the target should be an opaque raster image.
class TCardPainter
{
public:
    static void Paint(QPainter &painter, const TDesign &design, const TCardPaintOptions &options);

    // The area the background layers and the grid may cover.
    static QPainterPath CardClip(TLabelShapeType shape, int width, int height);

private:
    static void PaintBackground(QPainter &painter, const TDesign &design, int width, int height);
    static void PaintOutline(QPainter &painter, TLabelShapeType shape, int width, int height);
    static void PaintGrid(QPainter &painter, TGridSize gridSize, int width, int height);
    static void PaintObjects(QPainter &painter, const TDesign &design);
};

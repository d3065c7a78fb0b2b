#include "core/TCardPainter.h"

#include "core/TDesign.h"
#include "core/TGGraphicControl.h"
#include "platform/TCanvas.h"

#include <QBrush>
#include <QImage>
#include <QPainterPath>

namespace {

// The card's rounded corners are quarters of this ellipse, whatever the zoom.
constexpr int CardCornerDiameter = 24;

// One 8 x 8 tile of grid dots: green dots on white, so that ANDing it into
// the card turns the dots green on white ground and leaves the rest alone.
// Dots lie every 4 or 8 pixels, 2 pixels in, where snapped objects sit.
QImage GridTile(TGridSize gridSize)
{
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::white);
    const int step = gridSize == TGridSize::gs4x4 ? 4 : 8;
    for (int y = 2; y < 8; y += step)
        for (int x = 2; x < 8; x += step)
            tile.setPixel(x, y, qRgb(0, 128, 0));
    return tile;
}

// Built once: a full repaint must stay cheap.
const QBrush &GridBrush(TGridSize gridSize)
{
    static const QBrush fourByFour(GridTile(TGridSize::gs4x4));
    static const QBrush eightByEight(GridTile(TGridSize::gs8x8));
    return gridSize == TGridSize::gs4x4 ? fourByFour : eightByEight;
}

} // namespace

void TCardPainter::Paint(QPainter &painter, const TDesign &design, const TCardPaintOptions &options)
{
    const int width = design.Width();
    const int height = design.Height();
    painter.fillRect(0, 0, width, height, Qt::white);
    PaintBackground(painter, design, width, height);
    if (options.DrawOutline)
        PaintOutline(painter, design.Shape(), width, height);
    if (options.ShowGrid) {
        painter.save();
        painter.setClipPath(CardClip(design.Shape(), width, height), Qt::IntersectClip);
        PaintGrid(painter, options.GridSize, width, height);
        painter.restore();
    }
    PaintObjects(painter, design);
}

QPainterPath TCardPainter::CardClip(TLabelShapeType shape, int width, int height)
{
    // A region leaves out its right and bottom edge, hence the extra pixel.
    const QRectF area(0, 0, width + 1, height + 1);
    QPainterPath path;
    switch (shape) {
    case TLabelShapeType::lsRectangle:
        path.addRect(area);
        break;
    case TLabelShapeType::lsRoundRect:
        path.addRoundedRect(area, CardCornerDiameter / 2.0, CardCornerDiameter / 2.0);
        break;
    case TLabelShapeType::lsEllipse:
        path.addEllipse(area);
        break;
    }
    return path;
}

void TCardPainter::PaintBackground(QPainter &painter, const TDesign &design, int width, int height)
{
    if (design.Picture().Data().isEmpty() && design.ColorPicture().Data().isEmpty())
        return;
    painter.save();
    painter.setClipPath(CardClip(design.Shape(), width, height), Qt::IntersectClip);
    const QRectF card(0, 0, width, height);
    design.Picture().Draw(painter, card, false, false);
    design.ColorPicture().Draw(painter, card, false, false);
    painter.restore();
}

void TCardPainter::PaintOutline(QPainter &painter, TLabelShapeType shape, int width, int height)
{
    painter.save();
    TCanvas canvas(painter);
    canvas.SetPen(TColors::clBlack, TPenStyle::psDot, 1);
    canvas.SetBrush(TColors::clWhite, TBrushStyle::bsClear);
    switch (shape) {
    case TLabelShapeType::lsRectangle:
        canvas.Rectangle(0, 0, width, height);
        break;
    case TLabelShapeType::lsRoundRect:
        canvas.RoundRect(0, 0, width, height, CardCornerDiameter, CardCornerDiameter);
        break;
    case TLabelShapeType::lsEllipse:
        canvas.Ellipse(0, 0, width, height);
        break;
    }
    painter.restore();
}

void TCardPainter::PaintGrid(QPainter &painter, TGridSize gridSize, int width, int height)
{
    painter.setBrushOrigin(0, 0);
    painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
    painter.fillRect(0, 0, width, height, GridBrush(gridSize));
}

void TCardPainter::PaintObjects(QPainter &painter, const TDesign &design)
{
    // On the surface an object paints only within its bounds.
    for (int i = 0; i < design.Count(); ++i) {
        TGGraphicControl *object = design.At(i);
        painter.save();
        painter.setClipRect(object->BoundsRect(), Qt::IntersectClip);
        object->DrawOnto(painter, object->Left(), object->Top());
        painter.restore();
    }
}

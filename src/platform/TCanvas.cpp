#include "platform/TCanvas.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygon>

namespace {

Qt::PenStyle QtPenStyle(TPenStyle style)
{
    switch (style) {
    case TPenStyle::psDash: return Qt::DashLine;
    case TPenStyle::psDot: return Qt::DotLine;
    case TPenStyle::psDashDot: return Qt::DashDotLine;
    case TPenStyle::psDashDotDot: return Qt::DashDotDotLine;
    case TPenStyle::psClear: return Qt::NoPen;
    case TPenStyle::psSolid:
    case TPenStyle::psInsideFrame: return Qt::SolidLine;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle QtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case TBrushStyle::bsSolid: return Qt::SolidPattern;
    case TBrushStyle::bsClear: return Qt::NoBrush;
    case TBrushStyle::bsHorizontal: return Qt::HorPattern;
    case TBrushStyle::bsVertical: return Qt::VerPattern;
    case TBrushStyle::bsFDiagonal: return Qt::FDiagPattern;
    case TBrushStyle::bsBDiagonal: return Qt::BDiagPattern;
    case TBrushStyle::bsCross: return Qt::CrossPattern;
    case TBrushStyle::bsDiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

// Raster modes exist only on raster devices; vector devices (PDF, a
// recorded picture) draw every mode as a plain copy.
QPainter::CompositionMode QtCompositionMode(TPenMode mode)
{
    switch (mode) {
    case TPenMode::pmXor: return QPainter::RasterOp_SourceXorDestination;
    case TPenMode::pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case TPenMode::pmNot: return QPainter::RasterOp_NotDestination;
    case TPenMode::pmNotCopy: return QPainter::RasterOp_NotSource;
    case TPenMode::pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case TPenMode::pmMask: return QPainter::RasterOp_SourceAndDestination;
    case TPenMode::pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case TPenMode::pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case TPenMode::pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case TPenMode::pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case TPenMode::pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case TPenMode::pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

bool IsRasterDevice(const QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster;
}

} // namespace

TCanvas::TCanvas(QPainter &painter) : FPainter(painter)
{
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    SetPen(TColors::clBlack, TPenStyle::psSolid, 1);
    SetBrush(TColors::clWhite, TBrushStyle::bsSolid);
}

void TCanvas::SetPen(TColor color, TPenStyle style, int width, TPenMode mode)
{
    // Black, white and no-op ignore the pen's colour, as their names say.
    if (mode == TPenMode::pmBlack)
        color = TColors::clBlack;
    else if (mode == TPenMode::pmWhite)
        color = TColors::clWhite;
    else if (mode == TPenMode::pmNop)
        style = TPenStyle::psClear;
    FPenWidth = qMax(0, width);
    // Only a thin pen can be dashed; a wider one is drawn solid.
    if (FPenWidth > 1 && style != TPenStyle::psClear && style != TPenStyle::psInsideFrame)
        style = TPenStyle::psSolid;
    FInsideFrame = style == TPenStyle::psInsideFrame;
    FPen = QPen(toQColor(color), FPenWidth, QtPenStyle(style), Qt::FlatCap, Qt::MiterJoin);
    FMode = IsRasterDevice(FPainter) ? QtCompositionMode(mode) : QPainter::CompositionMode_SourceOver;
}

void TCanvas::SetBrush(TColor color, TBrushStyle style)
{
    FBrush = QBrush(toQColor(color), QtBrushStyle(style));
}

void TCanvas::ApplyPen()
{
    FPainter.setPen(FPen);
    FPainter.setBrush(Qt::NoBrush);
    FPainter.setCompositionMode(FMode);
}

void TCanvas::ApplyBrush()
{
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(FBrush);
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QPointF TCanvas::PixelCentre(QPoint p) const
{
    // An odd width centres on the pixel; an even one on its top-left corner,
    // which puts the extra pixel to the left and above.
    const qreal shift = (FPenWidth % 2 == 1 || FPenWidth == 0) ? 0.5 : 0.0;
    return QPointF(p.x() + shift, p.y() + shift);
}

QRectF TCanvas::OutlineRect(int x1, int y1, int x2, int y2) const
{
    if (FInsideFrame) {
        // Pull the outline in by the pen's reach on each side of its centre
        // pixel; the extra pixel of an even width lies left and above.
        const int reachBefore = FPenWidth / 2;
        const int reachAfter = qMax(0, FPenWidth - 1) / 2;
        x1 += reachBefore;
        y1 += reachBefore;
        x2 -= reachAfter;
        y2 -= reachAfter;
    }
    return QRectF(PixelCentre(QPoint(x1, y1)), PixelCentre(QPoint(x2 - 1, y2 - 1)));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    ApplyBrush();
    FPainter.drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
    ApplyPen();
    FPainter.drawRect(OutlineRect(x1, y1, x2, y2));
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight)
{
    const QRectF outline = OutlineRect(x1, y1, x2, y2);
    const qreal rx = qMin<qreal>(ellipseWidth / 2.0, outline.width() / 2);
    const qreal ry = qMin<qreal>(ellipseHeight / 2.0, outline.height() / 2);
    QPainterPath path;
    path.addRoundedRect(outline, rx, ry);
    ApplyBrush();
    FPainter.drawPath(path);
    ApplyPen();
    FPainter.drawPath(path);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const QRectF outline = OutlineRect(x1, y1, x2, y2);
    ApplyBrush();
    FPainter.drawEllipse(outline);
    ApplyPen();
    FPainter.drawEllipse(outline);
}

void TCanvas::Polygon(const QPolygon &points)
{
    QPolygonF centred;
    for (const QPoint &p : points)
        centred << PixelCentre(p);
    ApplyBrush();
    FPainter.drawPolygon(centred);
    ApplyPen();
    FPainter.drawPolygon(centred);
}

void TCanvas::LineTo(int x, int y)
{
    const QPoint from = FPenPosition;
    FPenPosition = QPoint(x, y);
    ApplyPen();
    if (FPenWidth <= 1)
        DrawThinLine(from, FPenPosition);
    else
        DrawWideLine(from, FPenPosition);
}

void TCanvas::DrawThinLine(QPoint from, QPoint to)
{
    // Qt's aliased thin-line stroker lights, along the line's major axis, the
    // pixels from the lower end point up to but not including the higher one,
    // whichever way the line runs. The canvas leaves out the pixel the line
    // runs to, so a line running towards lower coordinates is slid back by
    // one pixel along itself: it then starts on its first pixel and stops
    // short of its end point, on the same pixels in between.
    const QPoint delta = to - from;
    const int major = qMax(qAbs(delta.x()), qAbs(delta.y()));
    // Its only pixel is the one it runs to; Qt would light it.
    if (major == 0)
        return;
    const bool runsBackwards = qAbs(delta.x()) >= qAbs(delta.y()) ? delta.x() < 0 : delta.y() < 0;
    QPointF shift;
    if (runsBackwards)
        shift = -QPointF(delta) / major;
    QPen pen = FPen;
    pen.setCapStyle(Qt::FlatCap);
    FPainter.setPen(pen);
    FPainter.drawLine(QPointF(from) + shift, QPointF(to) + shift);
}

void TCanvas::DrawWideLine(QPoint from, QPoint to)
{
    // Wide pens end round and cover their end points.
    QPen pen = FPen;
    pen.setCapStyle(Qt::RoundCap);
    FPainter.setPen(pen);
    FPainter.drawLine(PixelCentre(from), PixelCentre(to));
}

void TCanvas::FillRect(const QRect &rect, TColor color)
{
    FPainter.fillRect(rect, toQColor(color));
}

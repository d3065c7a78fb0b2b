#include "platform/TMetafileCanvas.h"

#include "platform/TGdiTextLayout.h"

#include <QLineF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>
#include <algorithm>
#include <cmath>

namespace {

constexpr size_t MaxSavedStates = 1024;
// Clip areas beyond this many are left out.
constexpr int MaxClipAreas = 256;
// Pens wider than this many device units are drawn this wide (the widest
// pen Qt accepts).
constexpr double MaxPenWidth = 32767;

bool IsFinite(const QTransform &t)
{
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) && std::isfinite(t.m22())
        && std::isfinite(t.dx()) && std::isfinite(t.dy()) && t.isInvertible();
}

Qt::BrushStyle HatchPattern(quint32 hatch)
{
    switch (hatch) {
    case Gdi::HS_VERTICAL: return Qt::VerPattern;
    case Gdi::HS_FDIAGONAL: return Qt::FDiagPattern;
    case Gdi::HS_BDIAGONAL: return Qt::BDiagPattern;
    case Gdi::HS_CROSS: return Qt::CrossPattern;
    case Gdi::HS_DIAGCROSS: return Qt::DiagCrossPattern;
    default: return Qt::HorPattern;
    }
}

Qt::PenStyle DashStyle(quint32 style)
{
    switch (style & Gdi::PS_STYLE_MASK) {
    case Gdi::PS_DASH: return Qt::DashLine;
    case Gdi::PS_DOT:
    case Gdi::PS_ALTERNATE: return Qt::DotLine;
    case Gdi::PS_DASHDOT: return Qt::DashDotLine;
    case Gdi::PS_DASHDOTDOT: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}

Qt::PenCapStyle CapStyle(quint32 style)
{
    switch (style & Gdi::PS_ENDCAP_MASK) {
    case Gdi::PS_ENDCAP_SQUARE: return Qt::SquareCap;
    case Gdi::PS_ENDCAP_FLAT: return Qt::FlatCap;
    default: return Qt::RoundCap;
    }
}

Qt::PenJoinStyle JoinStyle(quint32 style)
{
    switch (style & Gdi::PS_JOIN_MASK) {
    case Gdi::PS_JOIN_BEVEL: return Qt::BevelJoin;
    case Gdi::PS_JOIN_MITER: return Qt::MiterJoin;
    default: return Qt::RoundJoin;
    }
}

QPainter::CompositionMode PenComposition(int rasterOp)
{
    switch (rasterOp) {
    case Gdi::R2_NOTCOPYPEN: return QPainter::RasterOp_NotSource;
    case Gdi::R2_NOT: return QPainter::RasterOp_NotDestination;
    case Gdi::R2_XORPEN: return QPainter::RasterOp_SourceXorDestination;
    case Gdi::R2_MASKPEN: return QPainter::RasterOp_SourceAndDestination;
    case Gdi::R2_MERGEPEN: return QPainter::RasterOp_SourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

QPainter::CompositionMode BitmapComposition(quint32 rasterOp)
{
    switch (rasterOp) {
    case Gdi::SRCPAINT: return QPainter::RasterOp_SourceOrDestination;
    case Gdi::SRCAND: return QPainter::RasterOp_SourceAndDestination;
    case Gdi::SRCINVERT: return QPainter::RasterOp_SourceXorDestination;
    case Gdi::SRCERASE: return QPainter::RasterOp_SourceAndNotDestination;
    case Gdi::NOTSRCCOPY: return QPainter::RasterOp_NotSource;
    case Gdi::NOTSRCERASE: return QPainter::RasterOp_NotSourceAndNotDestination;
    case Gdi::MERGEPAINT: return QPainter::RasterOp_NotSourceOrDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

bool IsRasterOp(QPainter::CompositionMode mode)
{
    return mode >= QPainter::RasterOp_SourceOrDestination;
}

QPainterPath RectPath(const QRectF &box)
{
    QPainterPath path;
    path.addRect(box.normalized());
    return path;
}

// The angle, in degrees counterclockwise from 3 o'clock, at which the line
// from the box's centre through point crosses the box's ellipse.
double AngleOnEllipse(const QRectF &box, QPointF point)
{
    const QPointF centre = box.center();
    const double dx = (point.x() - centre.x()) / (box.width() / 2);
    const double dy = (point.y() - centre.y()) / (box.height() / 2);
    if (dx == 0 && dy == 0)
        return 0;
    return std::atan2(-dy, dx) * 180 / M_PI;
}

// From start to end in the positive (counterclockwise) sense, in (0, 360];
// equal angles make a whole ellipse, as on Windows.
double PositiveSweep(double from, double to)
{
    double sweep = std::fmod(to - from, 360.0);
    if (sweep <= 0)
        sweep += 360;
    return sweep;
}

} // namespace

TMetafileCanvas::TMetafileCanvas(QPainter &painter, const QRectF &frame, const QRectF &target,
                                 QPointF deviceUnitsPerInch)
    : FPainter(painter), FDeviceUnitsPerInch(deviceUnitsPerInch)
{
    FState.Mapping = TGdiMapping(deviceUnitsPerInch);
    FPainter.save();
    FPainter.setClipRect(target, Qt::IntersectClip);
    const QTransform frameToTarget = QTransform::fromTranslate(-frame.left(), -frame.top())
        * QTransform::fromScale(target.width() / frame.width(), target.height() / frame.height())
        * QTransform::fromTranslate(target.left(), target.top());
    FPainter.setTransform(frameToTarget, true);
    FWholeDevice = RectPath(frame);
    FPainter.save();
    FRasterOps = FPainter.paintEngine() && FPainter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
}

TMetafileCanvas::~TMetafileCanvas()
{
    FPainter.restore();
    FPainter.restore();
}

void TMetafileCanvas::SaveState()
{
    if (FSaved.size() < MaxSavedStates)
        FSaved.push_back(FState);
}

void TMetafileCanvas::RestoreState(int which)
{
    const qint64 depth = qint64(FSaved.size());
    const qint64 keep = which < 0 ? depth + which : qint64(which) - 1;
    if (which == 0 || keep < 0 || keep >= depth)
        return;
    FState = FSaved[size_t(keep)];
    FSaved.resize(size_t(keep));
    ApplyClip();
}

QPointF TMetafileCanvas::DeviceScale() const
{
    const QTransform toDevice = LogicalToDevice();
    const QPointF origin = toDevice.map(QPointF(0, 0));
    return QPointF(QLineF(origin, toDevice.map(QPointF(1, 0))).length(),
                   QLineF(origin, toDevice.map(QPointF(0, 1))).length());
}

double TMetafileCanvas::DeviceLength(double logical) const
{
    return std::abs(logical) * DeviceScale().x();
}

QPainterPath TMetafileCanvas::ToDevice(const QPainterPath &logical) const
{
    return LogicalToDevice().map(logical);
}

// ---- output of figures ----

void TMetafileCanvas::Output(const QPainterPath &logical, TFigure figure)
{
    const QTransform toDevice = LogicalToDevice();
    if (!IsFinite(toDevice))
        return;
    const QPainterPath device = toDevice.map(logical);
    if (!FPathOpen) {
        DrawDevicePath(device, figure == TFigure::fgClosed, true);
        return;
    }
    const bool joins = figure == TFigure::fgContinued && !FPathNeedsMove && !device.isEmpty()
        && QLineF(FPath.currentPosition(), device.elementAt(0)).length() < 1e-9;
    if (joins)
        FPath.connectPath(device);
    else
        FPath.addPath(device);
    FPathNeedsMove = figure == TFigure::fgClosed;
}

QPen TMetafileCanvas::MakePen() const
{
    const TGdiPen &pen = FState.Pen;
    if ((pen.Style & Gdi::PS_STYLE_MASK) == Gdi::PS_NULL)
        return QPen(Qt::NoPen);
    QPen result(pen.Color);
    double width = DeviceLength(pen.Width);
    if (!std::isfinite(width))
        width = 0;
    width = std::min(width, MaxPenWidth);
    const bool thin = pen.Width == 0 || width <= 1;
    result.setWidthF(pen.Width == 0 ? 0 : width);
    result.setCapStyle(CapStyle(pen.Style));
    result.setJoinStyle(JoinStyle(pen.Style));
    // Wide pens made the simple way draw solid whatever their style.
    if (thin || (pen.Style & Gdi::PS_GEOMETRIC)) {
        if ((pen.Style & Gdi::PS_STYLE_MASK) == Gdi::PS_USERSTYLE && !pen.UserDashes.isEmpty()) {
            QVector<qreal> dashes;
            const double unit = qMax(width, 1.0);
            for (qreal dash : pen.UserDashes)
                dashes.append(qMax<qreal>(DeviceLength(dash) / unit, 0.01));
            if (dashes.size() % 2)
                dashes.append(dashes.last());
            result.setDashPattern(dashes);
        } else {
            result.setStyle(DashStyle(pen.Style));
        }
    }
    if (FState.RasterOp == Gdi::R2_BLACK || FState.RasterOp == Gdi::R2_WHITE)
        result.setColor(FState.RasterOp == Gdi::R2_BLACK ? Qt::black : Qt::white);
    return result;
}

QBrush TMetafileCanvas::MakeBrush(const TGdiBrush &brush) const
{
    if (FState.RasterOp == Gdi::R2_BLACK || FState.RasterOp == Gdi::R2_WHITE)
        return QBrush(FState.RasterOp == Gdi::R2_BLACK ? Qt::black : Qt::white);
    switch (brush.Style) {
    case Gdi::BS_NULL: return QBrush(Qt::NoBrush);
    case Gdi::BS_HATCHED: return QBrush(brush.Color, HatchPattern(brush.Hatch));
    case Gdi::BS_PATTERN:
    case Gdi::BS_DIBPATTERN:
    case Gdi::BS_DIBPATTERNPT: return brush.Pattern.isNull() ? QBrush(Qt::NoBrush) : QBrush(brush.Pattern);
    default: return QBrush(brush.Color);
    }
}

void TMetafileCanvas::ApplyRasterOp()
{
    const QPainter::CompositionMode mode = PenComposition(FState.RasterOp);
    FPainter.setCompositionMode(IsRasterOp(mode) && !FRasterOps ? QPainter::CompositionMode_SourceOver : mode);
}

void TMetafileCanvas::DrawDevicePath(const QPainterPath &path, bool fill, bool stroke)
{
    if (FState.RasterOp == Gdi::R2_NOP)
        return;
    QPainterPath shape = path;
    shape.setFillRule(FState.PolyFillMode == Gdi::WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    ApplyRasterOp();
    FPainter.setBackgroundMode(FState.BackgroundMode == Gdi::OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    FPainter.setBackground(FState.BackgroundColor);
    FPainter.setPen(stroke ? MakePen() : QPen(Qt::NoPen));
    FPainter.setBrush(fill ? MakeBrush(FState.Brush) : QBrush(Qt::NoBrush));
    FPainter.drawPath(shape);
}

void TMetafileCanvas::FillDevicePath(const QPainterPath &path, const QBrush &brush, int compositionMode)
{
    const auto mode = QPainter::CompositionMode(compositionMode);
    FPainter.setCompositionMode(IsRasterOp(mode) && !FRasterOps ? QPainter::CompositionMode_SourceOver : mode);
    FPainter.setBackgroundMode(FState.BackgroundMode == Gdi::OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    FPainter.setBackground(FState.BackgroundColor);
    FPainter.setPen(Qt::NoPen);
    FPainter.setBrush(brush);
    FPainter.drawPath(path);
}

// ---- figures ----

void TMetafileCanvas::MoveTo(QPointF point)
{
    FState.CurrentPosition = point;
    FPathNeedsMove = true;
}

void TMetafileCanvas::LineTo(QPointF point)
{
    QPainterPath path(FState.CurrentPosition);
    path.lineTo(point);
    FState.CurrentPosition = point;
    Output(path, TFigure::fgContinued);
}

void TMetafileCanvas::Polyline(const QPolygonF &points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    Output(path, TFigure::fgOpen);
}

void TMetafileCanvas::PolylineTo(const QPolygonF &points)
{
    if (points.isEmpty())
        return;
    QPainterPath path(FState.CurrentPosition);
    for (QPointF point : points)
        path.lineTo(point);
    FState.CurrentPosition = points.last();
    Output(path, TFigure::fgContinued);
}

void TMetafileCanvas::PolyBezier(const QPolygonF &points)
{
    if (points.size() < 4)
        return;
    QPainterPath path(points.first());
    for (qsizetype i = 1; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    Output(path, TFigure::fgOpen);
}

void TMetafileCanvas::PolyBezierTo(const QPolygonF &points)
{
    if (points.size() < 3)
        return;
    QPainterPath path(FState.CurrentPosition);
    qsizetype i = 0;
    for (; i + 2 < points.size(); i += 3)
        path.cubicTo(points[i], points[i + 1], points[i + 2]);
    FState.CurrentPosition = points[i - 1];
    Output(path, TFigure::fgContinued);
}

void TMetafileCanvas::PolyDraw(const QPolygonF &points, const QByteArray &types)
{
    QPainterPath path(FState.CurrentPosition);
    for (qsizetype i = 0; i < points.size() && i < types.size(); ++i) {
        const quint8 type = quint8(types[i]) & ~ptCloseFigure;
        if (type == ptMoveTo) {
            path.moveTo(points[i]);
        } else if (type == ptBezierTo && i + 2 < points.size()) {
            path.cubicTo(points[i], points[i + 1], points[i + 2]);
            i += 2;
        } else {
            path.lineTo(points[i]);
        }
        if (quint8(types[i]) & ptCloseFigure)
            path.closeSubpath();
    }
    FState.CurrentPosition = path.currentPosition();
    Output(path, TFigure::fgContinued);
}

void TMetafileCanvas::Polygon(const QPolygonF &points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    Output(path, TFigure::fgClosed);
}

void TMetafileCanvas::PolyPolygon(const QVector<QPolygonF> &polygons)
{
    QPainterPath path;
    for (const QPolygonF &polygon : polygons) {
        if (polygon.size() < 2)
            continue;
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    Output(path, TFigure::fgClosed);
}

void TMetafileCanvas::PolyPolyline(const QVector<QPolygonF> &polylines)
{
    QPainterPath path;
    for (const QPolygonF &polyline : polylines)
        if (polyline.size() >= 2)
            path.addPolygon(polyline);
    Output(path, TFigure::fgOpen);
}

// A pen drawn inside the frame keeps its whole width within the shape's box.
QRectF TMetafileCanvas::InsideFrame(const QRectF &box) const
{
    const QRectF normal = box.normalized();
    if ((FState.Pen.Style & Gdi::PS_STYLE_MASK) != Gdi::PS_INSIDEFRAME || FState.Pen.Width <= 1)
        return normal;
    const double half = std::abs(FState.Pen.Width) / 2;
    return normal.adjusted(half, half, -half, -half);
}

void TMetafileCanvas::Rectangle(const QRectF &box)
{
    QPainterPath path;
    path.addRect(InsideFrame(box));
    Output(path, TFigure::fgClosed);
}

void TMetafileCanvas::RoundRect(const QRectF &box, QSizeF corner)
{
    QPainterPath path;
    path.addRoundedRect(InsideFrame(box), std::abs(corner.width()) / 2, std::abs(corner.height()) / 2);
    Output(path, TFigure::fgClosed);
}

void TMetafileCanvas::Ellipse(const QRectF &box)
{
    QPainterPath path;
    path.addEllipse(InsideFrame(box));
    Output(path, TFigure::fgClosed);
}

void TMetafileCanvas::Arc(const QRectF &box, QPointF start, QPointF end, TArcKind kind)
{
    const QRectF ellipse = box.normalized();
    if (ellipse.width() <= 0 || ellipse.height() <= 0)
        return;
    const double startAngle = AngleOnEllipse(ellipse, start);
    const double endAngle = AngleOnEllipse(ellipse, end);
    // The direction holds on the device, so a mapping that turns the picture
    // over turns the logical direction round.
    const bool counterclockwise = FState.ArcDirection != Gdi::AD_CLOCKWISE;
    const bool positive = counterclockwise == (LogicalToDevice().determinant() > 0);
    const double sweep = positive ? PositiveSweep(startAngle, endAngle) : -PositiveSweep(endAngle, startAngle);

    QPainterPath path;
    if (kind == TArcKind::akPie)
        path.moveTo(ellipse.center());
    else if (kind == TArcKind::akArcTo)
        path.moveTo(FState.CurrentPosition);
    else
        path.arcMoveTo(ellipse, startAngle);
    path.arcTo(ellipse, startAngle, sweep);
    if (kind == TArcKind::akChord || kind == TArcKind::akPie)
        path.closeSubpath();
    if (kind == TArcKind::akArcTo)
        FState.CurrentPosition = path.currentPosition();
    const bool closed = kind == TArcKind::akChord || kind == TArcKind::akPie;
    Output(path, closed ? TFigure::fgClosed : kind == TArcKind::akArcTo ? TFigure::fgContinued : TFigure::fgOpen);
}

void TMetafileCanvas::AngleArc(QPointF centre, double radius, double startAngle, double sweepAngle)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath path(FState.CurrentPosition);
    path.arcTo(box.normalized(), startAngle, sweepAngle);
    FState.CurrentPosition = path.currentPosition();
    Output(path, TFigure::fgContinued);
}

void TMetafileCanvas::SetPixel(QPointF point, const QColor &colour)
{
    if (FPathOpen)
        return;
    const QPointF device = LogicalToDevice().map(point);
    FillDevicePath(RectPath(QRectF(device, QSizeF(1, 1))), QBrush(colour), QPainter::CompositionMode_SourceOver);
}

// ---- text ----

void TMetafileCanvas::TextOut(QPointF reference, const QString &text, quint32 options,
                              const std::optional<QRectF> &rect, const QVector<double> &advances)
{
    const QTransform toDevice = LogicalToDevice();
    if (!IsFinite(toDevice))
        return;
    if (rect && (options & Gdi::ETO_OPAQUE) && !FPathOpen)
        FillDevicePath(toDevice.map(RectPath(*rect)), QBrush(FState.BackgroundColor),
                       QPainter::CompositionMode_SourceOver);
    if (text.isEmpty())
        return;
    const bool updatesPosition = FState.TextAlign & Gdi::TA_UPDATECP;
    const QPointF anchor = toDevice.map(updatesPosition ? FState.CurrentPosition : reference);
    const TGdiTextLayout layout(FState.Font, FState.TextAlign, text, anchor, DeviceScale(),
                                FDeviceUnitsPerInch.y() / 8, advances);
    if (!IsFinite(layout.ToDevice()))
        return;
    if (updatesPosition)
        FState.CurrentPosition = toDevice.inverted().map(anchor + QPointF(layout.DeviceWidth(), 0));

    if (FPathOpen) {
        QPainterPath outline;
        outline.addText(layout.Origin(), layout.Font(), text);
        FPath.addPath(layout.ToDevice().map(outline));
        FPathNeedsMove = true;
        return;
    }
    FPainter.save();
    if (rect && (options & Gdi::ETO_CLIPPED))
        FPainter.setClipPath(toDevice.map(RectPath(*rect)), Qt::IntersectClip);
    DrawTextLayout(layout, text);
    FPainter.restore();
}

void TMetafileCanvas::DrawTextLayout(const TGdiTextLayout &layout, const QString &text)
{
    FPainter.setTransform(layout.ToDevice(), true);
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (FState.BackgroundMode == Gdi::OPAQUE)
        FPainter.fillRect(layout.Cell(), FState.BackgroundColor);
    FPainter.setFont(layout.Font());
    FPainter.setPen(FState.TextColor);
    FPainter.setBackgroundMode(Qt::TransparentMode);
    const QVector<double> &positions = layout.Positions();
    if (positions.isEmpty()) {
        FPainter.drawText(layout.Origin(), text);
        return;
    }
    // Given advances place each character where the metafile put it.
    for (int i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        FPainter.drawText(layout.Origin() + QPointF(positions[i], 0), text.mid(i, pair ? 2 : 1));
        i += pair ? 1 : 0;
    }
}

// ---- bitmaps ----

void TMetafileCanvas::StretchBitmap(const QRectF &destination, const QImage &image, const QRectF &source,
                                    quint32 rasterOp)
{
    if (FPathOpen || image.isNull() || source.width() == 0 || source.height() == 0)
        return;
    const QTransform sourceToLogical = QTransform::fromTranslate(-source.x(), -source.y())
        * QTransform::fromScale(destination.width() / source.width(), destination.height() / source.height())
        * QTransform::fromTranslate(destination.x(), destination.y());
    const QTransform sourceToDevice = sourceToLogical * LogicalToDevice();
    if (!IsFinite(sourceToDevice))
        return;
    FPainter.save();
    FPainter.setTransform(sourceToDevice, true);
    FPainter.setClipRect(source.normalized(), Qt::IntersectClip);
    const QPainter::CompositionMode mode = BitmapComposition(rasterOp);
    FPainter.setCompositionMode(IsRasterOp(mode) && !FRasterOps ? QPainter::CompositionMode_SourceOver : mode);
    FPainter.setRenderHint(QPainter::SmoothPixmapTransform, FState.StretchMode == Gdi::STRETCH_HALFTONE);
    FPainter.drawImage(QPointF(0, 0), image);
    FPainter.restore();
}

void TMetafileCanvas::PatternBlt(const QRectF &destination, quint32 rasterOp)
{
    if (FPathOpen)
        return;
    const QTransform toDevice = LogicalToDevice();
    if (!IsFinite(toDevice))
        return;
    const QPainterPath area = toDevice.map(RectPath(destination));
    switch (rasterOp) {
    case Gdi::BLACKNESS: FillDevicePath(area, QBrush(Qt::black), QPainter::CompositionMode_SourceOver); break;
    case Gdi::WHITENESS: FillDevicePath(area, QBrush(Qt::white), QPainter::CompositionMode_SourceOver); break;
    case Gdi::DSTINVERT: FillDevicePath(area, QBrush(Qt::white), QPainter::RasterOp_NotDestination); break;
    case Gdi::PATINVERT:
        FillDevicePath(area, MakeBrush(FState.Brush), QPainter::RasterOp_SourceXorDestination);
        break;
    default: FillDevicePath(area, MakeBrush(FState.Brush), QPainter::CompositionMode_SourceOver); break;
    }
}

// ---- regions ----

void TMetafileCanvas::FillRegion(const QPainterPath &area, const TGdiBrush &brush)
{
    if (!FPathOpen)
        FillDevicePath(area, MakeBrush(brush), QPainter::CompositionMode_SourceOver);
}

void TMetafileCanvas::FrameRegion(const QPainterPath &area, const TGdiBrush &brush, QSizeF logicalThickness)
{
    if (FPathOpen)
        return;
    QPainterPathStroker stroker;
    const double thickness = DeviceLength(logicalThickness.width());
    stroker.setWidth(2 * std::clamp(std::isfinite(thickness) ? thickness : 1.0, 1.0, MaxPenWidth));
    // The frame lies inside the region.
    FPainter.save();
    FPainter.setClipPath(area, Qt::IntersectClip);
    FillDevicePath(stroker.createStroke(area), MakeBrush(brush), QPainter::CompositionMode_SourceOver);
    FPainter.restore();
}

void TMetafileCanvas::InvertRegion(const QPainterPath &area)
{
    if (!FPathOpen)
        FillDevicePath(area, QBrush(Qt::white), QPainter::RasterOp_NotDestination);
}

// ---- clipping ----

// The clip is kept as areas that the painter intersects itself: set
// operations on paths can take unbounded time on hostile input, while the
// painter's own clipping is bounded by the target's pixels.
void TMetafileCanvas::ApplyClip()
{
    // The outer saved state holds the target's clip and mapping; the
    // metafile's clip is laid on a fresh copy of it.
    FPainter.restore();
    FPainter.save();
    if (!FState.Clip)
        return;
    if (FState.Clip->isEmpty())
        FPainter.setClipRect(QRectF(), Qt::IntersectClip);
    for (const QPainterPath &area : *FState.Clip)
        FPainter.setClipPath(area, Qt::IntersectClip);
}

void TMetafileCanvas::IntersectClipRect(const QRectF &box)
{
    CombineClip(ToDevice(RectPath(box)), Gdi::RGN_AND);
}

void TMetafileCanvas::ExcludeClipRect(const QRectF &box)
{
    CombineClip(ToDevice(RectPath(box)), Gdi::RGN_DIFF);
}

// Intersection and difference are exact. A union or exclusive-or is exact
// when the clip so far is one area and approximated otherwise, by the last
// area; metafiles seldom combine clips that way.
void TMetafileCanvas::CombineClip(const std::optional<QPainterPath> &area, int mode)
{
    if (mode == Gdi::RGN_COPY) {
        FState.Clip = area ? std::optional<QVector<QPainterPath>>({*area}) : std::nullopt;
    } else if (area) {
        QVector<QPainterPath> areas = FState.Clip ? *FState.Clip : QVector<QPainterPath>{};
        switch (mode) {
        case Gdi::RGN_AND:
            areas.append(*area);
            break;
        case Gdi::RGN_DIFF: {
            QPainterPath outside = FWholeDevice;
            outside.addPath(*area);
            outside.setFillRule(Qt::OddEvenFill);
            areas.append(outside);
            break;
        }
        case Gdi::RGN_OR:
        case Gdi::RGN_XOR:
            if (!FState.Clip)
                return; // nothing widens the whole picture
            if (areas.isEmpty()) {
                areas.append(*area);
            } else {
                areas.last().addPath(*area);
                areas.last().setFillRule(mode == Gdi::RGN_OR ? Qt::WindingFill : Qt::OddEvenFill);
            }
            break;
        default: return;
        }
        if (areas.size() > MaxClipAreas)
            return;
        FState.Clip = areas;
    }
    ApplyClip();
}

void TMetafileCanvas::OffsetClip(QPointF logicalOffset)
{
    if (!FState.Clip)
        return;
    const QTransform toDevice = LogicalToDevice();
    const QPointF offset = toDevice.map(logicalOffset) - toDevice.map(QPointF(0, 0));
    if (!std::isfinite(offset.x()) || !std::isfinite(offset.y()))
        return;
    for (QPainterPath &area : *FState.Clip)
        area.translate(offset);
    ApplyClip();
}

// ---- paths ----

void TMetafileCanvas::BeginPath()
{
    FPath = QPainterPath();
    FPathOpen = true;
    FPathNeedsMove = true;
}

void TMetafileCanvas::EndPath()
{
    FPathOpen = false;
}

void TMetafileCanvas::AbortPath()
{
    FPath = QPainterPath();
    FPathOpen = false;
}

void TMetafileCanvas::CloseFigure()
{
    if (FPathOpen) {
        FPath.closeSubpath();
        FPathNeedsMove = true;
    }
}

void TMetafileCanvas::FillPath()
{
    if (FPathOpen)
        return;
    DrawDevicePath(FPath, true, false);
    FPath = QPainterPath();
}

void TMetafileCanvas::StrokePath()
{
    if (FPathOpen)
        return;
    DrawDevicePath(FPath, false, true);
    FPath = QPainterPath();
}

void TMetafileCanvas::StrokeAndFillPath()
{
    if (FPathOpen)
        return;
    DrawDevicePath(FPath, true, true);
    FPath = QPainterPath();
}

void TMetafileCanvas::SelectClipPath(int mode)
{
    if (FPathOpen)
        return;
    QPainterPath area = FPath;
    area.setFillRule(FState.PolyFillMode == Gdi::WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    FPath = QPainterPath();
    CombineClip(area, mode);
}

void TMetafileCanvas::WidenPath()
{
    if (FPathOpen)
        return;
    QPen pen = MakePen();
    if (pen.widthF() == 0)
        pen.setWidthF(1);
    FPath = QPainterPathStroker(pen).createStroke(FPath);
}

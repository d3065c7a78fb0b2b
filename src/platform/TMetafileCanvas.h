#pragma once

#include "platform/TGdiState.h"

#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QVector>
#include <optional>
#include <vector>

class QPainter;
class QPen;
class QBrush;

// The drawing side of metafile playback, shared by the WMF and EMF players:
// it keeps the drawing state with its save stack, turns logical coordinates
// into device coordinates, and draws onto a QPainter as vectors. The
// metafile's device area given as the frame is stretched onto the target
// rectangle, and nothing is drawn outside the target.
class TMetafileCanvas
{
public:
    enum class TArcKind { akArc, akArcTo, akChord, akPie };
    // A path element of a poly-draw record.
    enum TPointType : quint8 { ptCloseFigure = 1, ptLineTo = 2, ptBezierTo = 4, ptMoveTo = 6 };

    TMetafileCanvas(QPainter &painter, const QRectF &frame, const QRectF &target, QPointF deviceUnitsPerInch);
    ~TMetafileCanvas();
    TMetafileCanvas(const TMetafileCanvas &) = delete;
    TMetafileCanvas &operator=(const TMetafileCanvas &) = delete;

    TGdiState &State() { return FState; }
    QPainter &Painter() { return FPainter; }
    QTransform LogicalToDevice() const { return FState.Mapping.LogicalToDevice(); }

    void SaveState();
    // A negative number counts back from the latest save; a positive one
    // names a save by its depth. A restore that names no save does nothing.
    void RestoreState(int which);

    // Figures, in logical units.
    void MoveTo(QPointF point);
    void LineTo(QPointF point);
    void Polyline(const QPolygonF &points);
    void PolylineTo(const QPolygonF &points);
    void PolyBezier(const QPolygonF &points);
    void PolyBezierTo(const QPolygonF &points);
    void PolyDraw(const QPolygonF &points, const QByteArray &types);
    void Polygon(const QPolygonF &points);
    void PolyPolygon(const QVector<QPolygonF> &polygons);
    void PolyPolyline(const QVector<QPolygonF> &polylines);
    void Rectangle(const QRectF &box);
    void RoundRect(const QRectF &box, QSizeF corner);
    void Ellipse(const QRectF &box);
    void Arc(const QRectF &box, QPointF start, QPointF end, TArcKind kind);
    void AngleArc(QPointF centre, double radius, double startAngle, double sweepAngle);
    void SetPixel(QPointF point, const QColor &colour);
    // rect is the text's opaque or clipping rectangle (ETO_OPAQUE, ETO_CLIPPED).
    void TextOut(QPointF reference, const QString &text, quint32 options, const std::optional<QRectF> &rect,
                 const QVector<double> &advances);

    // destination in logical units (a negative width or height mirrors);
    // source in the image's pixels, counted from its top.
    void StretchBitmap(const QRectF &destination, const QImage &image, const QRectF &source, quint32 rasterOp);
    // A transfer without a source: the brush, black, white or inversion.
    void PatternBlt(const QRectF &destination, quint32 rasterOp);

    // Regions, in device units.
    QPainterPath ToDevice(const QPainterPath &logical) const;
    void FillRegion(const QPainterPath &area, const TGdiBrush &brush);
    void FrameRegion(const QPainterPath &area, const TGdiBrush &brush, QSizeF logicalThickness);
    void InvertRegion(const QPainterPath &area);

    // Clipping; rectangles in logical units, regions in device units (none
    // with RGN_COPY removes the clip).
    void IntersectClipRect(const QRectF &box);
    void ExcludeClipRect(const QRectF &box);
    void CombineClip(const std::optional<QPainterPath> &area, int mode);
    void OffsetClip(QPointF logicalOffset);

    // Path brackets of enhanced metafiles.
    void BeginPath();
    void EndPath();
    void AbortPath();
    void CloseFigure();
    void FillPath();
    void StrokePath();
    void StrokeAndFillPath();
    void SelectClipPath(int mode);
    void WidenPath();

private:
    // Lines that go on from the current position join the figure in a path.
    enum class TFigure { fgOpen, fgContinued, fgClosed };

    void Output(const QPainterPath &logical, TFigure figure);
    void DrawDevicePath(const QPainterPath &path, bool fill, bool stroke);
    QPen MakePen() const;
    QBrush MakeBrush(const TGdiBrush &brush) const;
    void ApplyRasterOp();
    void ApplyClip();
    void FillDevicePath(const QPainterPath &path, const QBrush &brush, int compositionMode);

    QRectF InsideFrame(const QRectF &box) const;
    QPointF DeviceScale() const;
    double DeviceLength(double logical) const;
    void DrawTextLayout(const class TGdiTextLayout &layout, const QString &text);

    QPainter &FPainter;
    TGdiState FState;
    std::vector<TGdiState> FSaved;
    QPainterPath FWholeDevice;
    QPointF FDeviceUnitsPerInch;
    QPainterPath FPath;
    bool FPathOpen = false;
    bool FPathNeedsMove = true;
    bool FRasterOps = false;
};

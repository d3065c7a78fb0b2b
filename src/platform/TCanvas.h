#pragma once

#include "platform/GraphicsStyles.h"
#include "platform/TColor.h"

#include <QPainter>
#include <QPoint>

class QPolygon;

// Drawing in whole pixels with the classic canvas rules, over any QPainter:
// shapes cover [x1, x2) x [y1, y2), a pen of width w is centred on the
// outline's pixels with the extra pixel of an even width to the left and
// above, a thin line leaves out its last pixel, a pen wider than one pixel
// draws solid whatever its dash style, and an inside-frame pen keeps its
// whole width within a shape's box. Screen, picture export, preview and
// print all draw through these rules, so they agree.
class TCanvas
{
public:
    explicit TCanvas(QPainter &painter);

    QPainter &Painter() { return FPainter; }

    // Width 0 is the thinnest line the device draws.
    void SetPen(TColor color, TPenStyle style, int width, TPenMode mode = TPenMode::pmCopy);
    void SetBrush(TColor color, TBrushStyle style);
    int PenWidth() const { return FPenWidth; }

    void Rectangle(int x1, int y1, int x2, int y2);
    // The corners are quarters of an ellipse ellipseWidth x ellipseHeight.
    void RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Polygon(const QPolygon &points);
    void MoveTo(int x, int y) { FPenPosition = QPoint(x, y); }
    void LineTo(int x, int y);
    void FillRect(const QRect &rect, TColor color);

private:
    // The outline path runs through the centres of these pixels.
    QRectF OutlineRect(int x1, int y1, int x2, int y2) const;
    QPointF PixelCentre(QPoint p) const;
    void ApplyPen();
    void ApplyBrush();
    void DrawThinLine(QPoint from, QPoint to);
    void DrawWideLine(QPoint from, QPoint to);

    QPainter &FPainter;
    QPen FPen;
    QBrush FBrush;
    int FPenWidth = 1;
    bool FInsideFrame = false;
    QPainter::CompositionMode FMode = QPainter::CompositionMode_SourceOver;
    QPoint FPenPosition;
};

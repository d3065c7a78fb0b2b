#pragma once

#include "platform/TCanvas.h"

#include <QPointF>
#include <QRect>

class QFont;
class QImage;
class QPicture;
class QPainterPath;
class QRegion;
class QString;

// Drawing in inches measured from the physical paper's top-left corner, at
// the device's resolution. The page offset is where the device's own origin
// lies on the paper (a printer's unprintable margin), so callers never see it.
class TReport
{
public:
    TReport(QPainter &painter, double dpiX, double dpiY, QPointF deviceOriginInches = QPointF());

    double DpiX() const { return FDpiX; }
    double DpiY() const { return FDpiY; }
    int XI2D(double inches) const;
    int YI2D(double inches) const;
    QRect InchRectToDevice(double x1, double y1, double x2, double y2) const;
    TCanvas &Canvas() { return FCanvas; }

    // A negative width is hundredths of an inch, never thinner than one device pixel.
    void SetPen(TColor color, TPenStyle style, int width, TPenMode mode = TPenMode::pmCopy);
    void SetBrush(TColor color, TBrushStyle style);

    void Rectangle(double x1, double y1, double x2, double y2);
    void RoundRect(double x1, double y1, double x2, double y2, double ellipseWidth, double ellipseHeight);
    void Ellipse(double x1, double y1, double x2, double y2);
    void MoveTo(double x, double y);
    void LineTo(double x, double y);
    // Vertices in device pixels.
    void PolygonDevice(const QPolygon &points);
    void StretchDraw(double x1, double y1, double x2, double y2, const QImage &bitmap);
    // A recorded picture whose content spans sourceRect, stretched into the inch rectangle.
    void DrawPicture(double x1, double y1, double x2, double y2, const QPicture &picture, const QRectF &sourceRect);
    // Clipping in device pixels, until cleared.
    void SetClipPath(const QPainterPath &devicePath);
    void ClearClip();
    // Text with its top-left corner at (x, y) inches.
    void SetFont(const QFont &font, TColor color);
    void TextOut(double x, double y, const QString &text);

    // Once aborted, a job's drawing calls do nothing.
    void Abort() { FAborted = true; }
    bool Aborted() const { return FAborted; }

private:
    QPainter &FPainter;
    TCanvas FCanvas;
    double FDpiX;
    double FDpiY;
    QPointF FDeviceOrigin;
    TColor FTextColor = TColors::clBlack;
    bool FAborted = false;
};

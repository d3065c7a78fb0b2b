#include "platform/TReport.h"

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QPicture>
#include <QString>
#include <cmath>

TReport::TReport(QPainter &painter, double dpiX, double dpiY, QPointF deviceOriginInches)
    : FPainter(painter), FCanvas(painter), FDpiX(dpiX), FDpiY(dpiY), FDeviceOrigin(deviceOriginInches)
{
    // A job starts with a thin black pen and no fill.
    FCanvas.SetPen(TColors::clBlack, TPenStyle::psSolid, 1);
    FCanvas.SetBrush(TColors::clWhite, TBrushStyle::bsClear);
}

int TReport::XI2D(double inches) const
{
    return int(std::lround((inches - FDeviceOrigin.x()) * FDpiX));
}

int TReport::YI2D(double inches) const
{
    return int(std::lround((inches - FDeviceOrigin.y()) * FDpiY));
}

QRect TReport::InchRectToDevice(double x1, double y1, double x2, double y2) const
{
    return QRect(QPoint(XI2D(x1), YI2D(y1)), QPoint(XI2D(x2) - 1, YI2D(y2) - 1));
}

void TReport::SetPen(TColor color, TPenStyle style, int width, TPenMode mode)
{
    if (width < 0)
        width = qMax(1, int(std::lround(-width / 100.0 * FDpiX)));
    FCanvas.SetPen(color, style, width, mode);
}

void TReport::SetBrush(TColor color, TBrushStyle style)
{
    FCanvas.SetBrush(color, style);
}

void TReport::Rectangle(double x1, double y1, double x2, double y2)
{
    if (!FAborted)
        FCanvas.Rectangle(XI2D(x1), YI2D(y1), XI2D(x2), YI2D(y2));
}

void TReport::RoundRect(double x1, double y1, double x2, double y2, double ellipseWidth, double ellipseHeight)
{
    if (!FAborted)
        FCanvas.RoundRect(XI2D(x1), YI2D(y1), XI2D(x2), YI2D(y2), int(std::lround(ellipseWidth * FDpiX)),
                          int(std::lround(ellipseHeight * FDpiY)));
}

void TReport::Ellipse(double x1, double y1, double x2, double y2)
{
    if (!FAborted)
        FCanvas.Ellipse(XI2D(x1), YI2D(y1), XI2D(x2), YI2D(y2));
}

void TReport::MoveTo(double x, double y)
{
    FCanvas.MoveTo(XI2D(x), YI2D(y));
}

void TReport::LineTo(double x, double y)
{
    if (!FAborted)
        FCanvas.LineTo(XI2D(x), YI2D(y));
}

void TReport::PolygonDevice(const QPolygon &points)
{
    if (!FAborted)
        FCanvas.Polygon(points);
}

void TReport::StretchDraw(double x1, double y1, double x2, double y2, const QImage &bitmap)
{
    if (!FAborted)
        FPainter.drawImage(QRect(QPoint(XI2D(x1), YI2D(y1)), QPoint(XI2D(x2), YI2D(y2))).adjusted(0, 0, -1, -1),
                           bitmap);
}

void TReport::DrawPicture(double x1, double y1, double x2, double y2, const QPicture &picture,
                          const QRectF &sourceRect)
{
    if (FAborted || sourceRect.isEmpty())
        return;
    // A recorded picture replays in its own coordinates; map them onto the
    // target explicitly instead of trusting the device's resolution.
    const QRectF target(QPointF(XI2D(x1), YI2D(y1)), QPointF(XI2D(x2), YI2D(y2)));
    FPainter.save();
    // A picture leaves out whatever it set to a fresh painter's defaults (a
    // black pen for text, no brush): replay it from those defaults, not from
    // whatever the report drew last.
    FPainter.setPen(QPen());
    FPainter.setBrush(QBrush());
    FPainter.setFont(QFont());
    FPainter.setBackgroundMode(Qt::TransparentMode);
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter.setOpacity(1.0);
    FPainter.translate(target.topLeft());
    FPainter.scale(target.width() / sourceRect.width(), target.height() / sourceRect.height());
    FPainter.translate(-sourceRect.topLeft());
    // Replaying scales by the device's resolution over the picture's; undo
    // that so the explicit mapping above is the only one.
    const QPaintDevice *device = FPainter.device();
    FPainter.scale(qreal(picture.logicalDpiX()) / device->logicalDpiX(),
                   qreal(picture.logicalDpiY()) / device->logicalDpiY());
    FPainter.drawPicture(0, 0, picture);
    FPainter.restore();
}

void TReport::SetClipPath(const QPainterPath &devicePath)
{
    FPainter.setClipPath(devicePath);
}

void TReport::ClearClip()
{
    FPainter.setClipping(false);
}

void TReport::SetFont(const QFont &font, TColor color)
{
    FPainter.setFont(font);
    FTextColor = color;
}

void TReport::TextOut(double x, double y, const QString &text)
{
    if (FAborted)
        return;
    FPainter.setPen(toQColor(FTextColor));
    FPainter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const QFontMetrics metrics(FPainter.font(), FPainter.device());
    FPainter.drawText(QPointF(XI2D(x), YI2D(y) + metrics.ascent()), text);
}

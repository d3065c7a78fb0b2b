#include "platform/TGdiTextLayout.h"

#include <QFontMetricsF>
#include <cmath>

namespace {

QFont ReferenceFont(const TGdiFont &font, int pixelSize)
{
    // An empty face name lets the system choose, as Windows does.
    QFont result(font.FaceName.isEmpty() ? QStringLiteral("Arial") : font.FaceName);
    result.setPixelSize(pixelSize);
    if (font.Weight > 0)
        result.setWeight(QFont::Weight(qBound(1, font.Weight, 1000)));
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setStrikeOut(font.StrikeOut);
    return result;
}

double HorizontalOffset(quint32 textAlign, double width)
{
    switch (textAlign & Gdi::TA_HORIZONTAL_MASK) {
    case Gdi::TA_CENTER: return -width / 2;
    case Gdi::TA_RIGHT: return -width;
    default: return 0;
    }
}

double BaselineOffset(quint32 textAlign, double ascent, double descent)
{
    switch (textAlign & Gdi::TA_VERTICAL_MASK) {
    case Gdi::TA_BASELINE: return 0;
    case Gdi::TA_BOTTOM: return -descent;
    default: return ascent;
    }
}

} // namespace

TGdiTextLayout::TGdiTextLayout(const TGdiFont &font, quint32 textAlign, const QString &text, QPointF anchor,
                               QPointF deviceScale, double defaultEmHeight, const QVector<double> &advances)
    : FFont(ReferenceFont(font, ReferencePixelSize))
{
    const QFontMetricsF metrics(FFont);
    const double cell = metrics.ascent() + metrics.descent();
    double emHeight = defaultEmHeight;
    if (font.Height < 0)
        emHeight = -font.Height * deviceScale.y();
    else if (font.Height > 0 && cell > 0)
        emHeight = font.Height * deviceScale.y() * ReferencePixelSize / cell;
    const double scale = emHeight / ReferencePixelSize;
    double stretch = 1;
    if (font.Width != 0 && metrics.averageCharWidth() > 0)
        stretch = std::abs(font.Width) * deviceScale.x() / (metrics.averageCharWidth() * scale);
    FScaleX = scale * stretch;

    FAscent = metrics.ascent();
    FDescent = metrics.descent();
    if (!advances.isEmpty() && advances.size() >= text.size()) {
        double x = 0;
        for (int i = 0; i < text.size(); ++i) {
            FPositions.append(x);
            x += advances[i] * deviceScale.x() / FScaleX;
        }
        FWidth = x;
    } else {
        FWidth = metrics.horizontalAdvance(text);
    }
    FOrigin = QPointF(HorizontalOffset(textAlign, FWidth), BaselineOffset(textAlign, FAscent, FDescent));
    FToDevice = QTransform::fromScale(FScaleX, scale) * QTransform().rotate(-font.Escapement / 10.0)
        * QTransform::fromTranslate(anchor.x(), anchor.y());
}

QRectF TGdiTextLayout::Cell() const
{
    return QRectF(FOrigin.x(), FOrigin.y() - FAscent, FWidth, FAscent + FDescent);
}

double TGdiTextLayout::DeviceWidth() const
{
    return FWidth * FScaleX;
}

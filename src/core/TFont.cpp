#include "core/TFont.h"

#include "core/PropertyBuilder.h"
#include "platform/Screen.h"
#include "platform/WinMath.h"

#include <QFont>
#include <QFontMetricsF>
#include <cmath>

TFont::TFont()
    : FColor(TColors::clWindowText),
      FHeight(-WinMath::MulDiv(10, Screen::PixelsPerInch, 72)),
      FName(QStringLiteral("Arial"))
{
}

const TPropertyTable &TFont::Properties()
{
    static const TPropertyTable table({
        Prop::Color("Color", Prop::Methods(&TFont::Color, &TFont::SetColor)),
        Prop::Integer("Height", Prop::Methods(&TFont::Height, &TFont::SetHeight)),
        Prop::String("Name", Prop::Methods(&TFont::Name, &TFont::SetName)),
        Prop::Enumeration("Pitch", Prop::Methods(&TFont::Pitch, &TFont::SetPitch), TFontPitch::fpDefault),
        Prop::NotStored(Prop::Integer("Size", Prop::Methods(&TFont::Size, &TFont::SetSize))),
        Prop::FontStyleSet("Style", Prop::Methods(&TFont::Style, &TFont::SetStyle)),
    });
    return table;
}

const TPropertyTable &TFont::properties() const
{
    return Properties();
}

qint32 TFont::Size() const
{
    return -WinMath::MulDiv(FHeight, 72, Screen::PixelsPerInch);
}

void TFont::SetSize(qint32 points)
{
    SetHeight(-WinMath::MulDiv(points, Screen::PixelsPerInch, 72));
}

void TFont::Assign(const TFont &source)
{
    if (SameAs(source))
        return;
    FColor = source.FColor;
    FHeight = source.FHeight;
    FName = source.FName;
    FPitch = source.FPitch;
    FStyle = source.FStyle;
    PropertyChanged();
}

bool TFont::SameAs(const TFont &other) const
{
    return FColor == other.FColor && FHeight == other.FHeight && FName == other.FName && FPitch == other.FPitch
        && FStyle == other.FStyle;
}

namespace {

// A positive height is the whole cell (ascent plus descent); find the
// character height that gives that cell in this face.
int CharacterHeightForCell(const QFont &font, int cellHeight)
{
    QFont reference = font;
    reference.setPixelSize(100);
    const QFontMetricsF metrics(reference);
    const qreal cell = metrics.ascent() + metrics.descent();
    return cell > 0 ? qMax(1, int(std::lround(cellHeight * 100.0 / cell))) : cellHeight;
}

} // namespace

QFont TFont::ToQFont(float zoom) const
{
    QFont font(FName);
    font.setBold(FStyle.contains(TFontStyle::fsBold));
    font.setItalic(FStyle.contains(TFontStyle::fsItalic));
    font.setUnderline(FStyle.contains(TFontStyle::fsUnderline));
    font.setStrikeOut(FStyle.contains(TFontStyle::fsStrikeOut));
    if (FPitch == TFontPitch::fpFixed) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    }
    qint32 height = FHeight;
    if (zoom != 1.0f)
        height = -WinMath::MulDiv(int(Size() * zoom), Screen::PixelsPerInch, 72);
    if (height < 0)
        font.setPixelSize(-height);
    else if (height > 0)
        font.setPixelSize(CharacterHeightForCell(font, height));
    else
        font.setPixelSize(-WinMath::MulDiv(-10, Screen::PixelsPerInch, 72)); // no height: the 10-point default
    return font;
}

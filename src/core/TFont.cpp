#include "core/TFont.h"

#include "core/PropertyBuilder.h"
#include "platform/Screen.h"
#include "platform/WinMath.h"

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

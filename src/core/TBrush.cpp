#include "core/TBrush.h"

#include "core/PropertyBuilder.h"

const TPropertyTable &TBrush::Properties()
{
    static const TPropertyTable table({
        Prop::Color("Color", Prop::Methods(&TBrush::Color, &TBrush::SetColor), TColors::clWhite),
        Prop::Enumeration("Style", Prop::Methods(&TBrush::Style, &TBrush::SetStyle), TBrushStyle::bsSolid),
    });
    return table;
}

const TPropertyTable &TBrush::properties() const
{
    return Properties();
}

void TBrush::Assign(const TBrush &source)
{
    if (FColor == source.FColor && FStyle == source.FStyle)
        return;
    FColor = source.FColor;
    FStyle = source.FStyle;
    PropertyChanged();
}

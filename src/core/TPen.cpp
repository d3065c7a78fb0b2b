#include "core/TPen.h"

#include "core/PropertyBuilder.h"

const TPropertyTable &TPen::Properties()
{
    static const TPropertyTable table({
        Prop::Color("Color", Prop::Methods(&TPen::Color, &TPen::SetColor), TColors::clBlack),
        Prop::Enumeration("Mode", Prop::Methods(&TPen::Mode, &TPen::SetMode), TPenMode::pmCopy),
        Prop::Enumeration("Style", Prop::Methods(&TPen::Style, &TPen::SetStyle), TPenStyle::psSolid),
        Prop::Integer("Width", Prop::Methods(&TPen::Width, &TPen::SetWidth), 1),
    });
    return table;
}

const TPropertyTable &TPen::properties() const
{
    return Properties();
}

void TPen::Assign(const TPen &source)
{
    if (FColor == source.FColor && FMode == source.FMode && FStyle == source.FStyle && FWidth == source.FWidth)
        return;
    FColor = source.FColor;
    FMode = source.FMode;
    FStyle = source.FStyle;
    FWidth = source.FWidth;
    PropertyChanged();
}

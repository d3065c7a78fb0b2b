#include "objects/text/TGBaseLabel.h"

#include "core/PropertyBuilder.h"

TGBaseLabel::TGBaseLabel()
{
    FFont.OnChange = [this] { Changed(); };
    FFont.SetColor(TColors::clBlack);
    SetBounds(0, 0, 142, 33);
}

const TPropertyTable &TGBaseLabel::Properties()
{
    using T = TGBaseLabel;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Enumeration("Alignment", Prop::Methods(&T::Alignment, &T::SetAlignment), TAlignment::taLeftJustify),
        Prop::Integer("DepthHighlight", Prop::Methods(&T::DepthHighlight, &T::SetDepthHighlight), 0),
        Prop::Integer("DepthShadow", Prop::Methods(&T::DepthShadow, &T::SetDepthShadow), 0),
        Prop::Enumeration("DirectionHighlight", Prop::Methods(&T::DirectionHighlight, &T::SetDirectionHighlight), THighlightDirection::hdUpLeft),
        Prop::Enumeration("DirectionShadow", Prop::Methods(&T::DirectionShadow, &T::SetDirectionShadow), TShadowDirection::sdDownRight),
        Prop::Color("colorHighlight", Prop::Methods(&T::colorHighlight, &T::SetcolorHighlight), TColor(0xFFFF00)),
        Prop::Color("colorShadow", Prop::Methods(&T::colorShadow, &T::SetcolorShadow), TColor(0x808080)),
        Prop::Integer("Angle", Prop::Methods(&T::Angle, &T::SetAngle), 0),
        Prop::String("Caption", Prop::Methods(&T::Caption, &T::SetCaption)),
        Prop::Nested("Font", &T::FFont),
        Prop::Boolean("Transparent", Prop::Methods(&T::Transparent, &T::SetTransparent)),
        Prop::Color("BackColor", Prop::Methods(&T::BackColor, &T::SetBackColor)),
        Prop::Enumeration("BorderStyle", Prop::Methods(&T::BorderStyle, &T::SetBorderStyle)),
    });
    return table;
}

const TPropertyTable &TGBaseLabel::properties() const
{
    return Properties();
}

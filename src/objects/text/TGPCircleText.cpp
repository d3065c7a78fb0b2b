#include "objects/text/TGPCircleText.h"

#include "core/PropertyBuilder.h"

TGPCircleText::TGPCircleText()
{
    FFont.OnChange = [this] { Changed(); };
    FFont.SetStyle({TFontStyle::fsBold});
    FFont.SetColor(TColors::clBlack);
    SetBounds(0, 0, 142, 33);
}

const TPropertyTable &TGPCircleText::Properties()
{
    using T = TGPCircleText;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Enumeration("StartingVector", Prop::Methods(&T::StartingVector, &T::SetStartingVector)),
        Prop::Enumeration("Degrees", Prop::Methods(&T::Degrees, &T::SetDegrees)),
        Prop::Reference("PopupMenu", Prop::Methods(&T::PopupMenu, &T::SetPopupMenu)),
        Prop::Nested("Font", &T::FFont),
        Prop::Boolean("Mirror", Prop::Methods(&T::Mirror, &T::SetMirror)),
        Prop::Boolean("DrawLettersAngled", Prop::Methods(&T::DrawLettersAngled, &T::SetDrawLettersAngled)),
        Prop::Enumeration("BorderStyle", Prop::Methods(&T::BorderStyle, &T::SetBorderStyle)),
        Prop::Boolean("ControlTransparent", Prop::Methods(&T::ControlTransparent, &T::SetControlTransparent)),
        Prop::Color("BGColor", Prop::Methods(&T::BGColor, &T::SetBGColor)),
        Prop::String("Caption", Prop::Methods(&T::Caption, &T::SetCaption)),
    });
    return table;
}

const TPropertyTable &TGPCircleText::properties() const
{
    return Properties();
}

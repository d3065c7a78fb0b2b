#include "objects/text/TGPRichBaseLabel.h"

#include "core/PropertyBuilder.h"

TGPRichBaseLabel::TGPRichBaseLabel()
{
    FRTFText.OnChange = [this] { Changed(); };
    SetBounds(0, 0, 190, 33);
}

const TPropertyTable &TGPRichBaseLabel::Properties()
{
    using T = TGPRichBaseLabel;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Nested("RTFText", &T::FRTFText),
        Prop::Enumeration("BorderStyle", Prop::Methods(&T::BorderStyle, &T::SetBorderStyle)),
        Prop::Boolean("Transparent", Prop::Methods(&T::Transparent, &T::SetTransparent)),
        Prop::Color("BGColor", Prop::Methods(&T::BGColor, &T::SetBGColor)),
    });
    return table;
}

const TPropertyTable &TGPRichBaseLabel::properties() const
{
    return Properties();
}

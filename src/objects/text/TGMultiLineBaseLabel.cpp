#include "objects/text/TGMultiLineBaseLabel.h"

#include "core/PropertyBuilder.h"

TGMultiLineBaseLabel::TGMultiLineBaseLabel()
{
    FItems.OnChange = [this] { Changed(); };
    FFont.OnChange = [this] { Changed(); };
    SetBounds(0, 0, 190, 33);
}

const TPropertyTable &TGMultiLineBaseLabel::Properties()
{
    using T = TGMultiLineBaseLabel;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Nested("Items", &T::FItems),
        Prop::Boolean("AutoSize", Prop::Methods(&T::AutoSize, &T::SetAutoSize)),
        Prop::Enumeration("Alignment", Prop::Methods(&T::Alignment, &T::SetAlignment), TAlignment::taLeftJustify),
        Prop::Nested("Font", &T::FFont),
        Prop::Boolean("WordWrap", Prop::Methods(&T::WordWrap, &T::SetWordWrap), false),
    });
    return table;
}

const TPropertyTable &TGMultiLineBaseLabel::properties() const
{
    return Properties();
}

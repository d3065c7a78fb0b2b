#include "objects/graphics/TGImage.h"

#include "core/PropertyBuilder.h"

TGImage::TGImage()
{
    FPicture.OnChange = [this] { Changed(); };
    SetBounds(0, 0, 105, 105);
}

const TPropertyTable &TGImage::Properties()
{
    using T = TGImage;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Boolean("AutoSize", Prop::Methods(&T::AutoSize, &T::SetAutoSize), false),
        Prop::Enumeration("BorderStyle", Prop::Methods(&T::BorderStyle, &T::SetBorderStyle)),
        Prop::Nested("Picture", &T::FPicture),
        Prop::Boolean("Stretch", Prop::Methods(&T::Stretch, &T::SetStretch), true),
        Prop::Boolean("Reverse", Prop::Methods(&T::Reverse, &T::SetReverse)),
        Prop::Boolean("Flip", Prop::Methods(&T::Flip, &T::SetFlip)),
    });
    return table;
}

const TPropertyTable &TGImage::properties() const
{
    return Properties();
}

// Stretch and AutoSize are always opposite: setting either sets both.
void TGImage::SetAutoSize(bool value)
{
    if (FAutoSize == value && FStretch == !value)
        return;
    FAutoSize = value;
    FStretch = !value;
    PropertyChanged();
}

void TGImage::SetStretch(bool value)
{
    SetAutoSize(!value);
}

#include "objects/graphics/TGVodirOriz.h"

#include "core/PropertyBuilder.h"

TGVodirOriz::TGVodirOriz()
{
    FFont.OnChange = [this] { Changed(); };
    FImage.OnChange = [this] { Changed(); };
    FFont.SetSize(48);
    FFont.SetStyle({TFontStyle::fsBold});
    FFont.SetColor(TColors::clBlack);
    SetBounds(0, 0, 142, 33);
}

const TPropertyTable &TGVodirOriz::Properties()
{
    using T = TGVodirOriz;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Integer("ShadowDepth", Prop::Methods(&T::ShadowDepth, &T::SetShadowDepth), 0),
        Prop::Enumeration("ShadowOrientation", Prop::Methods(&T::ShadowOrientation, &T::SetShadowOrientation), TShadowOrientation::sdDownRight),
        Prop::Color("Shadowcolor", Prop::Methods(&T::Shadowcolor, &T::SetShadowcolor), TColor(0x808080)),
        Prop::Enumeration("BorderStyle", Prop::Methods(&T::BorderStyle, &T::SetBorderStyle)),
        Prop::Boolean("ControlTransparent", Prop::Methods(&T::ControlTransparent, &T::SetControlTransparent)),
        Prop::Color("BGColor", Prop::Methods(&T::BGColor, &T::SetBGColor)),
        Prop::String("Caption", Prop::Methods(&T::Caption, &T::SetCaption)),
        Prop::Nested("Font", &T::FFont),
        Prop::Enumeration("FillDirection", Prop::Methods(&T::FillDirection, &T::SetFillDirection)),
        Prop::Color("GradientToColor", Prop::Methods(&T::GradientToColor, &T::SetGradientToColor)),
        Prop::Color("GradientFromColor", Prop::Methods(&T::GradientFromColor, &T::SetGradientFromColor)),
        Prop::Nested("Image", &T::FImage),
        Prop::Color("OutlineColor", Prop::Methods(&T::OutlineColor, &T::SetOutlineColor)),
        Prop::Enumeration("OutlineStyle", Prop::Methods(&T::OutlineStyle, &T::SetOutlineStyle)),
        Prop::Integer("OutlineWidth", Prop::Methods(&T::OutlineWidth, &T::SetOutlineWidth)),
        Prop::Enumeration("SurfaceType", Prop::Methods(&T::SurfaceType, &T::SetSurfaceType)),
        Prop::String("LastBitmapFileNameandPath", Prop::Methods(&T::LastBitmapFileNameandPath, &T::SetLastBitmapFileNameandPath)),
    });
    return table;
}

const TPropertyTable &TGVodirOriz::properties() const
{
    return Properties();
}

void TGVodirOriz::SetSurfaceType(Gsstext::TSurfaceType value)
{
    if (!Update(FSurfaceType, value))
        return;
    if (value != Gsstext::TSurfaceType::stBrushImage)
        FImage.Clear();
    // Letters without a fill must keep their outline, or the text vanishes.
    if (value == Gsstext::TSurfaceType::stBrushTransparent && FOutlineStyle == TPenStyle::psClear)
        SetOutlineStyle(TPenStyle::psSolid);
}

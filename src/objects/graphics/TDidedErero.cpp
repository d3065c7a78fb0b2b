#include "objects/graphics/TDidedErero.h"

#include "core/PropertyBuilder.h"

TDidedErero::TDidedErero()
{
    FImage.OnChange = [this] { Changed(); };
    SetBounds(0, 0, 25, 25);
}

const TPropertyTable &TDidedErero::Properties()
{
    using T = TDidedErero;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Color("BackColor", Prop::Methods(&T::BackColor, &T::SetBackColor)),
        Prop::Enumeration("FillDirection", Prop::Methods(&T::FillDirection, &T::SetFillDirection)),
        Prop::Color("ForeColor", Prop::Methods(&T::ForeColor, &T::SetForeColor)),
        Prop::Color("GradientToColor", Prop::Methods(&T::GradientToColor, &T::SetGradientToColor)),
        Prop::Nested("Image", &T::FImage),
        Prop::Integer("InVectorPercent", Prop::Methods(&T::InVectorPercent, &T::SetInVectorPercent)),
        Prop::Color("OutlineColor", Prop::Methods(&T::OutlineColor, &T::SetOutlineColor)),
        Prop::Enumeration("OutlineStyle", Prop::Methods(&T::OutlineStyle, &T::SetOutlineStyle)),
        Prop::Integer("OutlineWidth", Prop::Methods(&T::OutlineWidth, &T::SetOutlineWidth)),
        Prop::Enumeration("Pattern", Prop::Methods(&T::Pattern, &T::SetPattern)),
        Prop::Integer("RoundPerc", Prop::Methods(&T::RoundPerc, &T::SetRoundPerc)),
        Prop::Color("ShadowColor", Prop::Methods(&T::ShadowColor, &T::SetShadowColor)),
        Prop::Integer("ShadowDepth", Prop::Methods(&T::ShadowDepth, &T::SetShadowDepth)),
        Prop::Enumeration("ShadowOrient", Prop::Methods(&T::ShadowOrient, &T::SetShadowOrient)),
        Prop::Enumeration("Shape", Prop::Methods(&T::Shape, &T::SetShape)),
        Prop::Integer("StartingAngle", Prop::Methods(&T::StartingAngle, &T::SetStartingAngle)),
        Prop::Enumeration("SurfaceType", Prop::Methods(&T::SurfaceType, &T::SetSurfaceType)),
        Prop::Integer("Vectors", Prop::Methods(&T::Vectors, &T::SetVectors)),
        Prop::String("LastBitmapFileNameandPath", Prop::Methods(&T::LastBitmapFileNameandPath, &T::SetLastBitmapFileNameandPath)),
    });
    return table;
}

const TPropertyTable &TDidedErero::properties() const
{
    return Properties();
}

void TDidedErero::SetVectors(qint32 value)
{
    if (value >= 3 && value <= 60)
        Update(FVectors, value);
}

void TDidedErero::SetStartingAngle(qint32 value)
{
    if (value >= 0 && value <= 359)
        Update(FStartingAngle, value);
}

void TDidedErero::SetInVectorPercent(qint32 value)
{
    if (value >= 0 && value <= 100)
        Update(FInVectorPercent, value);
}

// The test looks at the current depth, not the new one: a shadow already
// deeper than half the object blocks every change until the object grows.
void TDidedErero::SetShadowDepth(qint32 value)
{
    if (FShadowDepth > Width() / 2 || FShadowDepth > Height() / 2)
        return;
    Update(FShadowDepth, value);
}

// A star needs inner vertices, enough points and its upright start.
void TDidedErero::SetShape(TGPShapeType value)
{
    if (!Update(FShape, value) || value != TGPShapeType::gstStar)
        return;
    if (FInVectorPercent == 0)
        SetInVectorPercent(50);
    if (FVectors < 10)
        SetVectors(10);
    if (FStartingAngle != 90)
        SetStartingAngle(90);
}

#include "objects/graphics/TGLabelShapes.h"

#include "core/PropertyBuilder.h"

TGLabelShapes::TGLabelShapes()
{
    FBrush.OnChange = [this] { Changed(); };
    FPen.OnChange = [this] { Changed(); };
    SetBounds(0, 0, 25, 25);
}

const TPropertyTable &TGLabelShapes::Properties()
{
    using T = TGLabelShapes;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Boolean("Transparent", Prop::Methods(&T::Transparent, &T::SetTransparent)),
        Prop::Nested("Brush", &T::FBrush),
        Prop::Nested("Pen", &T::FPen),
        Prop::Integer("RoundPerc", Prop::Methods(&T::RoundPerc, &T::SetRoundPerc), 25),
        Prop::Enumeration("Shape", Prop::Methods(&T::Shape, &T::SetShape), TShapeType::stRectangle),
    });
    return table;
}

const TPropertyTable &TGLabelShapes::properties() const
{
    return Properties();
}

void TGLabelShapes::SetTransparent(bool value)
{
    if (Update(FTransparent, value))
        FBrush.SetStyle(value ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
}

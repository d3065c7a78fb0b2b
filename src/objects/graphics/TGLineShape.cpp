#include "objects/graphics/TGLineShape.h"

#include "core/PropertyBuilder.h"

TGLineShape::TGLineShape()
{
    FPen.OnChange = [this] { Changed(); };
    SetBounds(0, 0, 10, 10);
}

const TPropertyTable &TGLineShape::Properties()
{
    using T = TGLineShape;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Enumeration("LineStyle", Prop::Methods(&T::LineStyle, &T::SetLineStyle), TLineStyle::stHorizontal),
        Prop::Nested("Pen", &T::FPen),
    });
    return table;
}

const TPropertyTable &TGLineShape::properties() const
{
    return Properties();
}

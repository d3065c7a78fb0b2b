#pragma once

#include "core/Enumerations.h"
#include "core/TGGraphicControl.h"
#include "core/TPen.h"

// A straight line across its bounds: horizontal, vertical or diagonal.
class TGLineShape : public TGGraphicControl
{
public:
    static constexpr const char *StaticClassName = "TGLineShape";

    TGLineShape();

    const char *ClassName() const override { return StaticClassName; }
    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    TLineStyle LineStyle() const { return FLineStyle; }
    void SetLineStyle(TLineStyle value) { Update(FLineStyle, value); }
    TPen &Pen() { return FPen; }
    const TPen &Pen() const { return FPen; }

private:
    TLineStyle FLineStyle = TLineStyle::stHorizontal;
    TPen FPen;
};

#pragma once

#include "core/Enumerations.h"
#include "core/TGGraphicControl.h"
#include "core/TPen.h"

#include <QLine>

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

    void Paint(QPainter &painter) override;
    void PrintTo(TReport &report, double originX, double originY) override;

    // A horizontal line takes the card's full width, a vertical one its full
    // height; angled lines and lines on no card stay as they are.
    void StretchToEdges();

    // The screen pen width at a zoom, scaled and rounded half to even; unlike
    // a shape's it may become 0, the thinnest line.
    static int ZoomedPenWidth(int penWidth, float zoom);
    // Where the line starts and the point it runs to (left out, as every
    // thin line leaves out its last pixel), in the object's pixels.
    static QLine ScreenLine(TLineStyle style, int width, int height, int penWidth);

private:
    TLineStyle FLineStyle = TLineStyle::stHorizontal;
    TPen FPen;
};

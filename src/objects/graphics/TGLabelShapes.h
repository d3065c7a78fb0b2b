#pragma once

#include "core/Enumerations.h"
#include "core/TBrush.h"
#include "core/TGGraphicControl.h"
#include "core/TPen.h"

#include <QRect>

// A rectangle, rounded rectangle or ellipse with an outline pen and a fill brush.
class TGLabelShapes : public TGGraphicControl
{
public:
    static constexpr const char *StaticClassName = "TGLabelShapes";

    TGLabelShapes();

    const char *ClassName() const override { return StaticClassName; }
    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TBrush &Brush() { return FBrush; }
    const TBrush &Brush() const { return FBrush; }
    TPen &Pen() { return FPen; }
    const TPen &Pen() const { return FPen; }
    qint32 RoundPerc() const { return FRoundPerc; }
    void SetRoundPerc(qint32 value) { Update(FRoundPerc, value); }
    TShapeType Shape() const { return FShape; }
    void SetShape(TShapeType value) { Update(FShape, value); }

    void Paint(QPainter &painter) override;
    void PrintTo(TReport &report, double originX, double originY) override;

    // The screen pen width at a zoom: scaled and rounded half to even, but a
    // visible pen never vanishes.
    static int ZoomedPenWidth(int penWidth, float zoom);
    // The box the outline is drawn on, as (x1, y1) and its size, so that a
    // pen of that width stays within width x height.
    static QRect OutlineBox(int width, int height, int penWidth);
    // Width and height of a rounded corner's ellipse on screen.
    static int CornerDiameter(int roundPerc, int width, int height);

private:
    bool FTransparent = false;
    TBrush FBrush;
    TPen FPen;
    qint32 FRoundPerc = 25;
    TShapeType FShape = TShapeType::stRectangle;
};

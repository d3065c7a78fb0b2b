#pragma once

#include "core/Enumerations.h"
#include "core/TBitmap.h"
#include "core/TGGraphicControl.h"
#include "platform/TColor.h"

#include <QString>

// The multi-purpose shape: one of ten outlines with a transparent, solid,
// textured or gradient surface, an outline pen and a drop shadow.
class TDidedErero : public TGGraphicControl
{
public:
    static constexpr const char *StaticClassName = "TDidedErero";

    TDidedErero();

    const char *ClassName() const override { return StaticClassName; }
    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value) { Update(FBackColor, value); }
    TFillDirection FillDirection() const { return FFillDirection; }
    void SetFillDirection(TFillDirection value) { Update(FFillDirection, value); }
    TColor ForeColor() const { return FForeColor; }
    void SetForeColor(TColor value) { Update(FForeColor, value); }
    TColor GradientToColor() const { return FGradientToColor; }
    void SetGradientToColor(TColor value) { Update(FGradientToColor, value); }
    TBitmap &Image() { return FImage; }
    const TBitmap &Image() const { return FImage; }
    qint32 InVectorPercent() const { return FInVectorPercent; }
    void SetInVectorPercent(qint32 value);
    TColor OutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(TColor value) { Update(FOutlineColor, value); }
    TPenStyle OutlineStyle() const { return FOutlineStyle; }
    void SetOutlineStyle(TPenStyle value) { Update(FOutlineStyle, value); }
    qint32 OutlineWidth() const { return FOutlineWidth; }
    void SetOutlineWidth(qint32 value) { Update(FOutlineWidth, value); }
    TBrushStyle Pattern() const { return FPattern; }
    void SetPattern(TBrushStyle value) { Update(FPattern, value); }
    qint32 RoundPerc() const { return FRoundPerc; }
    void SetRoundPerc(qint32 value) { Update(FRoundPerc, value); }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { Update(FShadowColor, value); }
    qint32 ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(qint32 value);
    TShadowOrient ShadowOrient() const { return FShadowOrient; }
    void SetShadowOrient(TShadowOrient value) { Update(FShadowOrient, value); }
    TGPShapeType Shape() const { return FShape; }
    void SetShape(TGPShapeType value);
    qint32 StartingAngle() const { return FStartingAngle; }
    void SetStartingAngle(qint32 value);
    Gsshape::TSurfaceType SurfaceType() const { return FSurfaceType; }
    void SetSurfaceType(Gsshape::TSurfaceType value) { Update(FSurfaceType, value); }
    qint32 Vectors() const { return FVectors; }
    void SetVectors(qint32 value);
    QString LastBitmapFileNameandPath() const { return FLastBitmapFileNameandPath; }
    void SetLastBitmapFileNameandPath(const QString &value) { Update(FLastBitmapFileNameandPath, value); }

private:
    TColor FBackColor = TColors::clRed;
    TFillDirection FFillDirection = TFillDirection::gdUp;
    TColor FForeColor = TColors::clBlack;
    TColor FGradientToColor = TColors::clBlue;
    TBitmap FImage;
    qint32 FInVectorPercent = 50;
    TColor FOutlineColor = TColors::clBlack;
    TPenStyle FOutlineStyle = TPenStyle::psSolid;
    qint32 FOutlineWidth = 1;
    TBrushStyle FPattern = TBrushStyle::bsClear;
    qint32 FRoundPerc = 25;
    TColor FShadowColor = TColors::clBlack;
    qint32 FShadowDepth = 5;
    TShadowOrient FShadowOrient = TShadowOrient::soNone;
    TGPShapeType FShape = TGPShapeType::gstStar;
    qint32 FStartingAngle = 90;
    Gsshape::TSurfaceType FSurfaceType = Gsshape::TSurfaceType::stGradientFill;
    qint32 FVectors = 10;
    QString FLastBitmapFileNameandPath;
};

#pragma once

#include "core/Enumerations.h"
#include "core/TBitmap.h"
#include "core/TFont.h"
#include "core/TGGraphicControl.h"
#include "platform/TColor.h"

#include <QString>

// Special-effects text: letters filled with a colour, gradient or texture,
// with an outline and a drop shadow, over an optional box.
class TGVodirOriz : public TGGraphicControl
{
public:
    static constexpr const char *StaticClassName = "TGVodirOriz";

    TGVodirOriz();

    const char *ClassName() const override { return StaticClassName; }
    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    qint32 ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(qint32 value) { Update(FShadowDepth, value); }
    TShadowOrientation ShadowOrientation() const { return FShadowOrientation; }
    void SetShadowOrientation(TShadowOrientation value) { Update(FShadowOrientation, value); }
    TColor Shadowcolor() const { return FShadowcolor; }
    void SetShadowcolor(TColor value) { Update(FShadowcolor, value); }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value) { Update(FBorderStyle, value); }
    bool ControlTransparent() const { return FControlTransparent; }
    void SetControlTransparent(bool value) { Update(FControlTransparent, value); }
    TColor BGColor() const { return FBGColor; }
    void SetBGColor(TColor value) { Update(FBGColor, value); }
    QString Caption() const { return FCaption; }
    void SetCaption(const QString &value) { Update(FCaption, value); }
    TFont &Font() { return FFont; }
    const TFont &Font() const { return FFont; }
    TFillDirection FillDirection() const { return FFillDirection; }
    void SetFillDirection(TFillDirection value) { Update(FFillDirection, value); }
    TColor GradientToColor() const { return FGradientToColor; }
    void SetGradientToColor(TColor value) { Update(FGradientToColor, value); }
    TColor GradientFromColor() const { return FGradientFromColor; }
    void SetGradientFromColor(TColor value) { Update(FGradientFromColor, value); }
    TBitmap &Image() { return FImage; }
    const TBitmap &Image() const { return FImage; }
    TColor OutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(TColor value) { Update(FOutlineColor, value); }
    TPenStyle OutlineStyle() const { return FOutlineStyle; }
    void SetOutlineStyle(TPenStyle value) { Update(FOutlineStyle, value); }
    qint32 OutlineWidth() const { return FOutlineWidth; }
    void SetOutlineWidth(qint32 value) { Update(FOutlineWidth, value); }
    Gsstext::TSurfaceType SurfaceType() const { return FSurfaceType; }
    void SetSurfaceType(Gsstext::TSurfaceType value);
    QString LastBitmapFileNameandPath() const { return FLastBitmapFileNameandPath; }
    void SetLastBitmapFileNameandPath(const QString &value) { Update(FLastBitmapFileNameandPath, value); }

private:
    qint32 FShadowDepth = 0;
    TShadowOrientation FShadowOrientation = TShadowOrientation::sdDownRight;
    TColor FShadowcolor = TColor(0x808080);
    TBorderStyle FBorderStyle = TBorderStyle::bsNone;
    bool FControlTransparent = true;
    TColor FBGColor = TColors::clWhite;
    QString FCaption = QStringLiteral("Text");
    TFont FFont;
    TFillDirection FFillDirection = TFillDirection::gdRight;
    TColor FGradientToColor = TColors::clYellow;
    TColor FGradientFromColor = TColors::clBlue;
    TBitmap FImage;
    TColor FOutlineColor = TColors::clBlack;
    TPenStyle FOutlineStyle = TPenStyle::psSolid;
    qint32 FOutlineWidth = 1;
    Gsstext::TSurfaceType FSurfaceType = Gsstext::TSurfaceType::stGradientFill;
    QString FLastBitmapFileNameandPath;
};

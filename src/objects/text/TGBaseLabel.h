#pragma once

#include "core/Enumerations.h"
#include "core/TFont.h"
#include "core/TGGraphicControl.h"
#include "platform/TColor.h"

#include <QString>

// Single-line text: one line in one font, turned by quarter turns, with
// optional shadow and highlight copies, background and border.
class TGBaseLabel : public TGGraphicControl
{
public:
    TGBaseLabel();

    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { Update(FAlignment, value); }
    qint32 DepthHighlight() const { return FDepthHighlight; }
    void SetDepthHighlight(qint32 value) { Update(FDepthHighlight, value); }
    qint32 DepthShadow() const { return FDepthShadow; }
    void SetDepthShadow(qint32 value) { Update(FDepthShadow, value); }
    THighlightDirection DirectionHighlight() const { return FDirectionHighlight; }
    void SetDirectionHighlight(THighlightDirection value) { Update(FDirectionHighlight, value); }
    TShadowDirection DirectionShadow() const { return FDirectionShadow; }
    void SetDirectionShadow(TShadowDirection value) { Update(FDirectionShadow, value); }
    TColor colorHighlight() const { return FcolorHighlight; }
    void SetcolorHighlight(TColor value) { Update(FcolorHighlight, value); }
    TColor colorShadow() const { return FcolorShadow; }
    void SetcolorShadow(TColor value) { Update(FcolorShadow, value); }
    qint32 Angle() const { return FAngle; }
    void SetAngle(qint32 value) { Update(FAngle, value); }
    QString Caption() const { return FCaption; }
    void SetCaption(const QString &value) { Update(FCaption, value); }
    TFont &Font() { return FFont; }
    const TFont &Font() const { return FFont; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { Update(FTransparent, value); }
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value) { Update(FBackColor, value); }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value) { Update(FBorderStyle, value); }

private:
    TAlignment FAlignment = TAlignment::taLeftJustify;
    qint32 FDepthHighlight = 0;
    qint32 FDepthShadow = 0;
    THighlightDirection FDirectionHighlight = THighlightDirection::hdUpLeft;
    TShadowDirection FDirectionShadow = TShadowDirection::sdDownRight;
    TColor FcolorHighlight = TColor(0xFFFF00);
    TColor FcolorShadow = TColor(0x808080);
    qint32 FAngle = 0;
    QString FCaption = QStringLiteral("Text");
    TFont FFont;
    bool FTransparent = true;
    TColor FBackColor = TColors::clWhite;
    TBorderStyle FBorderStyle = TBorderStyle::bsNone;
};

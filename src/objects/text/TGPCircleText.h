#pragma once

#include "core/Enumerations.h"
#include "core/TFont.h"
#include "core/TGGraphicControl.h"
#include "platform/TColor.h"

#include <QString>

// Text set letter by letter along a circular arc inside the box.
class TGPCircleText : public TGGraphicControl
{
public:
    static constexpr const char *StaticClassName = "TGPCircleText";

    TGPCircleText();

    const char *ClassName() const override { return StaticClassName; }
    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    TDegrees StartingVector() const { return FStartingVector; }
    void SetStartingVector(TDegrees value) { Update(FStartingVector, value); }
    TDegrees Degrees() const { return FDegrees; }
    void SetDegrees(TDegrees value) { Update(FDegrees, value); }
    QString PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(const QString &value) { Update(FPopupMenu, value); }
    TFont &Font() { return FFont; }
    const TFont &Font() const { return FFont; }
    bool Mirror() const { return FMirror; }
    void SetMirror(bool value) { Update(FMirror, value); }
    bool DrawLettersAngled() const { return FDrawLettersAngled; }
    void SetDrawLettersAngled(bool value) { Update(FDrawLettersAngled, value); }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value) { Update(FBorderStyle, value); }
    bool ControlTransparent() const { return FControlTransparent; }
    void SetControlTransparent(bool value) { Update(FControlTransparent, value); }
    TColor BGColor() const { return FBGColor; }
    void SetBGColor(TColor value) { Update(FBGColor, value); }
    QString Caption() const { return FCaption; }
    void SetCaption(const QString &value) { Update(FCaption, value); }

private:
    TDegrees FStartingVector = TDegrees::dg180;
    TDegrees FDegrees = TDegrees::dg360;
    QString FPopupMenu;
    TFont FFont;
    bool FMirror = false;
    bool FDrawLettersAngled = true;
    TBorderStyle FBorderStyle = TBorderStyle::bsNone;
    bool FControlTransparent = true;
    TColor FBGColor = TColors::clWhite;
    QString FCaption = QStringLiteral("ABC DEF GHI JKL");
};

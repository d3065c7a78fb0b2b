#pragma once

#include "core/Enumerations.h"
#include "core/TGGraphicControl.h"
#include "core/TRichTextStore.h"
#include "platform/TColor.h"

// Formatted text with mixed fonts, stored as RTF.
class TGPRichBaseLabel : public TGGraphicControl
{
public:
    static constexpr const char *StaticClassName = "TGPRichBaseLabel";

    TGPRichBaseLabel();

    const char *ClassName() const override { return StaticClassName; }
    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    TRichTextStore &RTFText() { return FRTFText; }
    const TRichTextStore &RTFText() const { return FRTFText; }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value) { Update(FBorderStyle, value); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { Update(FTransparent, value); }
    TColor BGColor() const { return FBGColor; }
    void SetBGColor(TColor value) { Update(FBGColor, value); }

private:
    TRichTextStore FRTFText;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    bool FTransparent = true;
    TColor FBGColor = TColors::clWhite;
};

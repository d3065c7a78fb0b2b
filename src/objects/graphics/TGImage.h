#pragma once

#include "core/Enumerations.h"
#include "core/TGGraphicControl.h"
#include "core/TPicture.h"

// Clip art: a bitmap or metafile picture filling the object's bounds.
class TGImage : public TGGraphicControl
{
public:
    static constexpr const char *StaticClassName = "TGImage";

    TGImage();

    const char *ClassName() const override { return StaticClassName; }
    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value) { Update(FBorderStyle, value); }
    TPicture &Picture() { return FPicture; }
    const TPicture &Picture() const { return FPicture; }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value);
    bool Reverse() const { return FReverse; }
    void SetReverse(bool value) { Update(FReverse, value); }
    bool Flip() const { return FFlip; }
    void SetFlip(bool value) { Update(FFlip, value); }

private:
    bool FAutoSize = false;
    TBorderStyle FBorderStyle = TBorderStyle::bsNone;
    TPicture FPicture;
    bool FStretch = true;
    bool FReverse = false;
    bool FFlip = false;
};

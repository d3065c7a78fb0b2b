#pragma once

#include "core/Enumerations.h"
#include "core/TGGraphicControl.h"
#include "core/TPicture.h"

#include <QImage>

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
    // Copies the picture's data; an empty picture clears this one.
    void SetPicture(const TPicture &picture);
    bool Stretch() const { return FStretch; }
    // Only repaints: the size follows once the picture-changed step runs.
    void SetStretch(bool value);
    bool Reverse() const { return FReverse; }
    void SetReverse(bool value) { Update(FReverse, value); }
    bool Flip() const { return FFlip; }
    void SetFlip(bool value) { Update(FFlip, value); }

    // True when the picture alone covers every pixel of the bounds: a
    // bitmap exactly the object's size.
    bool Opaque() const { return FOpaque; }

    // After the picture or the sizing mode changed: fit the bounds to an
    // AutoSize picture, work out opacity, repaint.
    void PictureChanged();

    // Empty, or damaged beyond decoding: drawn as a framed white box.
    bool PictureEmpty() const;

    void Paint(QPainter &painter) override;
    void PrintTo(TReport &report, double originX, double originY) override;
    void BoundsChanged() override;

    // The picture drawn over a white work bitmap of the object's size, as
    // the screen shows it and mirrored bitmaps print; no border.
    QImage WorkBitmap() const;

private:
    bool FAutoSize = false;
    TBorderStyle FBorderStyle = TBorderStyle::bsNone;
    TPicture FPicture;
    bool FStretch = true;
    bool FReverse = false;
    bool FFlip = false;
    bool FOpaque = false;
};

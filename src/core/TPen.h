#pragma once

#include "core/Enumerations.h"
#include "core/TNestedPersistent.h"
#include "platform/TColor.h"

// An outline pen: colour, raster mode, style and width in pixels.
class TPen : public TNestedPersistent
{
public:
    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Update(FColor, value); }
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value) { Update(FMode, value); }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value) { Update(FStyle, value); }
    qint32 Width() const { return FWidth; }
    void SetWidth(qint32 value) { Update(FWidth, value); }

    void Assign(const TPen &source);

private:
    TColor FColor = TColors::clBlack;
    TPenMode FMode = TPenMode::pmCopy;
    TPenStyle FStyle = TPenStyle::psSolid;
    qint32 FWidth = 1;
};

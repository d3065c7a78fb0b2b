#pragma once

#include "core/Enumerations.h"
#include "core/TNestedPersistent.h"
#include "platform/TColor.h"

// An interior fill: colour and hatch style.
class TBrush : public TNestedPersistent
{
public:
    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Update(FColor, value); }
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value) { Update(FStyle, value); }

    void Assign(const TBrush &source);

private:
    TColor FColor = TColors::clWhite;
    TBrushStyle FStyle = TBrushStyle::bsSolid;
};

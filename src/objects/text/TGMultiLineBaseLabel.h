#pragma once

#include "core/Enumerations.h"
#include "core/TFont.h"
#include "core/TGGraphicControl.h"
#include "core/TStringList.h"

// A block of text lines in one font, each aligned within the width,
// optionally word-wrapped; never filled or framed.
class TGMultiLineBaseLabel : public TGGraphicControl
{
public:
    TGMultiLineBaseLabel();

    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    TStringList &Items() { return FItems; }
    const TStringList &Items() const { return FItems; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { Update(FAutoSize, value); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { Update(FAlignment, value); }
    TFont &Font() { return FFont; }
    const TFont &Font() const { return FFont; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { Update(FWordWrap, value); }

private:
    TStringList FItems;
    bool FAutoSize = false;
    TAlignment FAlignment = TAlignment::taLeftJustify;
    TFont FFont;
    bool FWordWrap = false;
};

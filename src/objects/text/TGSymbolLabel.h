#pragma once

#include "objects/text/TGBaseLabel.h"

// One character of a symbol font, shown as a scalable mark.
class TGSymbolLabel : public TGBaseLabel
{
public:
    static constexpr const char *StaticClassName = "TGSymbolLabel";

    TGSymbolLabel();

    const char *ClassName() const override { return StaticClassName; }
};

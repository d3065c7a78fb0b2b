#pragma once

#include "objects/text/TGBaseLabel.h"

// The single-line text object whose text the user edits.
class TGPLabel : public TGBaseLabel
{
public:
    static constexpr const char *StaticClassName = "TGPLabel";

    TGPLabel();

    const char *ClassName() const override { return StaticClassName; }
};

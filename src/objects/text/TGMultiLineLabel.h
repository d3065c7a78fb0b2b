#pragma once

#include "objects/text/TGMultiLineBaseLabel.h"

// The multi-line text object the user edits.
class TGMultiLineLabel : public TGMultiLineBaseLabel
{
public:
    static constexpr const char *StaticClassName = "TGMultiLineLabel";

    TGMultiLineLabel();

    const char *ClassName() const override { return StaticClassName; }
};

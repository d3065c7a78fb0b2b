#pragma once

#include "objects/text/TGPLabel.h"

// Single-line text that offers the personal information as ready-made texts.
// The design file tells it apart from plain text only by its class name.
class TGBusinessCardLabel : public TGPLabel
{
public:
    static constexpr const char *StaticClassName = "TGBusinessCardLabel";

    TGBusinessCardLabel();

    const char *ClassName() const override { return StaticClassName; }
};

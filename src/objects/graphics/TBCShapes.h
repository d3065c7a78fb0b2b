#pragma once

#include "objects/graphics/TGLabelShapes.h"

// The shape the card's shape tools create, stored under its own class name.
class TBCShapes : public TGLabelShapes
{
public:
    static constexpr const char *StaticClassName = "TBCShapes";

    TBCShapes();

    const char *ClassName() const override { return StaticClassName; }
};

#include "objects/graphics/TBCShapes.h"

TBCShapes::TBCShapes()
{
}


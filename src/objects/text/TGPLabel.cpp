#include "objects/text/TGPLabel.h"

TGPLabel::TGPLabel()
{
}


#include "objects/text/TGBusinessCardLabel.h"

TGBusinessCardLabel::TGBusinessCardLabel()
{
}


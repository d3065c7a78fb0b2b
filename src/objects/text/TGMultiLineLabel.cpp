#include "objects/text/TGMultiLineLabel.h"

TGMultiLineLabel::TGMultiLineLabel()
{
}


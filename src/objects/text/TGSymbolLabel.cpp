#include "objects/text/TGSymbolLabel.h"

TGSymbolLabel::TGSymbolLabel()
{
    Font().SetName(QStringLiteral("WingDings"));
    Font().SetSize(24);
    SetCaption(QStringLiteral("["));
}


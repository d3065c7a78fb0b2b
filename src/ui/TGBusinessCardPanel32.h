#pragma once

#include "core/TPersonalInfo.h"
#include "ui/TGBasePanel.h"

// The card itself: the design surface that also holds the copy of the
// user's personal information that text objects offer.
class TGBusinessCardPanel32 : public TGBasePanel
{
public:
    using TGBasePanel::TGBasePanel;

    TPersonalInfo PersonalInfo;
};

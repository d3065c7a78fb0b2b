#pragma once

#include "core/TDefaultFont.h"
#include "core/TPersonalInfo.h"
#include "core/TPrinterNudges.h"
#include "printing/TCardLayout.h"

// Everything the main window keeps in the settings file's "Printer",
// "Personal", "Layout" and "Default Font" sections, loaded and saved as one.
struct TPreferences
{
    TPrinterNudges Nudges;
    bool ShowBottomMarginWarning = true;
    TPersonalInfo Personal;
    TCardLayout Layout;
    TDefaultFont DefaultFont;

    bool operator==(const TPreferences &other) const
    {
        return Nudges == other.Nudges && ShowBottomMarginWarning == other.ShowBottomMarginWarning
            && Personal == other.Personal && Layout == other.Layout && DefaultFont == other.DefaultFont;
    }
};

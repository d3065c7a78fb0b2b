#pragma once

#include "ui/TGPLabelMenu.h"

class TGBusinessCardLabel;
struct TPersonalInfo;

// Single-line text that offers the user's personal details: a "Personal
// Information" submenu at the top, and a text entry with a picker.
class TGBusinessCardLabelMenu : public TGPLabelMenu
{
public:
    // The longest text a detail chosen from the menu gives.
    static constexpr int MaxCaptionLength = 255;

    TGBusinessCardLabelMenu(TGBasePanel &panel, TGBusinessCardLabel &label);

protected:
    void AppendKindEntries() override;
    void EditText() override;

private:
    // The card's personal information, or nullptr on a surface that is not the card.
    const TPersonalInfo *PersonalInfo() const;
    void InsertPersonalInformation(const TPersonalInfo &info);
};

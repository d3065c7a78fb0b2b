#pragma once

#include "ui/TGBaseLabelMenu.h"

class TGPLabel;

// Single-line text the user edits: its text and its quarter turns.
class TGPLabelMenu : public TGBaseLabelMenu
{
public:
    // Kinds find the "Text" entry by this tag.
    static constexpr int TextEntryTag = 1000;

    TGPLabelMenu(TGBasePanel &panel, TGPLabel &label);

protected:
    void AppendKindEntries() override;
    void UpdateMenuChecks() override;
    void ChooseFont() override;
    // Opens the text entry; on Ok the text changes and the box fits it.
    virtual void EditText();

    TGPLabel &PLabel() const { return FLabel; }

private:
    TGPLabel &FLabel;
    std::vector<QAction *> FRotationActions;
};

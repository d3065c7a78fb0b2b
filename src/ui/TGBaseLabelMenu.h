#pragma once

#include "ui/TGObjectMenu.h"

class TGBaseLabel;

// Font, 3D effects, alignment, transparency, background colour and border
// of single-line text.
class TGBaseLabelMenu : public TGObjectMenu
{
public:
    TGBaseLabelMenu(TGBasePanel &panel, TGBaseLabel &label);

protected:
    void AppendKindEntries() override;
    void UpdateMenuChecks() override;
    // The standard font dialog on the label's font.
    virtual void ChooseFont();

    TGBaseLabel &Label() const { return FLabel; }

private:
    void AppendAlignment();

    TGBaseLabel &FLabel;
    std::vector<QAction *> FAlignmentActions;
    QAction *FTransparentAction = nullptr;
    QAction *FBorderAction = nullptr;
};

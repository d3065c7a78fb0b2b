#pragma once

#include "ui/TGObjectMenu.h"

class TGLineShape;

// Style, colour and thickness of a line, and stretching it to the card's edges.
class TGLineShapeMenu : public TGObjectMenu
{
public:
    TGLineShapeMenu(TGBasePanel &panel, TGLineShape &line);

protected:
    void AppendKindEntries() override;
    void UpdateMenuChecks() override;

private:
    TGLineShape &FLine;
    std::vector<QAction *> FStyleActions;
    std::vector<QAction *> FThicknessActions;
};

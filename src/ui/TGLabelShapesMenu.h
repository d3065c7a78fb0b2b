#pragma once

#include "ui/TGObjectMenu.h"

class TGLabelShapes;

// Colours, line thickness, transparency and, for rounded kinds, the degree
// of rounding of rectangles, rounded rectangles and ellipses.
class TGLabelShapesMenu : public TGObjectMenu
{
public:
    TGLabelShapesMenu(TGBasePanel &panel, TGLabelShapes &shape);

protected:
    void AppendKindEntries() override;
    void UpdateMenuChecks() override;

private:
    void AppendRounding();

    TGLabelShapes &FShape;
    QAction *FTransparentAction = nullptr;
    std::vector<QAction *> FThicknessActions;
};

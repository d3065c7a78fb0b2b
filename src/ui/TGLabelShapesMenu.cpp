#include "ui/TGLabelShapesMenu.h"

#include "objects/graphics/TGLabelShapes.h"
#include "ui/TGBasePanel.h"

#include <QAction>
#include <QMenu>

TGLabelShapesMenu::TGLabelShapesMenu(TGBasePanel &panel, TGLabelShapes &shape)
    : TGObjectMenu(panel, shape), FShape(shape)
{
}

void TGLabelShapesMenu::AppendKindEntries()
{
    Menu().addSeparator();
    AddCommand(Menu(), QStringLiteral("Background Color"), [this] {
        TColor color = 0;
        if (!ChooseColor(FShape.Brush().Color(), color))
            return;
        FShape.Brush().SetColor(color);
        FShape.Changed();
        // A chosen background is meant to show.
        FShape.SetTransparent(false);
        Panel().update();
    });
    AddCommand(Menu(), QStringLiteral("Line Color"), [this] {
        TColor color = 0;
        if (!ChooseColor(FShape.Pen().Color(), color))
            return;
        FShape.Pen().SetColor(color);
        FShape.Changed();
        Panel().update();
    });
    FThicknessActions = AddLineThickness(FShape.Pen());
    Menu().addSeparator();
    FTransparentAction = AddCheckable(Menu(), QStringLiteral("Transparent"), [this] {
        FShape.SetTransparent(!FShape.Transparent());
        FTransparentAction->setChecked(FShape.Transparent());
    });
    // Only a shape that is rounded when its menu is built offers the rounding.
    if (FShape.Shape() == TShapeType::stRoundRect || FShape.Shape() == TShapeType::stRoundSquare)
        AppendRounding();
}

void TGLabelShapesMenu::AppendRounding()
{
    Menu().addSeparator();
    QMenu *rounding = Menu().addMenu(QStringLiteral("Degree of Rounding"));
    for (int percent = 20; percent <= 80; percent += 10) {
        AddCommand(*rounding, QString::number(percent) + QStringLiteral(" %"), [this, percent] {
            FShape.SetRoundPerc(percent);
            FShape.Changed();
        });
    }
}

void TGLabelShapesMenu::UpdateMenuChecks()
{
    CheckLineThickness(FThicknessActions, FShape.Pen().Width());
    FTransparentAction->setChecked(FShape.Transparent());
}

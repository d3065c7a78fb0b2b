#include "ui/TGLineShapeMenu.h"

#include "objects/graphics/TGLineShape.h"
#include "ui/TGBasePanel.h"

#include <QAction>
#include <QMenu>

TGLineShapeMenu::TGLineShapeMenu(TGBasePanel &panel, TGLineShape &line) : TGObjectMenu(panel, line), FLine(line) {}

void TGLineShapeMenu::AppendKindEntries()
{
    Menu().addSeparator();
    QMenu *style = Menu().addMenu(QStringLiteral("Style"));
    const std::pair<const char *, TLineStyle> styles[] = {
        {"Horizontal", TLineStyle::stHorizontal},
        {"Vertical", TLineStyle::stVertical},
        {"Angled Sloping Up", TLineStyle::stAngleSlopingUp},
        {"Angled Sloping Down", TLineStyle::stAngleSlopingDown},
    };
    for (const auto &[caption, value] : styles) {
        const TLineStyle lineStyle = value;
        FStyleActions.push_back(AddCheckable(*style, QString::fromLatin1(caption), [this, lineStyle] {
            FLine.Changed();
            FLine.SetLineStyle(lineStyle);
        }));
    }
    AddCommand(Menu(), QStringLiteral("Color"), [this] {
        TColor color = 0;
        if (!ChooseColor(FLine.Pen().Color(), color))
            return;
        FLine.Changed();
        FLine.Pen().SetColor(color);
        Panel().update();
    });
    FThicknessActions = AddLineThickness(FLine.Pen());
    Menu().addSeparator();
    AddCommand(Menu(), QStringLiteral("Stretch To Edges"), [this] {
        FLine.StretchToEdges();
        Panel().update();
    });
}

void TGLineShapeMenu::UpdateMenuChecks()
{
    for (size_t i = 0; i < FStyleActions.size(); ++i)
        FStyleActions[i]->setChecked(int(i) == int(FLine.LineStyle()));
    CheckLineThickness(FThicknessActions, FLine.Pen().Width());
}

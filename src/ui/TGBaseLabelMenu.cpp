#include "ui/TGBaseLabelMenu.h"

#include "objects/text/TGBaseLabel.h"
#include "ui/FontConversion.h"
#include "ui/TGBasePanel.h"
#include "ui/TGFont3DEffects.h"

#include <QAction>
#include <QFontDialog>
#include <QMenu>

TGBaseLabelMenu::TGBaseLabelMenu(TGBasePanel &panel, TGBaseLabel &label) : TGObjectMenu(panel, label), FLabel(label)
{
}

void TGBaseLabelMenu::AppendKindEntries()
{
    Menu().addSeparator();
    AddCommand(Menu(), QStringLiteral("Font"), [this] { ChooseFont(); });
    AddCommand(Menu(), QStringLiteral("3D Effects"), [this] {
        TGFont3DEffects dialog(FLabel, &Panel());
        dialog.exec();
    });
    AppendAlignment();
    FTransparentAction = AddCheckable(Menu(), QStringLiteral("Transparent"),
                                      [this] { FLabel.SetTransparent(!FLabel.Transparent()); });
    AddCommand(Menu(), QStringLiteral("Background Color"), [this] {
        TColor color = 0;
        if (!ChooseColor(FLabel.BackColor(), color))
            return;
        FLabel.SetBackColor(color);
        FLabel.SetTransparent(false);
    });
    FBorderAction = AddCheckable(Menu(), QStringLiteral("Border"), [this] {
        FLabel.SetBorderStyle(FLabel.BorderStyle() == TBorderStyle::bsSingle ? TBorderStyle::bsNone
                                                                              : TBorderStyle::bsSingle);
    });
}

void TGBaseLabelMenu::AppendAlignment()
{
    QMenu *alignment = Menu().addMenu(QStringLiteral("Alignment"));
    const std::pair<const char *, TAlignment> entries[] = {
        {"Left", TAlignment::taLeftJustify},
        {"Center", TAlignment::taCenter},
        {"Right", TAlignment::taRightJustify},
    };
    for (const auto &[caption, value] : entries) {
        const TAlignment chosen = value;
        FAlignmentActions.push_back(AddCheckable(*alignment, QString::fromLatin1(caption), [this, chosen] {
            FLabel.SetAlignment(chosen);
            FLabel.Changed();
        }));
    }
}

void TGBaseLabelMenu::UpdateMenuChecks()
{
    FAlignmentActions[0]->setChecked(FLabel.Alignment() == TAlignment::taLeftJustify);
    FAlignmentActions[1]->setChecked(FLabel.Alignment() == TAlignment::taCenter);
    FAlignmentActions[2]->setChecked(FLabel.Alignment() == TAlignment::taRightJustify);
    FTransparentAction->setChecked(FLabel.Transparent());
    FBorderAction->setChecked(FLabel.BorderStyle() == TBorderStyle::bsSingle);
}

void TGBaseLabelMenu::ChooseFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, FontConversion::ToQFont(FLabel.Font()), &Panel());
    if (ok)
        FontConversion::AssignFromQFont(FLabel.Font(), chosen);
}

#include "ui/TGPLabelMenu.h"

#include "objects/text/TGPLabel.h"
#include "ui/TGBasePanel.h"
#include "ui/TGetLabelText.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

namespace {

constexpr int QuarterTurns[] = {0, 90, 180, 270};

} // namespace

TGPLabelMenu::TGPLabelMenu(TGBasePanel &panel, TGPLabel &label) : TGBaseLabelMenu(panel, label), FLabel(label) {}

void TGPLabelMenu::AppendKindEntries()
{
    TGBaseLabelMenu::AppendKindEntries();
    Menu().addSeparator();
    QAction *text = AddCommand(Menu(), QStringLiteral("Text"), [this] { EditText(); });
    text->setData(TextEntryTag);
    Menu().addSeparator();
    QMenu *rotation = Menu().addMenu(QStringLiteral("Rotation"));
    const char *const captions[] = {"No Rotation", "90 Degrees", "180 Degrees", "270 Degrees"};
    for (int i = 0; i < 4; ++i) {
        const int angle = QuarterTurns[i];
        FRotationActions.push_back(
            AddCheckable(*rotation, QString::fromLatin1(captions[i]), [this, angle] { FLabel.SetAngle(angle); }));
    }
}

void TGPLabelMenu::UpdateMenuChecks()
{
    TGBaseLabelMenu::UpdateMenuChecks();
    for (int i = 0; i < 4; ++i)
        FRotationActions[size_t(i)]->setChecked(FLabel.Angle() == QuarterTurns[i]);
}

void TGPLabelMenu::ChooseFont()
{
    TGBaseLabelMenu::ChooseFont();
    FLabel.FitToText();
}

void TGPLabelMenu::EditText()
{
    TGetLabelText dialog(&Panel());
    dialog.LabelText->setText(FLabel.Caption());
    if (dialog.exec() != QDialog::Accepted)
        return;
    FLabel.SetCaption(dialog.LabelText->text());
    FLabel.FitToText();
}

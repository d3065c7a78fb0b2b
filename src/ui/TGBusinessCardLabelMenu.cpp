#include "ui/TGBusinessCardLabelMenu.h"

#include "objects/text/TGBusinessCardLabel.h"
#include "ui/TGBusinessCardPanel32.h"
#include "ui/TGetBCLabelText.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

TGBusinessCardLabelMenu::TGBusinessCardLabelMenu(TGBasePanel &panel, TGBusinessCardLabel &label)
    : TGPLabelMenu(panel, label)
{
}

const TPersonalInfo *TGBusinessCardLabelMenu::PersonalInfo() const
{
    const auto *card = dynamic_cast<const TGBusinessCardPanel32 *>(&Panel());
    return card ? &card->PersonalInfo : nullptr;
}

void TGBusinessCardLabelMenu::AppendKindEntries()
{
    TGPLabelMenu::AppendKindEntries();
    if (const TPersonalInfo *info = PersonalInfo())
        InsertPersonalInformation(*info);
}

// Every detail is listed, the empty ones too, as its label, a tab and its
// current value; the menu is built as it opens, so it shows the latest
// details. Choosing one takes the text after the first tab, so a value that
// holds tabs itself arrives whole.
void TGBusinessCardLabelMenu::InsertPersonalInformation(const TPersonalInfo &info)
{
    auto *submenu = new QMenu(QStringLiteral("Personal Information"), &Menu());
    for (int i = 0; i < TPersonalInfo::FieldCount; ++i) {
        const QString caption = QString::fromLatin1(TPersonalInfo::MenuLabel(i)) + QLatin1Char('\t')
            + info.Fields[size_t(i)];
        AddCommand(*submenu, caption, [this, caption] {
            PLabel().SetCaption(caption.mid(caption.indexOf(QLatin1Char('\t')) + 1).left(MaxCaptionLength));
            PLabel().FitToText();
            PLabel().Changed();
        });
    }
    QAction *first = Menu().actions().value(0);
    Menu().insertMenu(first, submenu);
    Menu().insertSeparator(first);
}

void TGBusinessCardLabelMenu::EditText()
{
    const TPersonalInfo none;
    const TPersonalInfo *info = PersonalInfo();
    TGetBCLabelText dialog(info ? *info : none, &Panel());
    dialog.LabelText->setText(PLabel().Caption());
    if (dialog.exec() != QDialog::Accepted)
        return;
    PLabel().SetCaption(dialog.LabelText->text());
    PLabel().FitToText();
}

#include "ui/TGetBCLabelText.h"

#include "core/TPersonalInfo.h"
#include "ui/TDialogStrip.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TGetBCLabelText::TGetBCLabelText(const TPersonalInfo &info, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Text"));
    resize(334, 164);
    auto *layout = new QVBoxLayout(this);
    LabelText = new QLineEdit(this);
    LabelText->setObjectName(QStringLiteral("LabelText"));
    PersonalInfoCombo = new QComboBox(this);
    PersonalInfoCombo->setObjectName(QStringLiteral("PersonalInfoCombo"));
    PersonalInfoCombo->setFixedWidth(204);
    // Values only, and only the details the user has filled in.
    for (const QString &value : info.Fields)
        if (!value.isEmpty())
            PersonalInfoCombo->addItem(value);
    PersonalInfoCombo->setCurrentIndex(-1);
    PersonalInfoCombo->setEnabled(PersonalInfoCombo->count() > 0);
    connect(PersonalInfoCombo, QOverload<int>::of(&QComboBox::activated), this,
            [this](int index) { LabelText->setText(PersonalInfoCombo->itemText(index)); });
    TDialogStrip::SetWhatsThis(*LabelText, QStringLiteral("Type the text this object shows on the card."));
    TDialogStrip::SetWhatsThis(*PersonalInfoCombo,
                               QStringLiteral("Pick one of your personal details to use as the text."));
    layout->addWidget(new QLabel(QStringLiteral("Enter Text"), this));
    layout->addWidget(LabelText);
    layout->addWidget(new QLabel(QStringLiteral("or select personal information"), this));
    layout->addWidget(PersonalInfoCombo);
    layout->addStretch();
    layout->addLayout(TDialogStrip::Create(*this, 40004));
    LabelText->setFocus();
}

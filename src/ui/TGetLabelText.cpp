#include "ui/TGetLabelText.h"

#include "ui/TDialogStrip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TGetLabelText::TGetLabelText(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Text"));
    resize(356, 133);
    auto *layout = new QVBoxLayout(this);
    auto *caption = new QLabel(QStringLiteral("Enter Text"), this);
    LabelText = new QLineEdit(this);
    LabelText->setObjectName(QStringLiteral("LabelText"));
    caption->setBuddy(LabelText);
    TDialogStrip::SetWhatsThis(*LabelText, QStringLiteral("Type the text this object shows on the card."));
    layout->addWidget(caption);
    layout->addWidget(LabelText);
    layout->addStretch();
    layout->addLayout(TDialogStrip::Create(*this, 40004));
    LabelText->setFocus();
}

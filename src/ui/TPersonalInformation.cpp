#include "ui/TPersonalInformation.h"

#include "ui/TDialogStrip.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const char *const EditNames[TPersonalInfo::FieldCount] = {
    "pPersonalName",     "pPersonalCompany",  "pPersonalTitle",  "pPersonalAddress1", "pPersonalAddress2",
    "pPersonalAddress3", "pPersonalPhone1",   "pPersonalPhone2", "pPersonalEmail",    "pPersonalFax",
};

} // namespace

TPersonalInformation::TPersonalInformation(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Personal Information"));
    setFixedSize(404, 355);
    auto *layout = new QVBoxLayout(this);
    auto *rows = new QFormLayout;
    rows->setLabelAlignment(Qt::AlignRight);
    for (int i = 0; i < TPersonalInfo::FieldCount; ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(EditNames[i]));
        edit->setFixedWidth(301);
        TDialogStrip::SetWhatsThis(*edit, QStringLiteral("Your %1, offered as a ready-made text for the card.")
                                              .arg(QString::fromLatin1(TPersonalInfo::DialogLabel(i)).toLower()));
        rows->addRow(QString::fromLatin1(TPersonalInfo::DialogLabel(i)), edit);
        Edits[size_t(i)] = edit;
    }
    layout->addLayout(rows);
    layout->addStretch();
    layout->addLayout(TDialogStrip::Create(*this, 2102));
}

void TPersonalInformation::SetInfo(const TPersonalInfo &info)
{
    for (int i = 0; i < TPersonalInfo::FieldCount; ++i)
        Edits[size_t(i)]->setText(info.Fields[size_t(i)]);
}

TPersonalInfo TPersonalInformation::Info() const
{
    TPersonalInfo info;
    for (int i = 0; i < TPersonalInfo::FieldCount; ++i)
        info.Fields[size_t(i)] = Edits[size_t(i)]->text();
    return info;
}

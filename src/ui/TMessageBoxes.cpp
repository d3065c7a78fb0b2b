#include "ui/TMessageBoxes.h"

#include <QMessageBox>
#include <QString>

void TMessageBoxes::ShowInformation(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), text, QMessageBox::Ok, parent);
    box.exec();
}

bool TMessageBoxes::AskYesNo(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

TMessageBoxes::TSaveAnswer TMessageBoxes::AskSaveChanges(QWidget *parent)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Save"), QStringLiteral("Save changes?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return TSaveAnswer::saYes;
    case QMessageBox::No:
        return TSaveAnswer::saNo;
    default:
        return TSaveAnswer::saCancel;
    }
}

void TMessageBoxes::ShowError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
    box.exec();
}

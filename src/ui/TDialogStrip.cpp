#include "ui/TDialogStrip.h"

#include "ui/THelp.h"

#include <QAction>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>

QHBoxLayout *TDialogStrip::Create(QDialog &dialog, int helpTopic)
{
    auto *strip = new QHBoxLayout;
    auto *whatsThis = new QToolButton(&dialog);
    whatsThis->setText(QStringLiteral("?"));
    whatsThis->setToolTip(QStringLiteral("What's this?"));
    QObject::connect(whatsThis, &QToolButton::clicked, [] { QWhatsThis::enterWhatsThisMode(); });
    auto *ok = new QPushButton(QStringLiteral("Ok"), &dialog);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    auto *help = new QPushButton(QStringLiteral("Help"), &dialog);
    help->setObjectName(QStringLiteral("HelpButton"));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    QObject::connect(help, &QPushButton::clicked, &dialog, [&dialog, helpTopic] { THelp::ShowTopic(&dialog, helpTopic); });
    strip->addWidget(whatsThis);
    strip->addStretch();
    strip->addWidget(ok);
    strip->addWidget(cancel);
    strip->addWidget(help);
    return strip;
}

QPushButton *TDialogStrip::OkButton(const QDialog &dialog)
{
    return dialog.findChild<QPushButton *>(QStringLiteral("OkButton"));
}

void TDialogStrip::SetWhatsThis(QWidget &control, const QString &text)
{
    control.setWhatsThis(text);
    auto *entry = new QAction(QStringLiteral("What's this?"), &control);
    QObject::connect(entry, &QAction::triggered, &control,
                     [&control] { QWhatsThis::showText(control.mapToGlobal(QPoint(0, control.height())), control.whatsThis(), &control); });
    control.addAction(entry);
    control.setContextMenuPolicy(Qt::ActionsContextMenu);
}

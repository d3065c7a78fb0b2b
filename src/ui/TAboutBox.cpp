#include "ui/TAboutBox.h"

#include "ui/TAppIcon.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About Quandrel"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *picture = new QLabel(this);
    picture->setPixmap(TAppIcon::Icon().pixmap(64, 64));
    top->addWidget(picture, 0, Qt::AlignTop);
    auto *texts = new QVBoxLayout;
    auto *name = new QLabel(QStringLiteral("Quandrel"), this);
    QFont nameFont = name->font();
    nameFont.setPointSize(nameFont.pointSize() + 6);
    nameFont.setBold(true);
    name->setFont(nameFont);
    texts->addWidget(name);
    texts->addWidget(new QLabel(QStringLiteral("32-bit version"), this));
    texts->addWidget(new QLabel(QStringLiteral("Version ") + QLatin1String(VersionText), this));
    texts->addWidget(new QLabel(QStringLiteral("Business cards designed and printed at your desk."), this));
    top->addLayout(texts);
    layout->addLayout(top);
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

#include "ui/TZoomSpinner.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *MakeArrow(QWidget *parent, Qt::ArrowType arrow, const char *name)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFixedSize(20, 15);
    return button;
}

} // namespace

TZoomSpinner::TZoomSpinner(QWidget *parent)
    : QWidget(parent),
      FUp(MakeArrow(this, Qt::UpArrow, "ZoomUp")),
      FDown(MakeArrow(this, Qt::DownArrow, "ZoomDown"))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FUp);
    layout->addWidget(FDown);
    connect(FUp, &QToolButton::clicked, this, [this] {
        if (OnUpClick)
            OnUpClick();
    });
    connect(FDown, &QToolButton::clicked, this, [this] {
        if (OnDownClick)
            OnDownClick();
    });
}

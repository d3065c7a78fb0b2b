#include "ui/TObjectPreview.h"

#include "core/TGGraphicControl.h"

#include <QPainter>

TObjectPreview::TObjectPreview(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(false);
}

void TObjectPreview::SetObject(TGGraphicControl *object)
{
    FObject = object;
    update();
}

void TObjectPreview::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), Qt::white);
        if (FObject) {
            painter.setClipRect(contentsRect());
            FObject->DrawOnto(painter, contentsRect().left() + FObject->Left(), contentsRect().top() + FObject->Top());
        }
    }
    QFrame::paintEvent(event);
}

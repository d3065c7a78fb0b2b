#include "ui/TPreviewPage.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

TPreviewPage::TPreviewPage(QWidget *parent) : QWidget(parent) {}

void TPreviewPage::SetPage(const QImage &page)
{
    FPage = page;
    setFixedSize(FramedSize(page.size()));
    update();
}

int TPreviewPage::Margin(QSize page)
{
    return int(std::lround(page.width() * MarginPercent / 100.0));
}

QSize TPreviewPage::FramedSize(QSize page)
{
    const int margin = Margin(page);
    return page + QSize(2 * margin + ShadowDepth, 2 * margin + ShadowDepth);
}

void TPreviewPage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int margin = Margin(FPage.size());
    const QRect page(QPoint(margin, margin), FPage.size());
    painter.fillRect(page.translated(ShadowDepth, ShadowDepth), Qt::black);
    painter.drawImage(page.topLeft(), FPage);
}

void TPreviewPage::mousePressEvent(QMouseEvent *event)
{
    if (OnMouseDown)
        OnMouseDown(event->button());
}

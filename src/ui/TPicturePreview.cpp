#include "ui/TPicturePreview.h"

#include "platform/EQuandrelError.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>

TPicturePreview::TPicturePreview(QWidget *parent) : QScrollArea(parent)
{
    FImage = new QLabel;
    FImage->setObjectName(QStringLiteral("PreviewImage"));
    FImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FImage->setAutoFillBackground(true);
    QPalette white = FImage->palette();
    white.setColor(QPalette::Window, Qt::white);
    FImage->setPalette(white);
    setWidget(FImage);
    SetSizing(TSizing::Stretch);
}

void TPicturePreview::SetSizing(TSizing sizing)
{
    FSizing = sizing;
    // Only a preview that sizes itself may outgrow the box and scroll.
    setWidgetResizable(sizing != TSizing::AutoSize);
    Render();
}

void TPicturePreview::LoadFromFile(const QString &fileName)
{
    try {
        FPicture.LoadFromFile(fileName);
    } catch (const EQuandrelError &) {
        Clear();
        throw;
    }
    Render();
}

void TPicturePreview::SetPicture(const TPicture &picture)
{
    FPicture.SetData(picture.Data());
    Render();
}

void TPicturePreview::Clear()
{
    FPicture.Clear();
    Render();
}

void TPicturePreview::resizeEvent(QResizeEvent *event)
{
    QScrollArea::resizeEvent(event);
    if (FSizing == TSizing::Stretch || FSizing == TSizing::Tile)
        Render();
}

void TPicturePreview::Render()
{
    const QSize natural(FPicture.Width(), FPicture.Height());
    if (natural.isEmpty()) {
        FImage->setPixmap(QPixmap());
        if (FSizing == TSizing::AutoSize)
            FImage->resize(0, 0);
        return;
    }
    const bool fillsBox = FSizing == TSizing::Stretch || FSizing == TSizing::Tile;
    const QSize size = fillsBox ? viewport()->size() : natural;
    QPixmap pixmap(size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    if (FSizing == TSizing::Tile) {
        for (int y = 0; y < size.height(); y += natural.height())
            for (int x = 0; x < size.width(); x += natural.width())
                FPicture.Draw(painter, QRectF(QPointF(x, y), natural), false, false);
    } else {
        FPicture.Draw(painter, QRectF(QPointF(0, 0), size), false, false);
    }
    painter.end();
    FImage->setPixmap(pixmap);
    if (FSizing == TSizing::AutoSize)
        FImage->resize(size);
}

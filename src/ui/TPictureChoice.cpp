#include "ui/TPictureChoice.h"

#include "core/TBitmap.h"
#include "core/TPicture.h"
#include "platform/TPictureFile.h"
#include "ui/TMessageBoxes.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

// What an icon looks like drawn at (0, 0) on a fresh white bitmap of its size.
QImage IconOnWhite(const QImage &icon)
{
    QImage bitmap(icon.size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, icon);
    return bitmap;
}

} // namespace

void TPictureChoice::LoadClipArt(TPicture &picture, const QString &fileName)
{
    TPicture loaded;
    loaded.LoadFromFile(fileName);
    if (loaded.IsIcon())
        loaded.SetBitmap(IconOnWhite(loaded.Image()));
    picture.SetData(loaded.Data());
}

void TPictureChoice::LoadTexture(TBitmap &texture, const QString &fileName)
{
    if (TPictureFile::Extension(fileName) == QStringLiteral("ICO")) {
        const TPictureFile icon = TPictureFile::Load(fileName);
        return texture.SetImage(IconOnWhite(icon.Image()));
    }
    texture.LoadFromFile(fileName);
}

void TPictureChoice::ReportFailure(QWidget *parent, const QString &fileName)
{
    const QString extension = TPictureFile::Extension(fileName);
    if (extension == QStringLiteral("BMP") || extension == QStringLiteral("WMF") || extension == QStringLiteral("EMF"))
        TMessageBoxes::ShowError(parent, QStringLiteral("Error loading file!"));
}

void TPictureChoice::ResetScreenCursor()
{
    while (QApplication::overrideCursor() != nullptr)
        QApplication::restoreOverrideCursor();
}

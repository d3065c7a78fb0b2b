#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

// Small picture files written byte by byte, each with the pixels it must
// decode to.
namespace PictureFixtures {

struct TFixture
{
    const char *Name;
    QByteArray Bytes;
    // Top row then bottom row of a 2 x 2 picture.
    QVector<QRgb> Pixels;
};

// 4 x 2: the top row blue, white, white, blue; the bottom row red.
QByteArray Rle8Bmp();
QByteArray Rle4Bmp();
// 2 x 2, 24 bits, bottom-up: the top row red, blue; the bottom row yellow, black.
QByteArray Dib24Header();
QByteArray Dib24Bits();

QVector<TFixture> TgaKinds();
QVector<TFixture> PcxKinds();
// 2 x 2: red, blue over blue, red.
QByteArray Gif();
// Files written by Qt's own writers.
QByteArray Ico(const QImage &image);
QByteArray Jpeg(const QImage &image);

// The pixels of a decoded 2 x 2 picture, top row first.
QVector<QRgb> PixelsOf(const QImage &image);

// Writes the bytes to a file of that name in the folder; gives its path.
QString WriteFile(const QString &folder, const QString &name, const QByteArray &bytes);

} // namespace PictureFixtures

#pragma once

#include <QByteArray>
#include <QImage>

class QImageReader;

// Decoding through Qt's own image readers (BMP, JPEG, GIF, ICO), with the
// picture's size checked against ImageLimits before any pixel is decoded.
class TQtImageDecoder
{
public:
    // format is Qt's name for it ("bmp", "jpeg", "gif", "ico"); a file whose
    // content says otherwise is still read when Qt recognises it. Of a file
    // holding several pictures (an icon's sizes) the largest is taken.
    // Throws EQuandrelError with the reason when the bytes cannot be read.
    static QImage Decode(const QByteArray &bytes, const QByteArray &format);

private:
    static QImage ReadChecked(QImageReader &reader, const QByteArray &format);
};

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>
#include <QRectF>

// BMP files and the device-independent bitmaps (DIBs) inside them and inside
// metafile records. Headers are checked here; the pixels are decoded by Qt's
// BMP reader, which knows every compression the format has (RLE4, RLE8,
// bit fields).
class TBmpFile
{
public:
    // A BMP file, or a DIB without the file header (how some .DIB files are
    // written). Throws EQuandrelError when it cannot be read.
    static QImage Decode(const QByteArray &bytes);
    // A DIB given as its header with colour table, and its pixel rows.
    static QImage DecodeDib(QByteArrayView header, QByteArrayView bits);
    // A DIB whose pixel rows follow its header and colour table directly.
    static QImage DecodePackedDib(QByteArrayView dib);

    // An uncompressed 24-bit BMP file of the picture; transparent parts are
    // laid over white, as a bitmap has no transparency.
    static QByteArray Encode(const QImage &image);

    // A source rectangle given the way drawing records give it: counted from
    // the bottom row of a bottom-up DIB, from the top of a top-down one. The
    // result counts from the top of the decoded image.
    static QRectF SourceRect(QByteArrayView header, int imageHeight, QPointF origin, QSizeF size);

    // True when the file is in the form a design file stores: its size field
    // is its length and its pixels follow the header and colour table.
    static bool IsStoredForm(QByteArrayView bytes);

private:
    // The bytes a DIB's header, colour masks and colour table take, after
    // checking the header; throws when the header is not one Quandrel reads.
    static qsizetype HeaderAndColourTableSize(QByteArrayView header);
};

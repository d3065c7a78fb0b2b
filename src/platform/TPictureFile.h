#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture file read from disk, in the form a design file keeps it: a BMP
// file for bitmaps (every format our readers or Qt's decode becomes one),
// the icon file for icons, the metafile's bytes for metafiles.
class TPictureFile
{
public:
    enum class TKind { pkBitmap, pkIcon, pkMetafile };

    // The kind follows the extension (the text after the last ".", in any
    // case); a file of an unknown extension is read when its content is a
    // bitmap or a metafile. Throws EQuandrelError naming the file and the
    // reason when it cannot be read.
    static TPictureFile Load(const QString &fileName);

    TKind Kind() const { return FKind; }
    // The BMP file, icon file or metafile (EMF, or WMF with its placeable header).
    const QByteArray &Bytes() const { return FBytes; }
    // The decoded picture of a bitmap or icon; null for a metafile.
    const QImage &Image() const { return FImage; }

    // The text after the last "." of the file's name, upper-cased; empty
    // when there is none.
    static QString Extension(const QString &fileName);

private:
    TPictureFile(TKind kind, QByteArray bytes, QImage image);
    static QByteArray ReadWholeFile(const QString &fileName);
    static TPictureFile FromBytes(const QByteArray &bytes, const QString &extension);
    static TPictureFile Bitmap(const QImage &image);
    static TPictureFile BmpFile(const QByteArray &bytes);

    TKind FKind;
    QByteArray FBytes;
    QImage FImage;
};

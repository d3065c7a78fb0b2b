#include "platform/TPictureFile.h"

#include "platform/EQuandrelError.h"
#include "platform/ImageLimits.h"
#include "platform/TBmpFile.h"
#include "platform/TMetafile.h"
#include "platform/TPcxReader.h"
#include "platform/TQtImageDecoder.h"
#include "platform/TTgaReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TPictureFile::TPictureFile(TKind kind, QByteArray bytes, QImage image)
    : FKind(kind), FBytes(std::move(bytes)), FImage(std::move(image))
{
}

QString TPictureFile::Extension(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot + 1).toUpper();
}

TPictureFile TPictureFile::Load(const QString &fileName)
{
    try {
        return FromBytes(ReadWholeFile(fileName), Extension(fileName));
    } catch (const EQuandrelError &error) {
        throw EQuandrelError(QStringLiteral("The picture %1 cannot be loaded. %2")
                                 .arg(QDir::toNativeSeparators(fileName), error.message()));
    }
}

QByteArray TPictureFile::ReadWholeFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EQuandrelError(QStringLiteral("The file cannot be opened: %1.").arg(file.errorString()));
    if (file.size() > ImageLimits::MaxFileBytes)
        throw EQuandrelError(QStringLiteral("The file is larger than the %1 MB Quandrel reads.")
                                 .arg(ImageLimits::MaxFileBytes / (1024 * 1024)));
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty())
        throw EQuandrelError(QStringLiteral("The file is empty."));
    return bytes;
}

TPictureFile TPictureFile::Bitmap(const QImage &image)
{
    return TPictureFile(TKind::pkBitmap, TBmpFile::Encode(image), image);
}

TPictureFile TPictureFile::BmpFile(const QByteArray &bytes)
{
    const QImage image = TBmpFile::Decode(bytes);
    // A BMP file already in the stored form keeps its bytes, compression and all.
    if (TBmpFile::IsStoredForm(bytes))
        return TPictureFile(TKind::pkBitmap, bytes, image);
    return Bitmap(image);
}

TPictureFile TPictureFile::FromBytes(const QByteArray &bytes, const QString &extension)
{
    if (extension == u"BMP" || extension == u"DIB" || extension == u"RLE")
        return BmpFile(bytes);
    if (extension == u"JPG" || extension == u"JPEG" || extension == u"JPE" || extension == u"JIF"
        || extension == u"JFIF")
        return Bitmap(TQtImageDecoder::Decode(bytes, "jpeg"));
    if (extension == u"GIF")
        return Bitmap(TQtImageDecoder::Decode(bytes, "gif"));
    if (extension == u"TGA")
        return Bitmap(TTgaReader::Decode(bytes));
    if (extension == u"PCX")
        return Bitmap(TPcxReader::Decode(bytes));
    if (extension == u"ICO")
        return TPictureFile(TKind::pkIcon, bytes, TQtImageDecoder::Decode(bytes, "ico"));
    if (extension == u"WMF" || extension == u"EMF" || TMetafile::LooksLikeMetafile(bytes))
        return TPictureFile(TKind::pkMetafile, TMetafile(bytes).StoredBytes(), QImage());
    // Any other name is read as it would be with a .BMP name.
    if (bytes.startsWith("BM"))
        return BmpFile(bytes);
    throw EQuandrelError(extension.isEmpty()
                             ? QStringLiteral("The file has no extension that names a picture format.")
                             : QStringLiteral("Files of the type .%1 are not pictures Quandrel reads.").arg(extension));
}

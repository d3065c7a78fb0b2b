#include "platform/TQtImageDecoder.h"

#include "platform/EQuandrelError.h"
#include "platform/ImageLimits.h"

#include <QBuffer>
#include <QImageReader>
#include <memory>

namespace {

QString FormatTitle(const QByteArray &format)
{
    return QString::fromLatin1(format.toUpper());
}

// Picks the largest of the pictures a file holds; most files hold one.
void JumpToLargestImage(QImageReader &reader)
{
    const int count = reader.imageCount();
    if (count <= 1)
        return;
    int best = 0;
    qint64 bestArea = -1;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QSize size = reader.size();
        const qint64 area = qint64(size.width()) * size.height();
        if (size.isValid() && area > bestArea) {
            best = i;
            bestArea = area;
        }
    }
    reader.jumpToImage(best);
}

} // namespace

QImage TQtImageDecoder::Decode(const QByteArray &bytes, const QByteArray &format)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    auto reader = std::make_unique<QImageReader>(&buffer, format);
    if (!reader->canRead()) {
        // The extension may be wrong; let the content decide.
        buffer.seek(0);
        reader = std::make_unique<QImageReader>(&buffer);
        reader->setDecideFormatFromContent(true);
        if (!reader->canRead())
            throw EQuandrelError(
                QStringLiteral("The file is not a %1 picture Quandrel can read.").arg(FormatTitle(format)));
    }
    return ReadChecked(*reader, format);
}

QImage TQtImageDecoder::ReadChecked(QImageReader &reader, const QByteArray &format)
{
    JumpToLargestImage(reader);
    const QSize size = reader.size();
    if (!size.isValid())
        throw EQuandrelError(QStringLiteral("The %1 picture has no valid size.").arg(FormatTitle(format)));
    ImageLimits::Check(size.width(), size.height());
    QImage image = reader.read();
    if (image.isNull())
        throw EQuandrelError(QStringLiteral("The %1 picture cannot be decoded: %2.")
                                 .arg(FormatTitle(format), reader.errorString()));
    ImageLimits::Check(image.width(), image.height());
    return image;
}

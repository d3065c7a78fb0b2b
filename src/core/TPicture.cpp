#include "core/TPicture.h"

#include "core/GraphicData.h"
#include "platform/EQuandrelError.h"
#include "platform/TBmpFile.h"
#include "platform/TMetafile.h"
#include "platform/TPictureFile.h"
#include "platform/TQtImageDecoder.h"

#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>

namespace {

const QByteArray BitmapClass = QByteArrayLiteral("TBitmap");
const QByteArray IconClass = QByteArrayLiteral("TIcon");
const QByteArray MetafileClass = QByteArrayLiteral("TMetafile");

QByteArray WithClassName(const QByteArray &className, const QByteArray &graphicBytes)
{
    return char(className.size()) + className + graphicBytes;
}

} // namespace

struct TPicture::TDecoded
{
    QImage Image;
    std::optional<TMetafile> Metafile;
};

QByteArray TPicture::GraphicClassName() const
{
    const QByteArray data = Data();
    if (data.isEmpty())
        return {};
    const int length = quint8(data.at(0));
    if (length + 1 > data.size())
        return {};
    return data.mid(1, length);
}

bool TPicture::IsBitmap() const
{
    return GraphicClassName() == BitmapClass;
}

bool TPicture::IsIcon() const
{
    return GraphicClassName() == IconClass;
}

bool TPicture::IsMetafile() const
{
    return GraphicClassName() == MetafileClass;
}

QByteArray TPicture::GraphicBytes() const
{
    return Data().mid(1 + GraphicClassName().size());
}

void TPicture::PropertyChanged()
{
    FDecoded.reset();
    TStoredData::PropertyChanged();
}

const TPicture::TDecoded &TPicture::Decoded() const
{
    if (FDecoded)
        return *FDecoded;
    auto decoded = std::make_shared<TDecoded>();
    try {
        const QByteArray className = GraphicClassName();
        if (className == BitmapClass) {
            const QByteArray bmpFile = GraphicData::Uncounted(GraphicBytes());
            if (!bmpFile.isEmpty())
                decoded->Image = TBmpFile::Decode(bmpFile);
        } else if (className == IconClass) {
            decoded->Image = TQtImageDecoder::Decode(GraphicBytes(), "ico");
        } else if (className == MetafileClass) {
            decoded->Metafile.emplace(GraphicData::Uncounted(GraphicBytes()));
        }
    } catch (const EQuandrelError &) {
        // Damaged data: the picture stays as read and draws as nothing.
        *decoded = TDecoded();
    }
    FDecoded = decoded;
    return *FDecoded;
}

int TPicture::Width() const
{
    const TDecoded &decoded = Decoded();
    return decoded.Metafile ? decoded.Metafile->NaturalSize().width() : decoded.Image.width();
}

int TPicture::Height() const
{
    const TDecoded &decoded = Decoded();
    return decoded.Metafile ? decoded.Metafile->NaturalSize().height() : decoded.Image.height();
}

QImage TPicture::Image() const
{
    return Decoded().Image;
}

void TPicture::LoadFromFile(const QString &fileName)
{
    const TPictureFile file = TPictureFile::Load(fileName);
    switch (file.Kind()) {
    case TPictureFile::TKind::pkBitmap:
        SetData(WithClassName(BitmapClass, GraphicData::Counted(file.Bytes())));
        break;
    case TPictureFile::TKind::pkIcon: SetData(WithClassName(IconClass, file.Bytes())); break;
    case TPictureFile::TKind::pkMetafile:
        SetData(WithClassName(MetafileClass, GraphicData::Counted(file.Bytes())));
        break;
    }
}

void TPicture::SetBitmap(const QImage &image)
{
    if (image.isNull())
        Clear();
    else
        SetData(WithClassName(BitmapClass, GraphicData::Counted(TBmpFile::Encode(image))));
}

void TPicture::Draw(QPainter &painter, const QRectF &target, bool mirrorX, bool mirrorY) const
{
    const TDecoded &decoded = Decoded();
    if (decoded.Metafile) {
        decoded.Metafile->Draw(painter, target);
        return;
    }
    if (decoded.Image.isNull())
        return;
    painter.save();
    if (IsBitmap() && (mirrorX || mirrorY)) {
        painter.translate(target.center());
        painter.scale(mirrorX ? -1 : 1, mirrorY ? -1 : 1);
        painter.translate(-target.center());
    }
    painter.drawImage(target, decoded.Image);
    painter.restore();
}

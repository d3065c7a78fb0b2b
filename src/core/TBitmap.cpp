#include "core/TBitmap.h"

#include "core/GraphicData.h"
#include "platform/EQuandrelError.h"
#include "platform/TBmpFile.h"
#include "platform/TPictureFile.h"

#include <QDir>
#include <QString>

QImage TBitmap::Image() const
{
    if (!FDecoded) {
        QImage image;
        try {
            const QByteArray bmpFile = GraphicData::Uncounted(Data());
            if (!bmpFile.isEmpty())
                image = TBmpFile::Decode(bmpFile);
        } catch (const EQuandrelError &) {
            // Damaged data: kept as read, no image.
        }
        FDecoded = std::make_shared<const QImage>(image);
    }
    return *FDecoded;
}

void TBitmap::LoadFromFile(const QString &fileName)
{
    const TPictureFile file = TPictureFile::Load(fileName);
    switch (file.Kind()) {
    case TPictureFile::TKind::pkBitmap: SetData(GraphicData::Counted(file.Bytes())); break;
    case TPictureFile::TKind::pkIcon: SetImage(file.Image()); break;
    case TPictureFile::TKind::pkMetafile:
        throw EQuandrelError(QStringLiteral("The picture %1 cannot be used here: it is a metafile, not a bitmap.")
                                 .arg(QDir::toNativeSeparators(fileName)));
    }
}

void TBitmap::SetImage(const QImage &image)
{
    SetData(image.isNull() ? QByteArray() : GraphicData::Counted(TBmpFile::Encode(image)));
}

void TBitmap::PropertyChanged()
{
    FDecoded.reset();
    TStoredData::PropertyChanged();
}

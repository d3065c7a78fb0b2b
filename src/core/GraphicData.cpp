#include "core/GraphicData.h"

#include "platform/EQuandrelError.h"
#include "platform/TByteReader.h"

#include <QtEndian>

QByteArray GraphicData::Counted(const QByteArray &bytes)
{
    char count[4];
    qToLittleEndian(qint32(bytes.size()), count);
    return QByteArray(count, 4) + bytes;
}

QByteArray GraphicData::Uncounted(const QByteArray &data)
{
    TByteReader reader(data, QStringLiteral("The picture data"));
    const qint32 count = reader.I32();
    return reader.Bytes(count).toByteArray();
}

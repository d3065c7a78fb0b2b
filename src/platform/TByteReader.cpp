#include "platform/TByteReader.h"

#include "platform/EQuandrelError.h"

#include <QtEndian>
#include <cstring>

TByteReader::TByteReader(QByteArrayView data, QString sourceName)
    : FData(data), FSourceName(std::move(sourceName))
{
}

void TByteReader::ThrowCutShort() const
{
    throw EQuandrelError(QStringLiteral("%1 is cut short.").arg(FSourceName));
}

void TByteReader::Require(qsizetype count) const
{
    if (count < 0 || count > Remaining())
        ThrowCutShort();
}

void TByteReader::Seek(qsizetype position)
{
    if (position < 0 || position > FData.size())
        ThrowCutShort();
    FPosition = position;
}

void TByteReader::Skip(qsizetype count)
{
    Require(count);
    FPosition += count;
}

QByteArrayView TByteReader::Bytes(qsizetype count)
{
    Require(count);
    const QByteArrayView result = FData.sliced(FPosition, count);
    FPosition += count;
    return result;
}

quint8 TByteReader::U8()
{
    return quint8(Bytes(1).front());
}

quint16 TByteReader::U16()
{
    return qFromLittleEndian<quint16>(Bytes(2).data());
}

qint16 TByteReader::I16()
{
    return qFromLittleEndian<qint16>(Bytes(2).data());
}

QPointF TByteReader::ShortPoint()
{
    const qint16 x = I16();
    const qint16 y = I16();
    return QPointF(x, y);
}

quint32 TByteReader::U32()
{
    return qFromLittleEndian<quint32>(Bytes(4).data());
}

qint32 TByteReader::I32()
{
    return qFromLittleEndian<qint32>(Bytes(4).data());
}

float TByteReader::F32()
{
    const quint32 bits = U32();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

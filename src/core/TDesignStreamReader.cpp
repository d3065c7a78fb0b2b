#include "core/TDesignStreamReader.h"

#include "core/EDesignStreamError.h"
#include "core/Enumerations.h"
#include "core/TPersistent.h"
#include "platform/ExtendedFloat.h"
#include "platform/TColor.h"
#include "platform/TCursor.h"
#include "platform/Windows1252.h"

#include <QtEndian>

namespace {

bool IsIntegerTag(quint8 tag)
{
    return tag == tagInt8 || tag == tagInt16 || tag == tagInt32;
}

bool IsStringTag(quint8 tag)
{
    return tag == tagString || tag == tagLongString || tag == tagWideString || tag == tagUtf8String;
}

QString Quoted(const QByteArray &text)
{
    return QLatin1Char('"') + Windows1252::decode(text) + QLatin1Char('"');
}

} // namespace

void TDesignStreamReader::Fail(const QString &reason, qint64 offset) const
{
    throw EDesignStreamError(reason, offset);
}

void TDesignStreamReader::FailWrongKind(const QByteArray &path, quint8 tag, qint64 offset) const
{
    Fail(QStringLiteral("wrong value kind (tag %1) for property %2").arg(tag).arg(Quoted(path)), offset);
}

QByteArrayView TDesignStreamReader::Take(qint64 count, const char *what)
{
    if (count < 0 || count > FData.size() - FPosition)
        Fail(QStringLiteral("truncated data: %1 needs %2 bytes, %3 left")
                 .arg(QLatin1String(what))
                 .arg(count)
                 .arg(FData.size() - FPosition),
             FPosition);
    const QByteArrayView bytes = FData.sliced(FPosition, count);
    FPosition += count;
    return bytes;
}

quint8 TDesignStreamReader::PeekByte() const
{
    if (AtEnd())
        Fail(QStringLiteral("truncated data: unexpected end of the design"), FPosition);
    return quint8(FData[FPosition]);
}

quint8 TDesignStreamReader::ReadByte()
{
    const quint8 value = PeekByte();
    ++FPosition;
    return value;
}

qint32 TDesignStreamReader::ReadInt32()
{
    return qFromLittleEndian<qint32>(Take(4, "a 32-bit value").data());
}

qint32 TDesignStreamReader::ReadLength(const char *what)
{
    const qint64 offset = FPosition;
    const qint32 length = ReadInt32();
    if (length < 0)
        Fail(QStringLiteral("negative length %1 of %2").arg(length).arg(QLatin1String(what)), offset);
    return length;
}

QByteArray TDesignStreamReader::ReadShortString()
{
    const quint8 length = ReadByte();
    return Take(length, "a short string").toByteArray();
}

void TDesignStreamReader::ExpectTag(TValueTag tag, const char *what)
{
    const qint64 offset = FPosition;
    const quint8 found = ReadByte();
    if (found != tag)
        Fail(QStringLiteral("invalid design: expected %1, found byte %2").arg(QLatin1String(what)).arg(found), offset);
}

TDesignStreamReader::TRecordHead TDesignStreamReader::ReadRecordHead()
{
    const qint64 signatureOffset = FPosition;
    if (Take(4, "the record signature") != QByteArrayView("TPF0"))
        Fail(QStringLiteral("invalid signature: not a design object record"), signatureOffset);
    // A prefix byte (upper four bits set) may stand before the class name; when
    // it marks a child position, an integer follows that designs do not use.
    const quint8 first = PeekByte();
    if ((first & 0xF0) == 0xF0) {
        ++FPosition;
        if (first & 0x02) {
            const qint64 offset = FPosition;
            const quint8 tag = ReadByte();
            if (!IsIntegerTag(tag))
                Fail(QStringLiteral("invalid child position in the record prefix"), offset);
            ReadIntegerPayload(tag);
        }
    }
    TRecordHead head;
    head.ClassNameOffset = FPosition;
    head.ClassName = ReadShortString();
    head.StoredName = ReadShortString();
    return head;
}

void TDesignStreamReader::ReadProperties(TPersistent &host)
{
    while (PeekByte() != tagEnd)
        ReadProperty(host);
    ++FPosition;
    const qint64 offset = FPosition;
    if (ReadByte() != tagEnd)
        Fail(QStringLiteral("invalid design: a design object cannot hold other objects"), offset);
}

void TDesignStreamReader::ReadProperty(TPersistent &host)
{
    const qint64 pathOffset = FPosition;
    const QByteArray path = ReadShortString();
    TPersistent *current = &host;
    const TPropertyInfo *property = nullptr;
    qsizetype start = 0;
    while (true) {
        const qsizetype dot = path.indexOf('.', start);
        const QByteArrayView segment = QByteArrayView(path).sliced(start, (dot < 0 ? path.size() : dot) - start);
        property = current->properties().Find(segment);
        if (!property)
            Fail(QStringLiteral("unknown property %1").arg(Quoted(path)), pathOffset);
        if (dot < 0)
            break;
        if (property->Type != TPropertyType::Nested)
            Fail(QStringLiteral("unknown property %1").arg(Quoted(path)), pathOffset);
        current = &property->Nested(*current);
        start = dot + 1;
    }
    property->Set(*current, ReadValue(*property, path));
}

qint64 TDesignStreamReader::ReadIntegerPayload(quint8 tag)
{
    switch (tag) {
    case tagInt8:
        return qint8(Take(1, "an 8-bit integer")[0]);
    case tagInt16:
        return qFromLittleEndian<qint16>(Take(2, "a 16-bit integer").data());
    default:
        return ReadInt32();
    }
}

QString TDesignStreamReader::ReadStringPayload(quint8 tag)
{
    switch (tag) {
    case tagString:
        return Windows1252::decode(Take(ReadByte(), "a string"));
    case tagLongString:
        return Windows1252::decode(Take(ReadLength("a long string"), "a long string"));
    case tagUtf8String:
        return QString::fromUtf8(Take(ReadLength("a UTF-8 string"), "a UTF-8 string"));
    default: {
        const qint64 units = ReadLength("a UTF-16 string");
        const QByteArrayView bytes = Take(units * 2, "a UTF-16 string");
        QString text(qsizetype(units), Qt::Uninitialized);
        for (qint64 i = 0; i < units; ++i)
            text[i] = QChar(qFromLittleEndian<quint16>(bytes.data() + 2 * i));
        return text;
    }
    }
}

TPropertyValue TDesignStreamReader::ReadValue(const TPropertyInfo &property, const QByteArray &path)
{
    const qint64 tagOffset = FPosition;
    const quint8 tag = ReadByte();
    switch (property.Type) {
    case TPropertyType::Float:
        if (tag == tagExtended)
            return ExtendedFloat::toDouble(reinterpret_cast<const quint8 *>(Take(10, "an extended float").data()));
        if (IsIntegerTag(tag))
            return double(ReadIntegerPayload(tag));
        break;
    case TPropertyType::String:
        if (IsStringTag(tag))
            return ReadStringPayload(tag);
        break;
    case TPropertyType::Reference:
        if (tag == tagNil)
            return QString();
        if (tag == tagIdent)
            return Windows1252::decode(ReadShortString());
        break;
    case TPropertyType::Lines:
        if (tag == tagList)
            return ReadLines(path);
        break;
    case TPropertyType::Binary:
        if (tag == tagBinary)
            return Take(ReadLength("binary data"), "binary data").toByteArray();
        break;
    case TPropertyType::Nested:
        break;
    default:
        return ReadOrdinal(property, tag, tagOffset, path);
    }
    FailWrongKind(path, tag, tagOffset);
}

qint64 TDesignStreamReader::ReadOrdinal(const TPropertyInfo &property, quint8 tag, qint64 tagOffset,
                                        const QByteArray &path)
{
    qint64 value = 0;
    const auto identOr = [&](auto lookup) {
        const qint64 identOffset = FPosition;
        const QByteArray ident = ReadShortString();
        const auto found = lookup(ident);
        if (!found)
            Fail(QStringLiteral("unknown value %1 for property %2").arg(Quoted(ident), Quoted(path)), identOffset);
        return qint64(*found);
    };
    const auto enumIndex = [&](QByteArrayView ident) -> std::optional<qint64> {
        const int index = property.Enum->IndexOf(ident);
        return index < 0 ? std::nullopt : std::optional<qint64>(index);
    };
    const auto booleanIndex = [](QByteArrayView ident) -> std::optional<qint64> {
        if (ident.compare("False", Qt::CaseInsensitive) == 0)
            return 0;
        if (ident.compare("True", Qt::CaseInsensitive) == 0)
            return 1;
        return std::nullopt;
    };

    switch (property.Type) {
    case TPropertyType::Integer:
        if (!IsIntegerTag(tag))
            FailWrongKind(path, tag, tagOffset);
        value = ReadIntegerPayload(tag);
        break;
    case TPropertyType::Color:
        if (IsIntegerTag(tag))
            value = ReadIntegerPayload(tag);
        else if (tag == tagIdent)
            value = identOr([](QByteArrayView ident) { return identToColor(ident); });
        else
            FailWrongKind(path, tag, tagOffset);
        break;
    case TPropertyType::Cursor:
        if (IsIntegerTag(tag))
            value = ReadIntegerPayload(tag);
        else if (tag == tagIdent)
            value = identOr([](QByteArrayView ident) { return identToCursor(ident); });
        else
            FailWrongKind(path, tag, tagOffset);
        break;
    case TPropertyType::Boolean:
        if (tag == tagFalse || tag == tagTrue)
            value = tag == tagTrue;
        else if (tag == tagIdent)
            value = identOr(booleanIndex);
        else
            FailWrongKind(path, tag, tagOffset);
        break;
    case TPropertyType::Enumeration:
        if (tag != tagIdent)
            FailWrongKind(path, tag, tagOffset);
        value = identOr(enumIndex);
        break;
    case TPropertyType::Set:
        if (tag != tagSet)
            FailWrongKind(path, tag, tagOffset);
        value = ReadSetMask(property, path);
        break;
    default:
        FailWrongKind(path, tag, tagOffset);
    }
    if (value < property.Min || value > property.Max)
        Fail(QStringLiteral("value %1 is out of range for property %2").arg(value).arg(Quoted(path)), tagOffset + 1);
    return value;
}

qint64 TDesignStreamReader::ReadSetMask(const TPropertyInfo &property, const QByteArray &path)
{
    qint64 mask = 0;
    while (true) {
        const qint64 offset = FPosition;
        const QByteArray member = ReadShortString();
        if (member.isEmpty())
            return mask;
        const int index = property.Enum->IndexOf(member);
        if (index < 0)
            Fail(QStringLiteral("unknown set member %1 for property %2").arg(Quoted(member), Quoted(path)), offset);
        mask |= qint64(1) << index;
    }
}

QStringList TDesignStreamReader::ReadLines(const QByteArray &path)
{
    QStringList lines;
    while (true) {
        const qint64 offset = FPosition;
        const quint8 tag = ReadByte();
        if (tag == tagEnd)
            return lines;
        if (!IsStringTag(tag))
            FailWrongKind(path, tag, offset);
        lines.append(ReadStringPayload(tag));
    }
}

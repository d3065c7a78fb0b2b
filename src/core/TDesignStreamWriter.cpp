#include "core/TDesignStreamWriter.h"

#include "core/Enumerations.h"
#include "core/PropertyTable.h"
#include "core/TGGraphicControl.h"
#include "core/TPersistent.h"
#include "platform/EQuandrelError.h"
#include "platform/ExtendedFloat.h"
#include "platform/TColor.h"
#include "platform/TCursor.h"
#include "platform/Windows1252.h"

#include <QtEndian>

void TDesignStreamWriter::WriteShortString(QByteArrayView bytes)
{
    if (bytes.size() > 255)
        throw EQuandrelError(QStringLiteral("The name \"%1\" is longer than 255 characters and cannot be saved.")
                                 .arg(Windows1252::decode(bytes)));
    WriteByte(quint8(bytes.size()));
    FOut.append(bytes.data(), bytes.size());
}

void TDesignStreamWriter::WriteInt32(qint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    FOut.append(bytes, 4);
}

void TDesignStreamWriter::WriteInteger(qint32 value)
{
    if (value >= -128 && value <= 127) {
        WriteTag(tagInt8);
        WriteByte(quint8(qint8(value)));
    } else if (value >= -32768 && value <= 32767) {
        char bytes[2];
        qToLittleEndian(qint16(value), bytes);
        WriteTag(tagInt16);
        FOut.append(bytes, 2);
    } else {
        WriteTag(tagInt32);
        WriteInt32(value);
    }
}

void TDesignStreamWriter::WriteExtended(double value)
{
    const auto bytes = ExtendedFloat::fromDouble(value);
    WriteTag(tagExtended);
    FOut.append(reinterpret_cast<const char *>(bytes.data()), int(bytes.size()));
}

void TDesignStreamWriter::WriteString(const QString &text)
{
    if (!Windows1252::canEncode(text)) {
        const QByteArray utf8 = text.toUtf8();
        WriteTag(tagUtf8String);
        WriteInt32(qint32(utf8.size()));
        FOut.append(utf8);
        return;
    }
    const QByteArray bytes = Windows1252::encode(text);
    if (bytes.size() <= 255) {
        WriteTag(tagString);
        WriteShortString(bytes);
    } else {
        WriteTag(tagLongString);
        WriteInt32(qint32(bytes.size()));
        FOut.append(bytes);
    }
}

void TDesignStreamWriter::WriteIdent(QByteArrayView ident)
{
    if (ident.compare("False", Qt::CaseInsensitive) == 0)
        WriteTag(tagFalse);
    else if (ident.compare("True", Qt::CaseInsensitive) == 0)
        WriteTag(tagTrue);
    else if (ident.compare("nil", Qt::CaseInsensitive) == 0)
        WriteTag(tagNil);
    else {
        WriteTag(tagIdent);
        WriteShortString(ident);
    }
}

void TDesignStreamWriter::WriteBinary(QByteArrayView bytes)
{
    WriteTag(tagBinary);
    WriteInt32(qint32(bytes.size()));
    FOut.append(bytes.data(), bytes.size());
}

void TDesignStreamWriter::WriteObject(const TGGraphicControl &object)
{
    FOut.append("TPF0", 4);
    WriteShortString(object.ClassName());
    WriteShortString(Windows1252::encode(object.Name()));
    WriteProperties(object, QByteArray());
    WriteByte(tagEnd); // end of properties
    WriteByte(tagEnd); // end of the (always empty) children list
}

void TDesignStreamWriter::WriteProperties(const TPersistent &host, const QByteArray &prefix)
{
    for (const TPropertyInfo &property : host.properties().Entries()) {
        if (property.Type == TPropertyType::Nested) {
            WriteProperties(property.NestedConst(host), prefix + property.Name + '.');
            continue;
        }
        if (!property.Stored)
            continue;
        const TPropertyValue value = property.Get(host);
        if (!property.ShouldWrite(value))
            continue;
        WriteShortString(prefix + property.Name);
        WriteValue(property, value);
    }
}

namespace {

QByteArray SetMemberNames(const TEnumInfo &info, qint64 mask)
{
    QByteArray names;
    for (int i = 0; i < info.Count(); ++i)
        if (mask & (qint64(1) << i))
            names.append(char(info.Names[size_t(i)].size())).append(info.Names[size_t(i)]);
    return names;
}

} // namespace

void TDesignStreamWriter::WriteValue(const TPropertyInfo &property, const TPropertyValue &value)
{
    switch (property.Type) {
    case TPropertyType::Integer:
        WriteInteger(qint32(std::get<qint64>(value)));
        break;
    case TPropertyType::Color:
        if (const char *name = colorToIdent(TColor(std::get<qint64>(value))))
            WriteIdent(name);
        else
            WriteInteger(qint32(std::get<qint64>(value)));
        break;
    case TPropertyType::Cursor:
        if (const char *name = cursorToIdent(TCursor(std::get<qint64>(value))))
            WriteIdent(name);
        else
            WriteInteger(qint32(std::get<qint64>(value)));
        break;
    case TPropertyType::Boolean:
        WriteTag(std::get<qint64>(value) ? tagTrue : tagFalse);
        break;
    case TPropertyType::Enumeration:
        WriteIdent(property.Enum->NameOf(std::get<qint64>(value)));
        break;
    case TPropertyType::Set:
        WriteTag(tagSet);
        FOut.append(SetMemberNames(*property.Enum, std::get<qint64>(value)));
        WriteByte(0);
        break;
    case TPropertyType::Float:
        WriteExtended(std::get<double>(value));
        break;
    case TPropertyType::String:
        WriteString(std::get<QString>(value));
        break;
    case TPropertyType::Reference:
        WriteIdent(Windows1252::encode(std::get<QString>(value)));
        break;
    case TPropertyType::Lines:
        WriteTag(tagList);
        for (const QString &line : std::get<QStringList>(value))
            WriteString(line);
        WriteTag(tagEnd);
        break;
    case TPropertyType::Binary:
        WriteBinary(std::get<QByteArray>(value));
        break;
    case TPropertyType::Nested:
        break;
    }
}

#pragma once

#include "core/PropertyTable.h"
#include "core/TValueTag.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class TPersistent;
class TGGraphicControl;
struct TPropertyInfo;

// Writes the binary design stream: values with their tags, and whole object
// records from the objects' declared properties.
class TDesignStreamWriter
{
public:
    explicit TDesignStreamWriter(QByteArray &out) : FOut(out) {}

    void WriteTag(TValueTag tag) { WriteByte(tag); }
    void WriteByte(quint8 value) { FOut.append(char(value)); }
    // One length byte, then the bytes; an identifier longer than 255 bytes cannot be stored.
    void WriteShortString(QByteArrayView bytes);
    // The smallest integer tag that holds the value.
    void WriteInteger(qint32 value);
    void WriteExtended(double value);
    // Windows-1252 when it holds the text (short or long by length), else UTF-8.
    void WriteString(const QString &text);
    // False, True and nil have tags of their own.
    void WriteIdent(QByteArrayView ident);
    void WriteBinary(QByteArrayView bytes);

    // One object record: signature, class, name, properties, no children.
    void WriteObject(const TGGraphicControl &object);

private:
    void WriteInt32(qint32 value);
    void WriteProperties(const TPersistent &host, const QByteArray &prefix);
    void WriteValue(const TPropertyInfo &property, const TPropertyValue &value);

    QByteArray &FOut;
};

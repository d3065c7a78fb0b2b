#pragma once

#include "core/PropertyTable.h"
#include "core/TValueTag.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class TPersistent;

// Reads the binary design stream. Every count and length is checked against
// what is left of the input, so any byte sequence ends in a clean
// EDesignStreamError that names the offset, never in a crash or a runaway
// allocation.
class TDesignStreamReader
{
public:
    explicit TDesignStreamReader(QByteArrayView data) : FData(data) {}

    qint64 Position() const { return FPosition; }
    bool AtEnd() const { return FPosition >= FData.size(); }

    quint8 PeekByte() const;
    quint8 ReadByte();
    QByteArray ReadShortString();
    // Expects the given tag (list start or end of a list).
    void ExpectTag(TValueTag tag, const char *what);

    // The head of an object record: signature, optional prefix, class and name.
    struct TRecordHead
    {
        QByteArray ClassName;
        QByteArray StoredName;
        qint64 ClassNameOffset = 0;
    };
    TRecordHead ReadRecordHead();
    // Property entries up to and including the end of the record's (empty) children list.
    void ReadProperties(TPersistent &host);

    [[noreturn]] void Fail(const QString &reason, qint64 offset) const;

private:
    QByteArrayView Take(qint64 count, const char *what);
    qint32 ReadInt32();
    qint32 ReadLength(const char *what);
    qint64 ReadIntegerPayload(quint8 tag);
    QString ReadStringPayload(quint8 tag);
    void ReadProperty(TPersistent &host);
    TPropertyValue ReadValue(const TPropertyInfo &property, const QByteArray &path);
    qint64 ReadOrdinal(const TPropertyInfo &property, quint8 tag, qint64 tagOffset, const QByteArray &path);
    qint64 ReadSetMask(const TPropertyInfo &property, const QByteArray &path);
    QStringList ReadLines(const QByteArray &path);
    [[noreturn]] void FailWrongKind(const QByteArray &path, quint8 tag, qint64 offset) const;

    QByteArrayView FData;
    qint64 FPosition = 0;
};

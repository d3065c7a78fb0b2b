#pragma once

#include <QByteArrayView>
#include <QPointF>
#include <QString>

// Little-endian reading of untrusted bytes. Every read is checked against
// what is left; reading past the end throws EQuandrelError saying that the
// named source is cut short, so a decoder never touches memory it was not
// given.
class TByteReader
{
public:
    // sourceName completes "... is cut short." in the error message, for
    // example "The TGA file".
    TByteReader(QByteArrayView data, QString sourceName);

    qsizetype Position() const { return FPosition; }
    qsizetype Remaining() const { return FData.size() - FPosition; }
    qsizetype Size() const { return FData.size(); }
    bool AtEnd() const { return FPosition >= FData.size(); }

    void Seek(qsizetype position);
    void Skip(qsizetype count);
    // Throws unless count bytes are left.
    void Require(qsizetype count) const;

    quint8 U8();
    quint16 U16();
    qint16 I16();
    // A point of two 16-bit coordinates, x first.
    QPointF ShortPoint();
    quint32 U32();
    qint32 I32();
    float F32();
    QByteArrayView Bytes(qsizetype count);

private:
    [[noreturn]] void ThrowCutShort() const;

    QByteArrayView FData;
    QString FSourceName;
    qsizetype FPosition = 0;
};

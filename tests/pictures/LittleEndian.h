#pragma once

#include <QByteArray>
#include <QtEndian>
#include <cstring>

// Little-endian pieces for writing file fixtures byte by byte.
namespace LittleEndian {

template <class T>
QByteArray Bytes(T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    return QByteArray(bytes, sizeof(T));
}

inline QByteArray U8(quint8 value) { return QByteArray(1, char(value)); }
inline QByteArray U16(quint16 value) { return Bytes(value); }
inline QByteArray I16(qint16 value) { return Bytes(value); }
inline QByteArray U32(quint32 value) { return Bytes(value); }
inline QByteArray I32(qint32 value) { return Bytes(value); }
inline QByteArray F32(float value)
{
    quint32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return Bytes(bits);
}

} // namespace LittleEndian

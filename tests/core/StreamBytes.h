#pragma once

#include <QByteArray>

// Small builders for hand-made design streams in tests.
namespace StreamBytes {

inline QByteArray Short(const QByteArray &text)
{
    return char(text.size()) + text;
}

inline QByteArray Int8(qint8 value)
{
    return QByteArray("\x02", 1) + char(value);
}

inline QByteArray Ident(const QByteArray &text)
{
    return QByteArray("\x07", 1) + Short(text);
}

// A record with the four always-written bounds and the two flags.
inline QByteArray RecordHead(const QByteArray &className, const QByteArray &name)
{
    return "TPF0" + Short(className) + Short(name);
}

inline QByteArray Bounds(qint8 left, qint8 top, qint8 width, qint8 height)
{
    return Short("Left") + Int8(left) + Short("Top") + Int8(top) + Short("Width") + Int8(width) + Short("Height")
        + Int8(height) + Short("Locked") + QByteArray("\x08", 1) + Short("Unselectable") + QByteArray("\x08", 1);
}

inline QByteArray EndRecord()
{
    return QByteArray(2, '\0');
}

inline QByteArray Design(const QByteArray &records)
{
    return QByteArray("\x01", 1) + records + QByteArray(1, '\0');
}

} // namespace StreamBytes

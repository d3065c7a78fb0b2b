#pragma once

#include "pictures/LittleEndian.h"

#include <QByteArray>
#include <QRect>
#include <QSize>

// Writes an enhanced metafile record by record. The reference device is
// 96 pixels per inch (960 pixels on 254 mm) unless told otherwise.
class EmfWriter
{
public:
    // frame in hundredths of a millimetre.
    explicit EmfWriter(const QRect &frame, QSize devicePixels = QSize(960, 960), QSize deviceMillimetres = QSize(254, 254))
        : FFrame(frame), FDevicePixels(devicePixels), FDeviceMillimetres(deviceMillimetres)
    {
    }

    EmfWriter &Record(quint32 type, QByteArray parameters = {})
    {
        while (parameters.size() % 4)
            parameters += '\0';
        FRecords += LittleEndian::U32(type) + LittleEndian::U32(quint32(8 + parameters.size())) + parameters;
        ++FCount;
        return *this;
    }

    // A record whose size says more than the file holds.
    EmfWriter &Oversized(quint32 type)
    {
        FRecords += LittleEndian::U32(type) + LittleEndian::U32(0x100000);
        ++FCount;
        return *this;
    }

    QByteArray Bytes() const
    {
        const QByteArray end = LittleEndian::U32(14) + LittleEndian::U32(20) + LittleEndian::U32(0)
            + LittleEndian::U32(16) + LittleEndian::U32(20);
        const quint32 total = quint32(88 + FRecords.size() + end.size());
        const QByteArray header = LittleEndian::U32(1) + LittleEndian::U32(88) + Rect(QRect(0, 0, 96, 96))
            + Rect(FFrame) + LittleEndian::U32(0x464D4520) + LittleEndian::U32(0x10000) + LittleEndian::U32(total)
            + LittleEndian::U32(FCount + 2) + LittleEndian::U16(16) + LittleEndian::U16(0) + LittleEndian::U32(0)
            + LittleEndian::U32(0) + LittleEndian::U32(0) + LittleEndian::I32(FDevicePixels.width())
            + LittleEndian::I32(FDevicePixels.height()) + LittleEndian::I32(FDeviceMillimetres.width())
            + LittleEndian::I32(FDeviceMillimetres.height());
        return header + FRecords + end;
    }

    // left, top, right, bottom as 32-bit numbers.
    static QByteArray Rect(const QRect &rect)
    {
        return LittleEndian::I32(rect.left()) + LittleEndian::I32(rect.top())
            + LittleEndian::I32(rect.left() + rect.width()) + LittleEndian::I32(rect.top() + rect.height());
    }

    static QByteArray Point(int x, int y) { return LittleEndian::I32(x) + LittleEndian::I32(y); }

private:
    QRect FFrame;
    QSize FDevicePixels;
    QSize FDeviceMillimetres;
    QByteArray FRecords;
    quint32 FCount = 0;
};

#pragma once

#include "pictures/LittleEndian.h"

#include <QByteArray>
#include <QRect>
#include <initializer_list>

// Writes a Windows metafile record by record. Parameters are 16-bit words
// in the order the file stores them (for most records the reverse of the
// drawing call's order).
class WmfWriter
{
public:
    WmfWriter &Record(quint16 function, std::initializer_list<int> words, const QByteArray &tail = {})
    {
        QByteArray parameters;
        for (int word : words)
            parameters += LittleEndian::I16(qint16(word));
        return Raw(function, parameters + tail);
    }

    // Parameter bytes as they are, padded to a whole word.
    WmfWriter &Raw(quint16 function, QByteArray parameters)
    {
        if (parameters.size() % 2)
            parameters += '\0';
        const quint32 words = quint32(3 + parameters.size() / 2);
        FRecords += LittleEndian::U32(words) + LittleEndian::U16(function) + parameters;
        FMaxRecord = qMax(FMaxRecord, words);
        return *this;
    }

    // A record whose size says more than the file holds.
    WmfWriter &Oversized(quint16 function)
    {
        FRecords += LittleEndian::U32(0x10000) + LittleEndian::U16(function);
        return *this;
    }

    QByteArray Plain() const
    {
        const QByteArray records = FRecords + LittleEndian::U32(3) + LittleEndian::U16(0);
        const quint32 totalWords = quint32((18 + records.size()) / 2);
        return LittleEndian::U16(1) + LittleEndian::U16(9) + LittleEndian::U16(0x0300) + LittleEndian::U32(totalWords)
            + LittleEndian::U16(16) + LittleEndian::U32(FMaxRecord) + LittleEndian::U16(0) + records;
    }

    QByteArray Placeable(const QRect &box, quint16 unitsPerInch) const
    {
        QByteArray header = LittleEndian::U32(0x9AC6CDD7) + LittleEndian::U16(0)
            + LittleEndian::I16(qint16(box.left())) + LittleEndian::I16(qint16(box.top()))
            + LittleEndian::I16(qint16(box.left() + box.width())) + LittleEndian::I16(qint16(box.top() + box.height()))
            + LittleEndian::U16(unitsPerInch) + LittleEndian::U32(0);
        quint16 checksum = 0;
        for (int i = 0; i < header.size(); i += 2)
            checksum ^= qFromLittleEndian<quint16>(header.constData() + i);
        return header + LittleEndian::U16(checksum) + Plain();
    }

private:
    QByteArray FRecords;
    quint32 FMaxRecord = 3;
};

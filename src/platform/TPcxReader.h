#pragma once

#include <QByteArray>
#include <QImage>

// Our own reader for PCX pictures: 1 bit (black and white), 4 bits (as one
// plane or as four bit planes, with the header's 16 colours), 8 bits (with
// the 256-colour palette at the end of the file, else grey) and 24 bits
// (three 8-bit planes), run-length encoded or stored plain.
class TPcxReader
{
public:
    // Throws EQuandrelError with the reason when the bytes cannot be read.
    static QImage Decode(const QByteArray &bytes);
};

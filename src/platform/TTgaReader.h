#pragma once

#include <QByteArray>
#include <QImage>

// Our own reader for TGA pictures: colour-mapped, true-colour (15, 16, 24
// and 32 bits) and grey, uncompressed or run-length encoded, stored from the
// top or from the bottom, with or without the version 2 footer.
class TTgaReader
{
public:
    // Throws EQuandrelError with the reason when the bytes cannot be read.
    static QImage Decode(const QByteArray &bytes);
};

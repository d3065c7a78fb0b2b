#include "platform/TPcxReader.h"

#include "platform/EQuandrelError.h"
#include "platform/ImageLimits.h"
#include "platform/TByteReader.h"

#include <QString>
#include <QVector>

namespace {

constexpr qsizetype HeaderSize = 128;
constexpr quint8 Manufacturer = 0x0A;
constexpr qsizetype PaletteSize = 768;
constexpr quint8 PaletteMarker = 0x0C;
constexpr int VersionWithoutPalette = 3;

struct TPcxHeader
{
    quint8 Version = 0;
    quint8 Encoding = 0;
    quint8 BitsPerPixel = 0;
    qint64 Width = 0;
    qint64 Height = 0;
    QByteArrayView HeaderPalette;
    quint8 Planes = 0;
    quint16 BytesPerLine = 0;
};

[[noreturn]] void ThrowUnsupported()
{
    throw EQuandrelError(QStringLiteral("The PCX file uses a form Quandrel does not read."));
}

TPcxHeader ReadHeader(TByteReader &reader)
{
    if (reader.U8() != Manufacturer)
        throw EQuandrelError(QStringLiteral("The file is not a PCX picture."));
    TPcxHeader header;
    header.Version = reader.U8();
    header.Encoding = reader.U8();
    header.BitsPerPixel = reader.U8();
    const quint16 xMin = reader.U16();
    const quint16 yMin = reader.U16();
    const quint16 xMax = reader.U16();
    const quint16 yMax = reader.U16();
    header.Width = qint64(xMax) - xMin + 1;
    header.Height = qint64(yMax) - yMin + 1;
    reader.Skip(4); // resolution
    header.HeaderPalette = reader.Bytes(48);
    reader.Skip(1);
    header.Planes = reader.U8();
    header.BytesPerLine = reader.U16();
    reader.Seek(HeaderSize);
    return header;
}

void CheckHeader(const TPcxHeader &header)
{
    const bool known = (header.BitsPerPixel == 1 && (header.Planes == 1 || header.Planes == 4))
        || (header.BitsPerPixel == 4 && header.Planes == 1)
        || (header.BitsPerPixel == 8 && (header.Planes == 1 || header.Planes == 3));
    if (!known || header.Encoding > 1)
        ThrowUnsupported();
    ImageLimits::Check(header.Width, header.Height);
    if (qint64(header.BytesPerLine) * 8 < header.Width * header.BitsPerPixel)
        throw EQuandrelError(QStringLiteral("The PCX file's lines are shorter than its width."));
}

// The plane lines of every row in file order, decoded from their runs.
QByteArray ReadScanLines(TByteReader &reader, const TPcxHeader &header)
{
    const qsizetype total = qsizetype(header.BytesPerLine) * header.Planes * header.Height;
    if (header.Encoding == 0)
        return reader.Bytes(total).toByteArray();
    // A two-byte run gives at most 63 bytes.
    if (total / 63 > reader.Remaining())
        throw EQuandrelError(QStringLiteral("The PCX file is cut short."));
    QByteArray lines;
    lines.reserve(total);
    while (lines.size() < total) {
        const quint8 byte = reader.U8();
        if ((byte & 0xC0) == 0xC0) {
            const qsizetype count = qMin<qsizetype>(byte & 0x3F, total - lines.size());
            lines.append(count, char(reader.U8()));
        } else {
            lines.append(char(byte));
        }
    }
    return lines;
}

QVector<QRgb> PaletteFromBytes(QByteArrayView bytes, int count)
{
    QVector<QRgb> palette(count);
    for (int i = 0; i < count; ++i)
        palette[i] = qRgb(quint8(bytes[3 * i]), quint8(bytes[3 * i + 1]), quint8(bytes[3 * i + 2]));
    return palette;
}

// The colours of the classic 16-colour display, for files that do not
// carry their own.
QVector<QRgb> StandardSixteenColours()
{
    return {qRgb(0, 0, 0),       qRgb(0, 0, 170),     qRgb(0, 170, 0),     qRgb(0, 170, 170),
            qRgb(170, 0, 0),     qRgb(170, 0, 170),   qRgb(170, 85, 0),    qRgb(170, 170, 170),
            qRgb(85, 85, 85),    qRgb(85, 85, 255),   qRgb(85, 255, 85),   qRgb(85, 255, 255),
            qRgb(255, 85, 85),   qRgb(255, 85, 255),  qRgb(255, 255, 85),  qRgb(255, 255, 255)};
}

QVector<QRgb> Palette(QByteArrayView file, const TPcxHeader &header)
{
    if (header.BitsPerPixel == 1 && header.Planes == 1)
        return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    if (header.BitsPerPixel == 8 && header.Planes == 1) {
        const qsizetype markerAt = file.size() - PaletteSize - 1;
        if (markerAt >= HeaderSize && quint8(file.at(markerAt)) == PaletteMarker)
            return PaletteFromBytes(file.last(PaletteSize), 256);
        QVector<QRgb> grey(256);
        for (int i = 0; i < 256; ++i)
            grey[i] = qRgb(i, i, i);
        return grey;
    }
    if (header.Version == VersionWithoutPalette)
        return StandardSixteenColours();
    return PaletteFromBytes(header.HeaderPalette, 16);
}

int BitAt(const uchar *line, qint64 x)
{
    return (line[x / 8] >> (7 - x % 8)) & 1;
}

int IndexAt(const uchar *row, qint64 x, const TPcxHeader &header)
{
    switch (header.BitsPerPixel) {
    case 1: {
        int index = 0;
        for (int plane = 0; plane < header.Planes; ++plane)
            index |= BitAt(row + plane * header.BytesPerLine, x) << plane;
        return index;
    }
    case 4: return (row[x / 2] >> (x % 2 ? 0 : 4)) & 0x0F;
    default: return row[x];
    }
}

} // namespace

QImage TPcxReader::Decode(const QByteArray &bytes)
{
    TByteReader reader(bytes, QStringLiteral("The PCX file"));
    const TPcxHeader header = ReadHeader(reader);
    CheckHeader(header);
    const QByteArray lines = ReadScanLines(reader, header);
    const QVector<QRgb> palette = header.Planes == 3 ? QVector<QRgb>() : Palette(bytes, header);

    QImage image(int(header.Width), int(header.Height), QImage::Format_RGB32);
    if (image.isNull())
        throw EQuandrelError(QStringLiteral("There is not enough memory for the PCX picture."));
    const qsizetype rowBytes = qsizetype(header.BytesPerLine) * header.Planes;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const uchar *>(lines.constData()) + y * rowBytes;
        QRgb *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (header.Planes == 3) {
                out[x] = qRgb(row[x], row[header.BytesPerLine + x], row[2 * header.BytesPerLine + x]);
            } else {
                const int index = IndexAt(row, x, header);
                out[x] = index < palette.size() ? palette[index] : qRgb(0, 0, 0);
            }
        }
    }
    return image;
}

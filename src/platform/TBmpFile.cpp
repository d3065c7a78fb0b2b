#include "platform/TBmpFile.h"

#include "platform/EQuandrelError.h"
#include "platform/ImageLimits.h"
#include "platform/TByteReader.h"
#include "platform/TQtImageDecoder.h"

#include <QPainter>
#include <QtEndian>

namespace {

constexpr qsizetype FileHeaderSize = 14;
constexpr qsizetype CoreHeaderSize = 12;
constexpr qsizetype InfoHeaderSize = 40;

enum : quint32 { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3, BI_ALPHABITFIELDS = 6 };

[[noreturn]] void ThrowUnsupported()
{
    throw EQuandrelError(QStringLiteral("The bitmap uses a form Quandrel does not read."));
}

struct TDibHeader
{
    quint32 HeaderSize = 0;
    qint64 Width = 0;
    qint64 Height = 0;
    quint16 BitCount = 0;
    quint32 Compression = BI_RGB;
    quint32 ColoursUsed = 0;
};

TDibHeader ReadDibHeader(QByteArrayView bytes)
{
    TByteReader reader(bytes, QStringLiteral("The bitmap"));
    TDibHeader header;
    header.HeaderSize = reader.U32();
    if (header.HeaderSize == CoreHeaderSize) {
        header.Width = reader.U16();
        header.Height = reader.U16();
        reader.Skip(2);
        header.BitCount = reader.U16();
        return header;
    }
    if (header.HeaderSize < InfoHeaderSize || header.HeaderSize > 1024)
        ThrowUnsupported();
    reader.Require(header.HeaderSize - 4);
    header.Width = reader.I32();
    header.Height = reader.I32();
    reader.Skip(2);
    header.BitCount = reader.U16();
    header.Compression = reader.U32();
    reader.Skip(12);
    header.ColoursUsed = reader.U32();
    return header;
}

void CheckKind(const TDibHeader &header)
{
    switch (header.BitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: ThrowUnsupported();
    }
    const bool fitsCompression = header.Compression == BI_RGB
        || (header.Compression == BI_RLE8 && header.BitCount == 8)
        || (header.Compression == BI_RLE4 && header.BitCount == 4)
        || ((header.Compression == BI_BITFIELDS || header.Compression == BI_ALPHABITFIELDS)
            && (header.BitCount == 16 || header.BitCount == 32));
    if (!fitsCompression)
        ThrowUnsupported();
    ImageLimits::Check(header.Width, std::abs(header.Height));
}

qsizetype ColourTableSize(const TDibHeader &header)
{
    const qsizetype entrySize = header.HeaderSize == CoreHeaderSize ? 3 : 4;
    qint64 entries = header.ColoursUsed;
    if (entries == 0 && header.BitCount <= 8)
        entries = qint64(1) << header.BitCount;
    if (entries > 65536)
        ThrowUnsupported();
    return entries * entrySize;
}

qsizetype MasksSize(const TDibHeader &header)
{
    if (header.HeaderSize != InfoHeaderSize)
        return 0;
    if (header.Compression == BI_BITFIELDS)
        return 12;
    if (header.Compression == BI_ALPHABITFIELDS)
        return 16;
    return 0;
}

void CheckPixelRows(const TDibHeader &header, qsizetype bitsSize)
{
    if (header.Compression == BI_RLE8 || header.Compression == BI_RLE4)
        return; // runs stop where they stop; the reader checks each one
    const qint64 rowBytes = ((header.Width * header.BitCount + 31) / 32) * 4;
    if (rowBytes * std::abs(header.Height) > bitsSize)
        throw EQuandrelError(QStringLiteral("The bitmap is cut short."));
}

void AppendU16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void AppendU32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

qsizetype TBmpFile::HeaderAndColourTableSize(QByteArrayView header)
{
    const TDibHeader dib = ReadDibHeader(header);
    CheckKind(dib);
    return dib.HeaderSize + MasksSize(dib) + ColourTableSize(dib);
}

QImage TBmpFile::DecodeDib(QByteArrayView header, QByteArrayView bits)
{
    const qsizetype headerSize = HeaderAndColourTableSize(header);
    if (header.size() < headerSize)
        throw EQuandrelError(QStringLiteral("The bitmap's colour table is cut short."));
    CheckPixelRows(ReadDibHeader(header), bits.size());
    // Qt reads whole BMP files: put the file header in front.
    QByteArray file;
    file.reserve(FileHeaderSize + headerSize + bits.size());
    file.append("BM", 2);
    AppendU32(file, quint32(FileHeaderSize + headerSize + bits.size()));
    AppendU32(file, 0);
    AppendU32(file, quint32(FileHeaderSize + headerSize));
    file.append(header.first(headerSize).data(), headerSize);
    file.append(bits.data(), bits.size());
    return TQtImageDecoder::Decode(file, "bmp");
}

QImage TBmpFile::DecodePackedDib(QByteArrayView dib)
{
    const qsizetype headerSize = HeaderAndColourTableSize(dib);
    if (dib.size() < headerSize)
        throw EQuandrelError(QStringLiteral("The bitmap's colour table is cut short."));
    return DecodeDib(dib.first(headerSize), dib.sliced(headerSize));
}

QImage TBmpFile::Decode(const QByteArray &bytes)
{
    if (!bytes.startsWith("BM"))
        return DecodePackedDib(bytes);
    TByteReader reader(bytes, QStringLiteral("The bitmap file"));
    reader.Skip(10);
    const quint32 bitsOffset = reader.U32();
    const qsizetype headerSize = HeaderAndColourTableSize(bytes.sliced(FileHeaderSize));
    if (bitsOffset < FileHeaderSize + headerSize || bitsOffset > quint32(bytes.size()))
        throw EQuandrelError(QStringLiteral("The bitmap file's pixels are not where its header says."));
    return DecodeDib(bytes.sliced(FileHeaderSize, headerSize), bytes.sliced(bitsOffset));
}

QRectF TBmpFile::SourceRect(QByteArrayView header, int imageHeight, QPointF origin, QSizeF size)
{
    bool topDown = false;
    try {
        topDown = ReadDibHeader(header).Height < 0;
    } catch (const EQuandrelError &) {
    }
    if (topDown)
        return QRectF(origin, size);
    return QRectF(QPointF(origin.x(), imageHeight - origin.y() - size.height()), size);
}

bool TBmpFile::IsStoredForm(QByteArrayView bytes)
{
    try {
        if (bytes.size() < FileHeaderSize || !bytes.startsWith("BM"))
            return false;
        TByteReader reader(bytes, QStringLiteral("The bitmap file"));
        reader.Skip(2);
        const quint32 size = reader.U32();
        reader.Skip(4);
        const quint32 bitsOffset = reader.U32();
        const qsizetype headerSize = HeaderAndColourTableSize(bytes.sliced(FileHeaderSize));
        return size == quint32(bytes.size()) && bitsOffset == FileHeaderSize + headerSize;
    } catch (const EQuandrelError &) {
        return false;
    }
}

QByteArray TBmpFile::Encode(const QImage &image)
{
    ImageLimits::Check(image.width(), image.height());
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    const int width = flat.width();
    const int height = flat.height();
    const qsizetype rowBytes = (qsizetype(width) * 3 + 3) & ~qsizetype(3);
    const qsizetype bitsOffset = FileHeaderSize + InfoHeaderSize;
    const qsizetype fileSize = bitsOffset + rowBytes * height;
    constexpr quint32 PixelsPerMetreAt96Dpi = 3780;

    QByteArray file;
    file.reserve(fileSize);
    file.append("BM", 2);
    AppendU32(file, quint32(fileSize));
    AppendU32(file, 0);
    AppendU32(file, quint32(bitsOffset));
    AppendU32(file, quint32(InfoHeaderSize));
    AppendU32(file, quint32(width));
    AppendU32(file, quint32(height));
    AppendU16(file, 1);
    AppendU16(file, 24);
    AppendU32(file, BI_RGB);
    AppendU32(file, quint32(rowBytes * height));
    AppendU32(file, PixelsPerMetreAt96Dpi);
    AppendU32(file, PixelsPerMetreAt96Dpi);
    AppendU32(file, 0);
    AppendU32(file, 0);
    QByteArray row(rowBytes, '\0');
    for (int y = height - 1; y >= 0; --y) {
        const QRgb *pixels = reinterpret_cast<const QRgb *>(flat.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            row[3 * x] = char(qBlue(pixels[x]));
            row[3 * x + 1] = char(qGreen(pixels[x]));
            row[3 * x + 2] = char(qRed(pixels[x]));
        }
        file.append(row);
    }
    return file;
}

#include "platform/TTgaReader.h"

#include "platform/EQuandrelError.h"
#include "platform/ImageLimits.h"
#include "platform/TByteReader.h"

#include <QString>
#include <QVector>

namespace {

enum TTgaImageType : quint8 {
    ttColourMapped = 1,
    ttTrueColour = 2,
    ttGrey = 3,
    ttRleColourMapped = 9,
    ttRleTrueColour = 10,
    ttRleGrey = 11,
};

constexpr qsizetype FooterSize = 26;
constexpr char FooterSignature[] = "TRUEVISION-XFILE.";
constexpr qsizetype ExtensionAreaSize = 495;
constexpr qsizetype AttributesTypeOffset = 494;

struct TTgaHeader
{
    quint8 IdLength = 0;
    quint8 ColourMapType = 0;
    quint8 ImageType = 0;
    quint16 ColourMapFirst = 0;
    quint16 ColourMapLength = 0;
    quint8 ColourMapEntryBits = 0;
    quint16 Width = 0;
    quint16 Height = 0;
    quint8 PixelBits = 0;
    quint8 Descriptor = 0;

    bool IsRle() const { return ImageType >= ttRleColourMapped; }
    quint8 BaseType() const { return IsRle() ? quint8(ImageType - 8) : ImageType; }
    int AlphaBits() const { return Descriptor & 0x0F; }
    bool RightToLeft() const { return Descriptor & 0x10; }
    bool TopToBottom() const { return Descriptor & 0x20; }
};

[[noreturn]] void ThrowUnsupported()
{
    throw EQuandrelError(QStringLiteral("The TGA file uses a form Quandrel does not read."));
}

TTgaHeader ReadHeader(TByteReader &reader)
{
    TTgaHeader header;
    header.IdLength = reader.U8();
    header.ColourMapType = reader.U8();
    header.ImageType = reader.U8();
    header.ColourMapFirst = reader.U16();
    header.ColourMapLength = reader.U16();
    header.ColourMapEntryBits = reader.U8();
    reader.Skip(4); // x and y origin: where to show it, not how to read it
    header.Width = reader.U16();
    header.Height = reader.U16();
    header.PixelBits = reader.U8();
    header.Descriptor = reader.U8();
    return header;
}

void CheckHeader(const TTgaHeader &header)
{
    if (header.ColourMapType > 1)
        ThrowUnsupported();
    switch (header.BaseType()) {
    case ttColourMapped:
        if (header.ColourMapType != 1 || (header.PixelBits != 8 && header.PixelBits != 16))
            ThrowUnsupported();
        break;
    case ttTrueColour:
        if (header.PixelBits != 15 && header.PixelBits != 16 && header.PixelBits != 24 && header.PixelBits != 32)
            ThrowUnsupported();
        break;
    case ttGrey:
        if (header.PixelBits != 8 && header.PixelBits != 16)
            ThrowUnsupported();
        break;
    default:
        ThrowUnsupported();
    }
    ImageLimits::Check(header.Width, header.Height);
}

QRgb FromBits15(quint16 value, bool withAlpha)
{
    const int red = (value >> 10) & 0x1F;
    const int green = (value >> 5) & 0x1F;
    const int blue = value & 0x1F;
    const int alpha = withAlpha && !(value & 0x8000) ? 0 : 255;
    return qRgba(red * 255 / 31, green * 255 / 31, blue * 255 / 31, alpha);
}

// One colour of entryBits (15, 16, 24 or 32) stored little-endian.
QRgb ColourFromBytes(const uchar *bytes, int entryBits, bool withAlpha)
{
    switch (entryBits) {
    case 15:
    case 16: return FromBits15(quint16(bytes[0] | (bytes[1] << 8)), withAlpha && entryBits == 16);
    case 24: return qRgb(bytes[2], bytes[1], bytes[0]);
    default: return qRgba(bytes[2], bytes[1], bytes[0], withAlpha ? bytes[3] : 255);
    }
}

QVector<QRgb> ReadColourMap(TByteReader &reader, const TTgaHeader &header)
{
    if (header.ColourMapType == 0)
        return {};
    const int entryBits = header.ColourMapEntryBits;
    if (entryBits != 15 && entryBits != 16 && entryBits != 24 && entryBits != 32)
        ThrowUnsupported();
    const int entryBytes = (entryBits + 7) / 8;
    const QByteArrayView entries = reader.Bytes(qsizetype(header.ColourMapLength) * entryBytes);
    QVector<QRgb> map(header.ColourMapLength);
    for (int i = 0; i < header.ColourMapLength; ++i)
        map[i] = ColourFromBytes(reinterpret_cast<const uchar *>(entries.data()) + i * entryBytes, entryBits,
                                 header.AlphaBits() > 0);
    return map;
}

// The pixel values in file order, one after the other, whether they were
// stored as they are or in runs.
QByteArray ReadPixelValues(TByteReader &reader, const TTgaHeader &header)
{
    const int pixelBytes = (header.PixelBits + 7) / 8;
    const qsizetype total = qsizetype(header.Width) * header.Height * pixelBytes;
    if (!header.IsRle())
        return reader.Bytes(total).toByteArray();
    // A run packet of 1 + pixelBytes bytes gives at most 128 pixels.
    if (total / 128 > reader.Remaining())
        throw EQuandrelError(QStringLiteral("The TGA file is cut short."));
    QByteArray values;
    values.reserve(total);
    while (values.size() < total) {
        const quint8 packet = reader.U8();
        const int count = (packet & 0x7F) + 1;
        const qsizetype bytes = qMin<qsizetype>(qsizetype(count) * pixelBytes, total - values.size());
        if (packet & 0x80) {
            const QByteArrayView value = reader.Bytes(pixelBytes);
            for (qsizetype done = 0; done < bytes; done += pixelBytes)
                values.append(value.data(), pixelBytes);
        } else {
            values.append(reader.Bytes(qsizetype(count) * pixelBytes).first(bytes).data(), bytes);
        }
    }
    return values;
}

// The attributes type of the version 2 extension area says whether the
// alpha channel holds real alpha; without the footer the descriptor decides.
bool AlphaIsMeaningful(QByteArrayView bytes, const TTgaHeader &header)
{
    if (header.AlphaBits() == 0)
        return false;
    if (bytes.size() < FooterSize || !bytes.last(FooterSize).sliced(8).startsWith(FooterSignature))
        return true;
    TByteReader footer(bytes.last(FooterSize), QStringLiteral("The TGA file's footer"));
    const quint32 extensionOffset = footer.U32();
    if (extensionOffset == 0 || qsizetype(extensionOffset) + ExtensionAreaSize > bytes.size() - FooterSize)
        return true;
    const quint8 attributesType = quint8(bytes.at(extensionOffset + AttributesTypeOffset));
    return attributesType == 3 || attributesType == 4;
}

QRgb PixelColour(const uchar *value, const TTgaHeader &header, const QVector<QRgb> &colourMap, bool withAlpha)
{
    switch (header.BaseType()) {
    case ttColourMapped: {
        const int index = (header.PixelBits == 8 ? value[0] : value[0] | (value[1] << 8)) - header.ColourMapFirst;
        return index >= 0 && index < colourMap.size() ? colourMap[index] : qRgb(0, 0, 0);
    }
    case ttGrey:
        return qRgba(value[0], value[0], value[0], header.PixelBits == 16 && withAlpha ? value[1] : 255);
    default:
        return ColourFromBytes(value, header.PixelBits, withAlpha);
    }
}

// Files that declare alpha but leave it all zero mean an opaque picture.
void MakeOpaqueWhenAllTransparent(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) != 0)
                return;
    }
    image = image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage TTgaReader::Decode(const QByteArray &bytes)
{
    TByteReader reader(bytes, QStringLiteral("The TGA file"));
    const TTgaHeader header = ReadHeader(reader);
    CheckHeader(header);
    reader.Skip(header.IdLength);
    const QVector<QRgb> colourMap = ReadColourMap(reader, header);
    const QByteArray values = ReadPixelValues(reader, header);
    const bool withAlpha = AlphaIsMeaningful(bytes, header);

    QImage image(header.Width, header.Height, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        throw EQuandrelError(QStringLiteral("There is not enough memory for the TGA picture."));
    const int pixelBytes = (header.PixelBits + 7) / 8;
    const auto *value = reinterpret_cast<const uchar *>(values.constData());
    for (int row = 0; row < header.Height; ++row) {
        const int y = header.TopToBottom() ? row : header.Height - 1 - row;
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int column = 0; column < header.Width; ++column, value += pixelBytes) {
            const int x = header.RightToLeft() ? header.Width - 1 - column : column;
            const QRgb colour = PixelColour(value, header, colourMap, withAlpha);
            line[x] = withAlpha ? colour : colour | 0xFF000000u;
        }
    }
    if (withAlpha)
        MakeOpaqueWhenAllTransparent(image);
    return image;
}

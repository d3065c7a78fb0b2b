#include "pictures/PictureFixtures.h"

#include "pictures/LittleEndian.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>

using namespace LittleEndian;

namespace PictureFixtures {

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray InfoHeader(int width, int height, int bitCount, int compression, int coloursUsed)
{
    return U32(40) + I32(width) + I32(height) + U16(1) + U16(quint16(bitCount)) + U32(quint32(compression)) + U32(0)
        + I32(3780) + I32(3780) + U32(quint32(coloursUsed)) + U32(0);
}

QByteArray BmpFile(const QByteArray &headerAndColours, const QByteArray &bits)
{
    const quint32 offset = quint32(14 + headerAndColours.size());
    return QByteArray("BM") + U32(quint32(offset + bits.size())) + U32(0) + U32(offset) + headerAndColours + bits;
}

// Colour table entries: blue, green, red, reserved.
QByteArray Palette(std::initializer_list<QRgb> colours)
{
    QByteArray table;
    for (QRgb colour : colours)
        table += U8(quint8(qBlue(colour))) + U8(quint8(qGreen(colour))) + U8(quint8(qRed(colour))) + U8(0);
    return table;
}

QByteArray TgaHeader(int imageType, int pixelBits, int descriptor, int mapFirst = 0, int mapLength = 0, int mapBits = 0)
{
    return U8(0) + U8(mapLength > 0 ? 1 : 0) + U8(quint8(imageType)) + U16(quint16(mapFirst)) + U16(quint16(mapLength))
        + U8(quint8(mapBits)) + U16(0) + U16(0) + U16(2) + U16(2) + U8(quint8(pixelBits)) + U8(quint8(descriptor));
}

QByteArray TgaFooter()
{
    return U32(0) + U32(0) + QByteArray("TRUEVISION-XFILE.") + U8(0);
}

// 16 header colours: 0 black, 1 red, 2 green, 4 blue, 15 white, others grey.
QByteArray PcxHeaderPalette()
{
    QByteArray palette;
    for (int i = 0; i < 16; ++i) {
        const QRgb colour = i == 0 ? Black : i == 1 ? Red : i == 2 ? Green : i == 4 ? Blue : i == 15 ? White : qRgb(9, 9, 9);
        palette += U8(quint8(qRed(colour))) + U8(quint8(qGreen(colour))) + U8(quint8(qBlue(colour)));
    }
    return palette;
}

QByteArray PcxHeader(int version, int encoding, int bitsPerPixel, int planes, int bytesPerLine)
{
    QByteArray header = U8(0x0A) + U8(quint8(version)) + U8(quint8(encoding)) + U8(quint8(bitsPerPixel)) + U16(0)
        + U16(0) + U16(1) + U16(1) + U16(96) + U16(96) + PcxHeaderPalette() + U8(0) + U8(quint8(planes))
        + U16(quint16(bytesPerLine)) + U16(1);
    return header + QByteArray(128 - header.size(), '\0');
}

QByteArray Written(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return bytes;
}

} // namespace

QByteArray Rle8Bmp()
{
    // Bottom row: a run of four red; end of line. Top row: four pixels
    // given as they are; end of bitmap.
    const QByteArray bits = Hex("0401" "0000" "000402000002" "0001");
    return BmpFile(InfoHeader(4, 2, 8, 1, 3) + Palette({White, Red, Blue}), bits);
}

QByteArray Rle4Bmp()
{
    // Bottom row: a run of four red (index 1); top row given as it is.
    const QByteArray bits = Hex("0411" "0000" "00042002" "0001");
    return BmpFile(InfoHeader(4, 2, 4, 2, 3) + Palette({White, Red, Blue}), bits);
}

QByteArray Dib24Header()
{
    return InfoHeader(2, 2, 24, 0, 0);
}

QByteArray Dib24Bits()
{
    // Rows bottom first, each padded to four bytes: yellow, black; red, blue.
    return Hex("00FFFF" "000000" "0000") + Hex("0000FF" "FF0000" "0000");
}

QVector<TFixture> TgaKinds()
{
    const QByteArray bgrRed = Hex("0000FF"), bgrGreen = Hex("00FF00"), bgrBlue = Hex("FF0000"), bgrWhite = Hex("FFFFFF");
    const QByteArray map24 = bgrRed + bgrGreen + bgrBlue + bgrWhite;
    const QVector<QRgb> standard{Red, Green, Blue, White};
    return {
        {"true colour 24, bottom-up, no footer", TgaHeader(2, 24, 0x00) + bgrBlue + bgrWhite + bgrRed + bgrGreen, standard},
        {"true colour 32 with alpha, top-down, footer",
         TgaHeader(2, 32, 0x28) + Hex("0000FFFF" "00FF00FF" "FF0000FF" "FFFFFF80") + TgaFooter(),
         {Red, Green, Blue, qRgba(255, 255, 255, 0x80)}},
        {"true colour 32 whose alpha is all zero, bottom-up",
         TgaHeader(2, 32, 0x08) + Hex("FF000000" "FFFFFF00" "0000FF00" "00FF0000"), standard},
        {"true colour 16, top-down", TgaHeader(2, 16, 0x20) + Hex("007C" "E003" "1F00" "FF7F"), standard},
        {"true colour 24, right to left, top-down", TgaHeader(2, 24, 0x30) + bgrGreen + bgrRed + bgrWhite + bgrBlue,
         standard},
        {"run-length true colour 24, bottom-up, footer",
         TgaHeader(10, 24, 0x00) + Hex("01") + bgrBlue + bgrWhite + Hex("81") + bgrRed + TgaFooter(),
         {Red, Red, Blue, White}},
        {"run-length grey, top-down", TgaHeader(11, 8, 0x20) + Hex("8100" "0180FF"),
         {Black, Black, qRgb(128, 128, 128), White}},
        {"colour-mapped, bottom-up", TgaHeader(1, 8, 0x00, 0, 4, 24) + map24 + Hex("0203" "0001"), standard},
        {"run-length colour-mapped from index 1, top-down",
         TgaHeader(9, 8, 0x20, 1, 4, 24) + map24 + Hex("8101" "010304"), {Red, Red, Blue, White}},
    };
}

QVector<TFixture> PcxKinds()
{
    const QByteArray planarTop = Hex("800040C500");
    const QByteArray planarBottom = Hex("40004000C1C0004000");
    QByteArray palette256(768, '\0');
    auto setColour = [&palette256](int index, int red, int green, int blue) {
        palette256[3 * index] = char(red);
        palette256[3 * index + 1] = char(green);
        palette256[3 * index + 2] = char(blue);
    };
    setColour(5, 10, 20, 30);
    setColour(200, 200, 100, 50);
    setColour(7, 1, 2, 3);
    return {
        {"1 bit", PcxHeader(5, 1, 1, 1, 2) + Hex("8000" "4000"), {White, Black, Black, White}},
        {"4 bits in four planes", PcxHeader(5, 1, 1, 4, 2) + planarTop + planarBottom, {Red, Green, Blue, White}},
        {"4 bits in four planes, standard colours", PcxHeader(3, 1, 1, 4, 2) + planarTop + planarBottom,
         {qRgb(0, 0, 170), qRgb(0, 170, 0), qRgb(170, 0, 0), White}},
        {"4 bits in one plane", PcxHeader(5, 1, 4, 1, 2) + Hex("1200" "4F00"), {Red, Green, Blue, White}},
        {"8 bits with palette", PcxHeader(5, 1, 8, 1, 2) + Hex("C205" "C1C807") + Hex("0C") + palette256,
         {qRgb(10, 20, 30), qRgb(10, 20, 30), qRgb(200, 100, 50), qRgb(1, 2, 3)}},
        {"8 bits stored plain, no palette", PcxHeader(5, 0, 8, 1, 2) + Hex("00FF" "8040"),
         {Black, White, qRgb(128, 128, 128), qRgb(64, 64, 64)}},
        {"24 bits", PcxHeader(5, 1, 8, 3, 2) + Hex("C1FF00" "00C1FF" "0000") + Hex("00C1FF" "00C1FF" "C1FFC1FF"),
         {Red, Green, Blue, White}},
    };
}

QByteArray Gif()
{
    return QByteArray("GIF89a") + U16(2) + U16(2) + Hex("800000") + Hex("FF0000" "0000FF") + Hex("2C") + U16(0) + U16(0)
        + U16(2) + U16(2) + Hex("00") + Hex("02" "03" "440205" "00") + Hex("3B");
}

QByteArray Ico(const QImage &image)
{
    return Written(image, "ico");
}

QByteArray Jpeg(const QImage &image)
{
    return Written(image, "jpeg");
}

QVector<QRgb> PixelsOf(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    return {argb.pixel(0, 0), argb.pixel(1, 0), argb.pixel(0, 1), argb.pixel(1, 1)};
}

QString WriteFile(const QString &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = folder + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

} // namespace PictureFixtures

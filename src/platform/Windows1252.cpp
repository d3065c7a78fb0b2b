#include "platform/Windows1252.h"

#include <array>
#include <cstddef>

namespace
{
constexpr char16_t FirstHighByte = 0x80;
constexpr char16_t LastHighByte = 0x9F;
constexpr std::size_t HighByteCount = LastHighByte - FirstHighByte + 1;

// Only bytes 0x80..0x9F differ from Latin-1. The undefined ones keep their
// own value so that nothing a file holds is lost on the way through a QString.
constexpr std::array<char16_t, HighByteCount> HighByteChars = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct CharToByte
{
    char16_t FChar;
    char FByte;
};

// The reverse of HighByteChars, sorted by character for a binary search. It
// is derived at compile time so the two directions can never disagree.
constexpr std::array<CharToByte, HighByteCount> sortedByChar()
{
    std::array<CharToByte, HighByteCount> table{};
    for (std::size_t i = 0; i < HighByteCount; ++i)
    {
        CharToByte entry{HighByteChars[i], char(FirstHighByte + i)};
        std::size_t j = i;
        for (; j > 0 && table[j - 1].FChar > entry.FChar; --j)
            table[j] = table[j - 1];
        table[j] = entry;
    }
    return table;
}

constexpr std::array<CharToByte, HighByteCount> HighCharsSorted = sortedByChar();

constexpr int NoByte = -1;

int byteOfHighChar(char16_t c)
{
    std::size_t low = 0;
    std::size_t high = HighByteCount;
    while (low < high)
    {
        const std::size_t middle = (low + high) / 2;
        const CharToByte &entry = HighCharsSorted[middle];
        if (entry.FChar == c)
            return quint8(entry.FByte);
        if (entry.FChar < c)
            low = middle + 1;
        else
            high = middle;
    }
    return NoByte;
}

bool isSameAsLatin1(char16_t c)
{
    return c < FirstHighByte || (c > LastHighByte && c <= 0xFF);
}

int byteOf(char16_t c)
{
    return isSameAsLatin1(c) ? int(c) : byteOfHighChar(c);
}

bool isHighByte(char byte)
{
    return quint8(byte) >= FirstHighByte && quint8(byte) <= LastHighByte;
}

// Written as one pass without an early exit so the compiler can vectorise it.
bool isAscii(QStringView text)
{
    char16_t combined = 0;
    for (const QChar c : text)
        combined |= c.unicode();
    return combined < 0x80;
}

QByteArray encodeCharByChar(QStringView text)
{
    // Never longer than text: a surrogate pair only shrinks to one byte.
    const qsizetype size = text.size();
    QByteArray result(size, Qt::Uninitialized);
    char *out = result.data();
    for (qsizetype i = 0; i < size; ++i)
    {
        const QChar c = text[i];
        const int byte = byteOf(c.unicode());
        *out++ = byte == NoByte ? '?' : char(byte);
        const bool isSurrogatePair = c.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate();
        if (isSurrogatePair)
            ++i;
    }
    result.truncate(out - result.constData());
    return result;
}
}

namespace Windows1252
{
bool canEncode(QStringView text)
{
    if (isAscii(text))
        return true;
    for (const QChar c : text)
    {
        if (byteOf(c.unicode()) == NoByte)
            return false;
    }
    return true;
}

QByteArray encode(QStringView text)
{
    if (isAscii(text))
        return text.toLatin1();
    return encodeCharByChar(text);
}

QString decode(QByteArrayView bytes)
{
    // Latin-1 already gives the right answer for all but 0x80..0x9F, and Qt
    // converts it in bulk; only those few bytes are patched afterwards.
    QString result = QString::fromLatin1(bytes);
    QChar *chars = nullptr;
    for (qsizetype i = 0; i < bytes.size(); ++i)
    {
        if (!isHighByte(bytes[i]))
            continue;
        if (chars == nullptr)
            chars = result.data();
        chars[i] = QChar(HighByteChars[quint8(bytes[i]) - FirstHighByte]);
    }
    return result;
}
}

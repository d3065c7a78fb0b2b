#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The single-byte code page that design files store their text in. Decoding
// accepts every byte, and encode(decode(bytes)) gives the same bytes back, so
// text read from a file is written out again unchanged.
namespace Windows1252
{
// True when every character of text has a byte of its own.
bool canEncode(QStringView text);

// Characters without a byte become '?'. A surrogate pair is one character and
// so becomes a single '?', as does a lone surrogate.
QByteArray encode(QStringView text);

// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) become the C1 control characters of the same value, which encode()
// turns back into those bytes.
QString decode(QByteArrayView bytes);
}

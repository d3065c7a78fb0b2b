#pragma once

#include <QByteArray>

// The own data of bitmaps and metafiles in a design file: a signed 32-bit
// byte count, then that many bytes.
namespace GraphicData
{
QByteArray Counted(const QByteArray &bytes);
// The counted bytes; throws EQuandrelError when the count is negative or
// runs past the end of data.
QByteArray Uncounted(const QByteArray &data);
}

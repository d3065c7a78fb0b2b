#pragma once

#include <QtGlobal>

// The largest picture any decoder accepts. A damaged or hostile header can
// claim any size; refusing it before allocating keeps a bad file from
// exhausting memory.
namespace ImageLimits
{
constexpr int MaxSide = 16384;
constexpr qint64 MaxDecodedBytes = 256LL * 1024 * 1024;
// Files larger than this are refused before they are read.
constexpr qint64 MaxFileBytes = 256LL * 1024 * 1024;

// Throws EQuandrelError when a picture of this many pixels has no pixels or
// is larger than the bounds above (counted at four bytes a pixel).
void Check(qint64 width, qint64 height);
}

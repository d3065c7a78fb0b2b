#pragma once

#include <QtGlobal>
#include <array>

// The 10-byte x87 extended-precision number that older design files store
// measurements in: a 64-bit mantissa with an explicit integer bit, then the
// 15-bit exponent (bias 16383) with the sign in its top bit, all
// little-endian. The conversions work on the bytes alone, so they give the
// same answer on every platform whatever its long double is.
namespace ExtendedFloat
{
// Exact for every double. Subnormal doubles become normalised extended
// values; a NaN keeps its sign and payload.
std::array<quint8, 10> fromDouble(double value);

// Rounds to nearest, ties to even. Too large gives ±inf, too small a
// correctly rounded subnormal or ±0. Denormal and unnormal encodings count by
// their mathematical value; an exponent of 0x7FFF gives ±inf when the
// fraction below the integer bit is zero, otherwise a NaN keeping as much of
// the payload as fits (and kept a NaN when none does).
double toDouble(const quint8 *tenBytes);
}

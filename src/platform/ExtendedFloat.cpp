#include "platform/ExtendedFloat.h"

#include <QtAlgorithms>
#include <cstring>

namespace
{
constexpr int ExtendedBias = 16383;
constexpr int ExtendedMaxExponent = 0x7FFF;
constexpr quint16 ExtendedSignBit = 0x8000;
constexpr quint64 IntegerBit = quint64(1) << 63;

constexpr int DoubleBias = 1023;
constexpr int DoubleMaxExponent = 0x7FF;
constexpr int DoubleFractionBits = 52;
constexpr int DoubleMinNormalExponent = 1 - DoubleBias;
constexpr int DoubleMinSubnormalExponent = DoubleMinNormalExponent - DoubleFractionBits;
constexpr quint64 DoubleSignBit = quint64(1) << 63;
constexpr quint64 DoubleFractionMask = (quint64(1) << DoubleFractionBits) - 1;
constexpr quint64 DoubleQuietBit = quint64(1) << (DoubleFractionBits - 1);
constexpr quint64 DoubleInfinityBits = quint64(DoubleMaxExponent) << DoubleFractionBits;

// The extended mantissa carries 11 more fraction bits than a double's.
constexpr int ExtraMantissaBits = 63 - DoubleFractionBits;

quint64 bitsOf(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double doubleFrom(quint64 bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::array<quint8, 10> pack(quint64 mantissa, quint16 signAndExponent)
{
    std::array<quint8, 10> bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = quint8(mantissa >> (8 * i));
    bytes[8] = quint8(signAndExponent);
    bytes[9] = quint8(signAndExponent >> 8);
    return bytes;
}

quint64 mantissaOf(const quint8 *tenBytes)
{
    quint64 mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | tenBytes[i];
    return mantissa;
}

quint16 signAndExponentOf(const quint8 *tenBytes)
{
    return quint16(tenBytes[8] | (tenBytes[9] << 8));
}

// value >> shift, rounded to nearest with ties to even; shift may exceed 63.
quint64 shiftRightRounded(quint64 value, int shift)
{
    if (shift > 64)
        return 0; // value < 2^64 is below half of 2^shift
    const quint64 quotient = shift == 64 ? 0 : value >> shift;
    const quint64 remainder = shift == 64 ? value : value & ((quint64(1) << shift) - 1);
    const quint64 half = quint64(1) << (shift - 1);
    const bool roundUp = remainder > half || (remainder == half && (quotient & 1) != 0);
    return quotient + (roundUp ? 1 : 0);
}

quint64 infinityOrNaNBits(quint64 mantissa)
{
    // The integer bit is not looked at: its pseudo-infinity and pseudo-NaN
    // forms get the same reading as the proper ones.
    if ((mantissa & ~IntegerBit) == 0)
        return DoubleInfinityBits;
    quint64 fraction = (mantissa >> ExtraMantissaBits) & DoubleFractionMask;
    if (fraction == 0)
        fraction = DoubleQuietBit; // the payload lived only in the dropped bits
    return DoubleInfinityBits | fraction;
}

// A finite non-zero value m × 2^(exponent − 63) where m has its top bit set,
// so exponent is that of the leading bit.
quint64 finiteBits(quint64 normalisedMantissa, int exponent)
{
    if (exponent > DoubleBias)
        return DoubleInfinityBits;
    if (exponent >= DoubleMinNormalExponent)
    {
        // The rounded mantissa includes the hidden bit, which adds one to the
        // exponent field placed one below; a carry out of rounding (2^53)
        // adds one more, reaching the infinity pattern exactly when it should.
        const quint64 rounded = shiftRightRounded(normalisedMantissa, ExtraMantissaBits);
        return (quint64(exponent + DoubleBias - 1) << DoubleFractionBits) + rounded;
    }
    // Subnormal: count in units of the smallest subnormal. Rounding up to
    // 2^52 lands on the smallest normal pattern by itself.
    const int shift = 63 - (exponent - DoubleMinSubnormalExponent);
    return shiftRightRounded(normalisedMantissa, shift);
}
}

namespace ExtendedFloat
{
std::array<quint8, 10> fromDouble(double value)
{
    const quint64 bits = bitsOf(value);
    const quint16 sign = (bits & DoubleSignBit) != 0 ? ExtendedSignBit : 0;
    const int exponent = int(bits >> DoubleFractionBits) & DoubleMaxExponent;
    const quint64 fraction = bits & DoubleFractionMask;

    if (exponent == DoubleMaxExponent)
        return pack(IntegerBit | (fraction << ExtraMantissaBits), sign | ExtendedMaxExponent);
    if (exponent == 0 && fraction == 0)
        return pack(0, sign);
    if (exponent == 0)
    {
        const int shift = int(qCountLeadingZeroBits(fraction));
        const int leadingBitExponent = DoubleMinSubnormalExponent + 63 - shift;
        return pack(fraction << shift, sign | quint16(leadingBitExponent + ExtendedBias));
    }
    return pack(IntegerBit | (fraction << ExtraMantissaBits),
                sign | quint16(exponent - DoubleBias + ExtendedBias));
}

double toDouble(const quint8 *tenBytes)
{
    quint64 mantissa = mantissaOf(tenBytes);
    const quint16 signAndExponent = signAndExponentOf(tenBytes);
    const quint64 sign = (signAndExponent & ExtendedSignBit) != 0 ? DoubleSignBit : 0;
    const int exponent = signAndExponent & ExtendedMaxExponent;

    if (exponent == ExtendedMaxExponent)
        return doubleFrom(sign | infinityOrNaNBits(mantissa));
    if (mantissa == 0)
        return doubleFrom(sign);

    // Denormals share the scale of exponent 1. Normalising here also gives
    // unnormals (integer bit clear) their plain value instead of rejecting
    // them as the x87 itself does.
    const int shift = int(qCountLeadingZeroBits(mantissa));
    mantissa <<= shift;
    const int effectiveExponent = exponent == 0 ? 1 : exponent;
    return doubleFrom(sign | finiteBits(mantissa, effectiveExponent - ExtendedBias - shift));
}
}

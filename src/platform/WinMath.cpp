#include "platform/WinMath.h"

#include <QtGlobal>
#include <cmath>
#include <limits>

namespace
{
constexpr int Failure = -1;

bool fitsInInt(qint64 value)
{
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}
}

namespace WinMath
{
int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return Failure;
    // |product| ≤ 2^62, so neither the negation nor adding half a divisor can
    // overflow 64 bits.
    qint64 product = qint64(number) * numerator;
    qint64 divisor = denominator;
    if (divisor < 0)
    {
        product = -product;
        divisor = -divisor;
    }
    const qint64 half = divisor / 2;
    const qint64 result = (product >= 0 ? product + half : product - half) / divisor;
    return fitsInInt(result) ? int(result) : Failure;
}

int RoundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value <= std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    // Within the int range value − floor(value) is exact, so the comparison
    // with one half sees the true fraction.
    const double below = std::floor(value);
    const double fraction = value - below;
    const int lower = int(below);
    if (fraction > 0.5)
        return lower + 1;
    if (fraction < 0.5)
        return lower;
    return (lower % 2 == 0) ? lower : lower + 1;
}
}

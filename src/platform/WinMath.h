#pragma once

// Integer arithmetic whose exact rounding the stored layouts depend on:
// coordinates scaled with these must land on the same pixel as they did when
// the designs were made.
namespace WinMath
{
// number × numerator / denominator through a 64-bit product, rounded half
// away from zero. Returns -1 when denominator is 0 or the result does not fit
// in an int, so a genuine result of -1 cannot be told apart from a failure.
int MulDiv(int number, int numerator, int denominator);

// Rounds to nearest with ties to even (banker's rounding). Values beyond the
// int range saturate; NaN gives 0. Independent of the floating-point rounding
// mode.
int RoundHalfEven(double value);
}

#include "printing/TCardLayout.h"

#include "platform/WinMath.h"

#include <algorithm>
#include <cmath>

namespace {

// Every predefined sheet is 2 across and 5 down.
constexpr int PredefinedAcross = 2;
constexpr int PredefinedDown = 5;

constexpr TCardLayout::TPredefined PredefinedLayouts[TCardLayout::PredefinedCount] = {
    {"Avery Business Card 5371 (Letter Size Paper)", 1, 3.5f, 2.0f, 0.5f, 0.75f, 3.5f, 2.0f},
    {"Avery Business Card 5372 (Letter Size Paper)", 1, 3.5f, 2.0f, 0.5f, 0.75f, 3.5f, 2.0f},
    {"Avery Business Card 5376 - Ivory (Letter Size Paper)", 1, 3.5f, 2.0f, 0.5f, 0.75f, 3.5f, 2.0f},
    {"Avery Business Card 5377 - Gray (Letter Size Paper)", 1, 3.5f, 2.0f, 0.5f, 0.75f, 3.5f, 2.0f},
    {"Avery Business Card 5911 (Letter Size Paper)", 1, 3.5f, 2.0f, 0.5f, 0.75f, 3.5f, 2.0f},
    {"Avery Business Card 8371 Ink Jet (Letter Size Paper)", 1, 3.5f, 2.0f, 0.5f, 0.75f, 3.5f, 2.0f},
    {"Avery Business Card 8372 Ink Jet (Letter Size Paper)", 1, 3.5f, 2.0f, 0.5f, 0.75f, 3.5f, 2.0f},
    {"Avery Business Card 8376 Ink Jet - Ivory (Letter Size Paper)", 1, 3.5f, 2.0f, 0.5f, 0.75f, 3.5f, 2.0f},
    {"Avery Business Card 8377 Ink Jet - Gray (Letter Size Paper)", 1, 3.5f, 2.0f, 0.5f, 0.75f, 3.5f, 2.0f},
    {"Avery Business Card L7413 (A4 Size Paper)", 9, 3.543f, 2.0f, 0.846f, 0.591f, 3.543f, 2.0f},
    {"Avery Business Card L7414 (A4 Size Paper)", 9, 3.543f, 2.047f, 0.728f, 0.591f, 3.543f, 2.047f},
    {"Avery Business Card L7415 (A4 Size Paper)", 9, 3.543f, 2.047f, 0.728f, 0.591f, 3.543f, 2.047f},
    {"Avery Business Card L7417 (A4 Size Paper)", 9, 3.543f, 2.126f, 0.531f, 0.591f, 3.543f, 2.126f},
    {"Avery Business Card L7419 (A4)", 9, 3.543f, 2.126f, 0.531f, 0.591f, 3.543f, 2.126f},
};

constexpr double MillimetresPerInch = 25.4;
// Millimetres become inches by multiplying with this factor, never by
// dividing by 25.4: the two can differ in the last bit, and the rounding of
// millimetre entries depends on it.
constexpr double InchesPerMillimetre = 0.039370078740157480314;

// Decimal rounding as the number formatting does it: to the nearest, halves
// away from zero.
double roundToDecimals(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale + 0.0; // + 0.0 turns -0 into 0
}

QString formatDecimals(double value, int maxDecimals, int minDecimals)
{
    QString text = QString::number(roundToDecimals(value, maxDecimals), 'f', maxDecimals);
    const qsizetype point = text.indexOf(u'.');
    while (text.size() - point - 1 > minDecimals && text.endsWith(u'0'))
        text.chop(1);
    return text;
}

} // namespace

const TCardLayout::TPredefined &TCardLayout::Predefined(int index)
{
    return PredefinedLayouts[std::clamp(index, 0, PredefinedCount - 1)];
}

QStringList TCardLayout::PredefinedNames()
{
    QStringList names;
    for (const TPredefined &row : PredefinedLayouts)
        names.append(QString::fromLatin1(row.Name));
    return names;
}

void TCardLayout::ApplyPredefined(int index)
{
    const TPredefined &row = Predefined(index);
    Papersize = row.Papersize;
    Width = row.Width;
    Height = row.Height;
    TopMargin = row.TopMargin;
    LeftMargin = row.LeftMargin;
    HPitch = row.HPitch;
    VPitch = row.VPitch;
    Across = PredefinedAcross;
    Down = PredefinedDown;
}

QString TCardLayout::ValidationMessage() const
{
    if (Height < 0.3)
        return QStringLiteral("Card Height must be at least .3 inches (or 7mm)");
    if (Width < 0.5)
        return QStringLiteral("Card Width must be at least .5 inch (or 13mm)");
    if (Across >= 2 && HPitch < Width)
        return QStringLiteral("Horizontal Pitch must be at least = Card Width");
    if (Down >= 2 && VPitch < Height)
        return QStringLiteral("Vertical Pitch must be at least = Card Height");
    return QString();
}

QSizeF TCardLayout::PaperSizeInches() const
{
    if (Papersize == PapersizeLetter)
        return QSizeF(8.5, 11.0);
    return QSizeF(8.268, 11.69);
}

QStringList TCardLayout::PaperListEntries()
{
    return {QStringLiteral("Letter (8.5 x 11\")"), QStringLiteral("A4 (210 x 297mm)"), QString()};
}

int TCardLayout::PaperListIndex(int papersize)
{
    if (papersize == PapersizeLetter)
        return 0;
    if (papersize == PapersizeA4)
        return 1;
    return -1;
}

int TCardLayout::PapersizeOfListEntry(int entry, int currentPapersize)
{
    if (entry == 0)
        return PapersizeLetter;
    if (entry == 1)
        return PapersizeA4;
    return currentPapersize;
}

int TCardLayout::ToThousandths(float inches)
{
    return WinMath::RoundHalfEven(double(inches) * 1000.0);
}

float TCardLayout::FromThousandths(int thousandths)
{
    return float(thousandths * 0.001);
}

double TCardLayout::InchesToMillimetres(double inches)
{
    return inches * MillimetresPerInch;
}

double TCardLayout::MillimetresToInches(double millimetres)
{
    return millimetres * InchesPerMillimetre;
}

float TCardLayout::RoundToThousandths(double inches)
{
    // Seven significant digits leave fewer than three decimals only from
    // 10000 inches on.
    int decimals = 3;
    if (inches != 0.0 && std::isfinite(inches)) {
        const int integerDigits = int(std::floor(std::log10(std::fabs(inches)))) + 1;
        decimals = std::min(decimals, 7 - integerDigits);
    }
    return float(roundToDecimals(inches, decimals));
}

QString TCardLayout::FormatInches(double inches)
{
    return formatDecimals(inches, 3, 1);
}

QString TCardLayout::FormatMillimetres(double millimetres)
{
    return formatDecimals(millimetres, 2, 2);
}

bool TCardLayout::operator==(const TCardLayout &other) const
{
    return Height == other.Height && Width == other.Width && Across == other.Across && Down == other.Down
        && TopMargin == other.TopMargin && LeftMargin == other.LeftMargin && HPitch == other.HPitch
        && VPitch == other.VPitch && PredefLayout == other.PredefLayout && Papersize == other.Papersize
        && UseMM == other.UseMM;
}

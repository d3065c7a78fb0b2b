#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>

// Where the copies of the card sit on a sheet. Lengths are inches measured
// from the physical edges of the paper, held in single precision because the
// printing arithmetic and the stored thousandths were made with that
// precision.
struct TCardLayout
{
    // One row of the table of card stock the layout dialog offers.
    struct TPredefined
    {
        const char *Name;
        int Papersize;
        float Width;
        float Height;
        float TopMargin;
        float LeftMargin;
        float HPitch;
        float VPitch;
    };

    static constexpr int PredefinedCount = 14;
    static constexpr int PapersizeLetter = 1;
    static constexpr int PapersizeA4 = 9;
    // The most cards the layout dialog admits across and down a sheet.
    static constexpr int MaxAcross = 10;
    static constexpr int MaxDown = 30;

    float Height = 2.0f;
    float Width = 3.5f;
    int Across = 2;
    int Down = 5;
    float TopMargin = 0.5f;
    float LeftMargin = 0.75f;
    float HPitch = 3.5f;
    float VPitch = 2.0f;
    int PredefLayout = 0;
    int Papersize = PapersizeLetter;
    bool UseMM = false;

    static const TPredefined &Predefined(int index);
    static QStringList PredefinedNames();
    // Takes the card size, margins, pitches, counts and paper of the row;
    // PredefLayout itself is left to the caller.
    void ApplyPredefined(int index);

    // The first of the four checks that fails, as the message the user sees;
    // empty when the layout is acceptable. Nothing checks that the cards fit
    // on the paper.
    QString ValidationMessage() const;

    // Code 1 is a Letter sheet; every other code is taken as A4.
    QSizeF PaperSizeInches() const;
    // The entries of the dialog's paper list; the last one is empty.
    static QStringList PaperListEntries();
    // -1 for a code the list has no entry for.
    static int PaperListIndex(int papersize);
    // The code an entry of the paper list stands for; the empty entry and
    // no selection keep the current code.
    static int PapersizeOfListEntry(int entry, int currentPapersize);

    // The settings file keeps lengths in thousandths of an inch, rounded
    // half to even.
    static int ToThousandths(float inches);
    static float FromThousandths(int thousandths);

    static double InchesToMillimetres(double inches);
    static double MillimetresToInches(double millimetres);
    // Millimetre entries are rounded to whole thousandths of an inch when
    // taken over, as fixed-point text of 3 decimals and 7 significant digits
    // read back.
    static float RoundToThousandths(double inches);
    // "#0.0##": one to three decimals.
    static QString FormatInches(double inches);
    // Two decimals.
    static QString FormatMillimetres(double millimetres);

    bool operator==(const TCardLayout &other) const;
    bool operator!=(const TCardLayout &other) const { return !(*this == other); }
};

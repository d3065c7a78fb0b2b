#pragma once

// Printer fine tuning: whole steps of 1/32 inch added to the sheet geometry
// when printing, to make up for a printer's own offsets.
struct TPrinterNudges
{
    int TopMarginNudge = 0;
    int LeftMarginNudge = 0;
    int VerticalSpacing = 0;
    int HorizontalSpacing = 0;

    bool operator==(const TPrinterNudges &other) const
    {
        return TopMarginNudge == other.TopMarginNudge && LeftMarginNudge == other.LeftMarginNudge
            && VerticalSpacing == other.VerticalSpacing && HorizontalSpacing == other.HorizontalSpacing;
    }
};

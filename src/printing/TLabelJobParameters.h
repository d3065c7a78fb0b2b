#pragma once

#include "printing/TPrintPositions.h"

#include <QPointF>
#include <QString>

struct TCardLayout;
struct TPrinterNudges;

// What one print or preview job of the card sheet needs to know. Distances
// are inches from the top-left corner of the physical paper, with the
// printer nudges already added.
struct TLabelJobParameters
{
    // Sheets to print; the driver may be asked to make them as copies.
    int SheetCount = 1;
    TPrintPositions Selection;
    // Only the card frames: the outline test page.
    bool Outline = false;
    double CardHeight = 2.0;
    double CardWidth = 3.5;
    int Across = 2;
    int Down = 5;
    double Top = 0.5;
    double Left = 0.75;
    double HPitch = 3.5;
    double VPitch = 2.0;
    QString BackgroundFile;
    // False for a preview: a single card with a silver frame.
    bool Printing = true;

    // The layout's card, counts, margins and pitches, each nudge adding its
    // number of 1/32 inch. Counts are kept within what the layout dialog
    // admits (0 to 10 across, 0 to 30 down), so a hand-edited settings file
    // can neither overrun the selection nor make a job that never ends.
    static TLabelJobParameters FromLayout(const TCardLayout &layout, const TPrinterNudges &nudges);

    // The top-left corner of the card at that row and column.
    QPointF CardOrigin(int row, int column) const;
};

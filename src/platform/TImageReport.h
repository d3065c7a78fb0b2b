#pragma once

#include "platform/TReport.h"

#include <QImage>
#include <QPainter>

// A report that draws on a white picture of one page instead of a printer:
// the page's size in inches at the given resolution, the picture carrying
// that resolution. Tests check print output by its pixels; picture export
// and the print engine's image path draw through it as well.
class TImageReport
{
public:
    TImageReport(double widthInches, double heightInches, int dotsPerInch);
    TImageReport(const TImageReport &) = delete;
    TImageReport &operator=(const TImageReport &) = delete;

    TReport &Report() { return FReport; }
    // The page as drawn so far.
    const QImage &Image() const { return FImage; }

private:
    QImage FImage;
    QPainter FPainter;
    TReport FReport;
};

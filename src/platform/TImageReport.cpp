#include "platform/TImageReport.h"

#include <cmath>

namespace {

QImage WhitePage(double widthInches, double heightInches, int dotsPerInch)
{
    QImage page(int(std::lround(widthInches * dotsPerInch)), int(std::lround(heightInches * dotsPerInch)),
                QImage::Format_RGB32);
    page.fill(Qt::white);
    const int dotsPerMeter = int(std::lround(dotsPerInch / 0.0254));
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    return page;
}

} // namespace

TImageReport::TImageReport(double widthInches, double heightInches, int dotsPerInch)
    : FImage(WhitePage(widthInches, heightInches, dotsPerInch)),
      FPainter(&FImage),
      FReport(FPainter, dotsPerInch, dotsPerInch)
{
}

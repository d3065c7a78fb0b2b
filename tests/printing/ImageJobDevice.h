#pragma once

#include "printing/TJobDevice.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <cmath>

// A job device that draws every page on white paper in memory, for checks
// that compare print and preview pixel by pixel. It can claim to make
// copies itself, as a printer driver would.
class ImageJobDevice : public TJobDevice
{
public:
    ImageJobDevice(QSizeF paperInches, int dotsPerInch, int maxCopies = 1)
        : FPaperInches(paperInches), FDotsPerInch(dotsPerInch), FMaxCopies(maxCopies)
    {
    }

    double Resolution() const override { return FDotsPerInch; }
    int MaxCopies() const override { return FMaxCopies; }

    QPainter &BeginDocument(const QString &) override
    {
        Pages.clear();
        StartPage();
        return FPainter;
    }
    void NewPage() override
    {
        FPainter.end();
        StartPage();
    }
    void EndDocument() override { FPainter.end(); }
    void AbortDocument() override
    {
        if (FPainter.isActive())
            FPainter.end();
        Aborted = true;
    }

    QList<QImage> Pages;
    bool Aborted = false;

private:
    void StartPage()
    {
        QImage page(int(std::lround(FPaperInches.width() * FDotsPerInch)),
                    int(std::lround(FPaperInches.height() * FDotsPerInch)), QImage::Format_RGB32);
        page.fill(Qt::white);
        const int dotsPerMeter = int(std::lround(FDotsPerInch / 0.0254));
        page.setDotsPerMeterX(dotsPerMeter);
        page.setDotsPerMeterY(dotsPerMeter);
        Pages.append(page);
        FPainter.begin(&Pages.last());
    }

    QSizeF FPaperInches;
    int FDotsPerInch;
    int FMaxCopies;
    QPainter FPainter;
};

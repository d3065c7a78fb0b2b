#include "printing/TRecordingJobDevice.h"

#include "printing/TRecordedJob.h"

#include <QPicture>

TRecordingJobDevice::TRecordingJobDevice(QSizeF paperInches, double dotsPerInch)
    : FPaperInches(paperInches), FDotsPerInch(dotsPerInch)
{
}

TRecordingJobDevice::~TRecordingJobDevice()
{
    AbortDocument();
}

QPainter &TRecordingJobDevice::BeginDocument(const QString &)
{
    FPages.clear();
    FStream.clear();
    StartPage();
    return FPainter;
}

void TRecordingJobDevice::NewPage()
{
    FinishPage();
    StartPage();
}

void TRecordingJobDevice::EndDocument()
{
    FinishPage();
    FStream = TRecordedJob::Encode(FPaperInches, FDotsPerInch, FPages);
    FPages.clear();
}

void TRecordingJobDevice::AbortDocument()
{
    if (FPainter.isActive())
        FPainter.end();
    FPage.reset();
    FPages.clear();
    FStream.clear();
}

void TRecordingJobDevice::StartPage()
{
    FPage = std::make_unique<QPicture>();
    FPainter.begin(FPage.get());
}

void TRecordingJobDevice::FinishPage()
{
    if (!FPage)
        return;
    // The painter must let go of the picture before its data is complete.
    FPainter.end();
    FPages.append(QByteArray(FPage->data(), int(FPage->size())));
    FPage.reset();
}

#pragma once

#include "printing/TJobDevice.h"

#include <QByteArray>
#include <QList>
#include <QPainter>
#include <QSizeF>
#include <memory>

class QPicture;

// A print job recorded in memory for the preview: each page is a QPicture,
// and the finished document is the byte stream TRecordedJob reads.
class TRecordingJobDevice : public TJobDevice
{
public:
    // The paper as the printer has it, and the printer's resolution, so that
    // the recording rounds positions as the print would.
    TRecordingJobDevice(QSizeF paperInches, double dotsPerInch);
    ~TRecordingJobDevice() override;

    double Resolution() const override { return FDotsPerInch; }

    QPainter &BeginDocument(const QString &title) override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() override;

    // The recorded job once the document has ended; empty otherwise.
    const QByteArray &Stream() const { return FStream; }

private:
    void StartPage();
    void FinishPage();

    QSizeF FPaperInches;
    double FDotsPerInch;
    std::unique_ptr<QPicture> FPage;
    QPainter FPainter;
    QList<QByteArray> FPages;
    QByteArray FStream;
};

#pragma once

#include "printing/TJobDevice.h"

#include <QPainter>

class QPrinter;

// A print job on a QPrinter: a CUPS queue, or a PDF file through Qt's own
// writer. The printer's origin lies at the corner of its printable area;
// the offset is reported so that the report measures from the paper's
// corner all the same.
class TPrinterJobDevice : public TJobDevice
{
public:
    explicit TPrinterJobDevice(QPrinter &printer);
    ~TPrinterJobDevice() override;

    double Resolution() const override;
    QPointF DeviceOriginInches() const override;
    // A queue's driver makes copies; Qt's PDF writer does not.
    int MaxCopies() const override;
    int Copies() const override;
    void SetCopies(int copies) override;

    QPainter &BeginDocument(const QString &title) override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() override;

private:
    QPrinter &FPrinter;
    QPainter FPainter;
};

#pragma once

#include "printing/TJobDevice.h"

#include <QPainter>
#include <QString>
#include <memory>

class QPdfWriter;
class QSaveFile;

// A print job into a PDF file, the whole paper addressable. The file
// appears only when the document ends well; an aborted or failed job
// leaves whatever was there before.
class TPdfJobDevice : public TJobDevice
{
public:
    // A PDF is vector output; the resolution only sets the grid that
    // positions round to.
    static constexpr int DotsPerInch = 1200;

    TPdfJobDevice(QString fileName, int papersize);
    ~TPdfJobDevice() override;

    double Resolution() const override { return DotsPerInch; }

    QPainter &BeginDocument(const QString &title) override;
    void NewPage() override;
    void EndDocument() override;
    void AbortDocument() override;

private:
    QString FFileName;
    QPageSize FPageSize;
    std::unique_ptr<QSaveFile> FFile;
    std::unique_ptr<QPdfWriter> FWriter;
    QPainter FPainter;
};

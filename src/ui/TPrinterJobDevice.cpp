#include "ui/TPrinterJobDevice.h"

#include "platform/EQuandrelError.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>

namespace {

// Large enough for any sheet count the dialogs offer.
constexpr int DriverCopies = 9999;

EQuandrelError PrinterError()
{
    return EQuandrelError(QStringLiteral("The printer did not accept the print job."));
}

} // namespace

TPrinterJobDevice::TPrinterJobDevice(QPrinter &printer) : FPrinter(printer)
{
    FPrinter.setPageOrientation(QPageLayout::Portrait);
    // Copies are asked for by each job, never left over from the last one.
    FPrinter.setCopyCount(1);
}

TPrinterJobDevice::~TPrinterJobDevice()
{
    if (FPainter.isActive())
        AbortDocument();
}

double TPrinterJobDevice::Resolution() const
{
    return FPrinter.resolution();
}

QPointF TPrinterJobDevice::DeviceOriginInches() const
{
    if (FPrinter.fullPage())
        return QPointF();
    return FPrinter.pageLayout().paintRect(QPageLayout::Inch).topLeft();
}

int TPrinterJobDevice::MaxCopies() const
{
    return FPrinter.supportsMultipleCopies() ? DriverCopies : 1;
}

int TPrinterJobDevice::Copies() const
{
    return FPrinter.copyCount();
}

void TPrinterJobDevice::SetCopies(int copies)
{
    FPrinter.setCopyCount(copies);
}

QPainter &TPrinterJobDevice::BeginDocument(const QString &title)
{
    FPrinter.setDocName(title);
    if (!FPainter.begin(&FPrinter))
        throw PrinterError();
    return FPainter;
}

void TPrinterJobDevice::NewPage()
{
    if (!FPrinter.newPage())
        throw PrinterError();
}

void TPrinterJobDevice::EndDocument()
{
    if (!FPainter.end())
        throw PrinterError();
}

void TPrinterJobDevice::AbortDocument()
{
    FPrinter.abort();
    if (FPainter.isActive())
        FPainter.end();
    // Qt's PDF writer cannot abort; a cancelled job leaves no half document.
    if (FPrinter.outputFormat() == QPrinter::PdfFormat && !FPrinter.outputFileName().isEmpty())
        QFile::remove(FPrinter.outputFileName());
}

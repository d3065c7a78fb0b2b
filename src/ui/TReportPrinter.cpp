#include "ui/TReportPrinter.h"

#include "printing/TJobDevice.h"

#include <QFileDialog>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

namespace {

QString AskForPdfFile(QWidget *parent)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Print to PDF file"), QString(),
                                        QStringLiteral("PDF files (*.pdf *.PDF)"));
}

QPageLayout InInches(const QPageLayout &layout)
{
    QPageLayout inches(layout);
    inches.setUnits(QPageLayout::Inch);
    return inches;
}

} // namespace

TReportPrinter::TReportPrinter() : ChooseOutputFile(AskForPdfFile), FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        FPrinter->setOutputFormat(QPrinter::PdfFormat);
    else
        FPrinter->setPrinterName(defaultPrinter.printerName());
    FPrinter->setDocName(QStringLiteral("Quandrel"));
    SetPortrait();
    Reset();
}

TReportPrinter::~TReportPrinter() = default;

QStringList TReportPrinter::PrinterNames()
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names << PdfPrinterName();
    return names;
}

QString TReportPrinter::PrinterName() const
{
    return IsPdfFile() ? PdfPrinterName() : FPrinter->printerName();
}

void TReportPrinter::SelectPrinter(const QString &name)
{
    if (name == PdfPrinterName()) {
        FPrinter->setOutputFormat(QPrinter::PdfFormat);
    } else if (QPrinterInfo::availablePrinterNames().contains(name)) {
        FPrinter->setOutputFormat(QPrinter::NativeFormat);
        FPrinter->setPrinterName(name);
    } else {
        return;
    }
    Reset();
}

bool TReportPrinter::IsPdfFile() const
{
    return FPrinter->outputFormat() == QPrinter::PdfFormat;
}

QString TReportPrinter::OutputFileName() const
{
    return FPrinter->outputFileName();
}

void TReportPrinter::SetOutputFileName(const QString &fileName)
{
    FPrinter->setOutputFileName(fileName);
}

void TReportPrinter::SelectPapersize(int papersize)
{
    FPrinter->setPageSize(TJobDevice::PageSizeOf(papersize));
    Reset();
}

QSizeF TReportPrinter::PaperInches() const
{
    return InInches(FPrinter->pageLayout()).fullRect().size();
}

void TReportPrinter::SetPortrait()
{
    FPrinter->setPageOrientation(QPageLayout::Portrait);
}

void TReportPrinter::SetCopies(int copies)
{
    FCopies = std::max(1, copies);
}

void TReportPrinter::Reset()
{
    FPrinter->setFullPage(false);
    const QPageLayout layout = InInches(FPrinter->pageLayout());
    FPrinter->setPageMargins(layout.minimumMargins(), QPageLayout::Inch);
}

double TReportPrinter::BottomMarginInches() const
{
    return InInches(FPrinter->pageLayout()).margins().bottom();
}

bool TReportPrinter::PrintDialog(QWidget *parent)
{
    FPrinter->setCopyCount(FCopies);
    QPrintDialog dialog(FPrinter.get(), parent);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    if (accepted)
        SetCopies(FPrinter->copyCount());
    FPrinter->setCopyCount(1);
    Reset();
    return accepted;
}

void TReportPrinter::PrinterSetupDialog(QWidget *parent)
{
    QPrintDialog dialog(FPrinter.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    // The copies are chosen for each job, not here.
    const int copies = FPrinter->copyCount();
    dialog.exec();
    FPrinter->setCopyCount(copies);
    Reset();
}

bool TReportPrinter::EnsureOutputFile(QWidget *parent)
{
    if (!IsPdfFile() || !OutputFileName().isEmpty())
        return true;
    const QString fileName = ChooseOutputFile ? ChooseOutputFile(parent) : QString();
    if (fileName.isEmpty())
        return false;
    SetOutputFileName(fileName);
    return true;
}

#pragma once

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

// The main window's printer for the whole run: which printer (a CUPS queue
// or "PDF file", which is always there), its paper, the copies asked for and
// the system print and printer setup dialogs. Positions are measured from
// the paper's corner; the printer's printable area is read again by Reset.
class TReportPrinter
{
public:
    static QString PdfPrinterName() { return QStringLiteral("PDF file"); }

    // The system's default printer, or "PDF file" when there is none.
    TReportPrinter();
    ~TReportPrinter();
    TReportPrinter(const TReportPrinter &) = delete;
    TReportPrinter &operator=(const TReportPrinter &) = delete;

    QPrinter &Printer() { return *FPrinter; }

    // Every CUPS queue, then "PDF file".
    static QStringList PrinterNames();
    QString PrinterName() const;
    // An unknown name keeps the current printer.
    void SelectPrinter(const QString &name);
    bool IsPdfFile() const;
    QString OutputFileName() const;
    void SetOutputFileName(const QString &fileName);

    // The layout's paper code: 1 Letter, every other code A4.
    void SelectPapersize(int papersize);
    QSizeF PaperInches() const;
    void SetPortrait();

    // The copies the next job is asked for.
    int Copies() const { return FCopies; }
    void SetCopies(int copies);

    // Takes the current printer's printable area again: the margins become
    // the smallest the printer allows.
    void Reset();
    // Inches between the printable area and the paper's bottom edge.
    double BottomMarginInches() const;

    // The system print dialog; on OK its copies become Copies.
    bool PrintDialog(QWidget *parent);
    // The system dialog that chooses the printer for later jobs.
    void PrinterSetupDialog(QWidget *parent);
    // "PDF file" needs a file to print into; asks for one when none is set.
    // False when the user gives none.
    bool EnsureOutputFile(QWidget *parent);
    // How EnsureOutputFile asks; a save-file dialog unless replaced.
    std::function<QString(QWidget *parent)> ChooseOutputFile;

private:
    std::unique_ptr<QPrinter> FPrinter;
    int FCopies = 1;
};

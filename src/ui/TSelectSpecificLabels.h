#pragma once

#include "printing/TPrintPositions.h"

#include <QDialog>

class QLabel;
class QSpinBox;
class TReportPrinter;
class TSheetPicture;
struct TCardLayout;

// "Print Cards": which positions of the sheet print, how many sheets and on
// which printer. The dialog works on a copy of the selection; the caller
// takes Positions() back on OK.
class TSelectSpecificLabels : public QDialog
{
public:
    TSelectSpecificLabels(QWidget *parent, TReportPrinter &printer, const TCardLayout &layout,
                          const TPrintPositions &positions);

    const TPrintPositions &Positions() const;
    TSheetPicture &SheetPicture() const { return *FSheet; }

    // Sets the printer's copies from the pages field in any case, then
    // refuses an empty selection with a message and stays open.
    void accept() override;

private:
    void ShowPrinterName();
    void SetAll(bool selected);

    TReportPrinter &FPrinter;
    TSheetPicture *FSheet;
    QSpinBox *FPages;
    QLabel *FPrinterName;
};

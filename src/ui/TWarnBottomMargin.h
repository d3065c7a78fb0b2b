#pragma once

#include <QDialog>

class QCheckBox;
class QString;
class TPrintPositions;
struct TCardLayout;

// "ALERT": the printer cannot print as close to the paper's bottom edge as
// the last row of cards needs. The user prints on or cancels, and may turn
// the warning off for good.
class TWarnBottomMargin : public QDialog
{
public:
    // How close to the bottom edge cards need to print.
    static constexpr double NeededBottomMargin = 0.5;

    TWarnBottomMargin(QWidget *parent, double bottomMarginInches);

    // Whether the warning applies: the printer's bottom margin is above 0.5
    // inch, every position of the layout's last row is selected, and the
    // warning is switched on.
    static bool NeedsWarning(double bottomMarginInches, const TCardLayout &layout, const TPrintPositions &positions,
                             bool warningSwitch);
    // " 0.600 inches": a blank, three decimals and the unit.
    static QString InchesText(double inches);

    bool DontShowAgain() const;
    // Only "Cancel Printing" (or Escape) cancels; closing the window in
    // any other way prints.
    bool CancelPrinting() const { return FCancelPrinting; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QCheckBox *FDontShow;
    bool FCancelPrinting = false;
};

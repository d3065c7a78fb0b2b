#pragma once

#include "core/TPrinterNudges.h"

#include <QDialog>
#include <array>

class QLabel;
class QString;
class QVBoxLayout;

// "Printer Fine-Tuning": the four nudges of 1/32 inch, each stepped with
// its own arrows between -8 and +8. The dialog works on a copy; the caller
// takes Nudges() back on OK.
class TPrintFineTune : public QDialog
{
public:
    static constexpr int Smallest = -8;
    static constexpr int Largest = 8;

    TPrintFineTune(QWidget *parent, const TPrinterNudges &nudges);

    const TPrinterNudges &Nudges() const { return FNudges; }

    // "Decrease by 3/32"", "None", "Increase by 5/32"". A value from the
    // settings file beyond ±8 reads the same way.
    static QString ValueText(int nudge);
    // The up arrow moves printing up, left or closer: one step less while
    // the value is above -8. The down arrow one step more while below 8.
    static int Up(int nudge);
    static int Down(int nudge);

private:
    void AddPanel(QVBoxLayout &layout, const QString &name, const QString &title, const QString &help, int &nudge, int index);
    void ShowValues();
    void DefaultButtonClick();

    TPrinterNudges FNudges;
    std::array<QLabel *, 4> FValueLabels{};
    std::array<int *, 4> FValues{};
};

#pragma once

#include <QString>
#include <functional>
#include <memory>

class QByteArray;
class QWidget;
class TGBasePanel;
class TJobDevice;
class TPrintPositions;
class TReportPrinter;
class TSettingsFile;
struct TLabelJobParameters;
struct TPreferences;

// The main window's printing commands: "&Print", "Pre&view", "Print
// O&utline Test Page", "Printer S&etup" and "Printer Fine &Tuning". They
// read and change the state the main window keeps for the whole run (card
// layout, nudges and bottom-margin warning switch in the preferences, the
// selected positions, the design's background art), which must outlive
// this object. The report printer lives here.
class TPrintCommands
{
public:
    TPrintCommands(QWidget &mainWindow, TGBasePanel &cardPanel, TPreferences &preferences,
                   TPrintPositions &positions, const QString &backgroundFileName, const TSettingsFile &settings);
    ~TPrintCommands();
    TPrintCommands(const TPrintCommands &) = delete;
    TPrintCommands &operator=(const TPrintCommands &) = delete;

    // Paper from the layout, the card selection dialog, the bottom-margin
    // check, then the job on the current printer.
    void Print();
    // One card, recorded and shown in the preview window.
    void Preview();
    // The card frames only, after the system print dialog.
    void PrintOutlineTestPage();
    void PrinterSetup();
    // The nudges dialog; on OK the settings are saved.
    void FineTuning();

    TReportPrinter &ReportPrinter() const { return *FPrinter; }

    // How the settings are saved after fine tuning or when the bottom-margin
    // warning is turned off; the preferences go to the settings file unless
    // the main window saves them its own way.
    std::function<void()> OnSavePreferences;

private:
    bool DoPageSetup();
    bool BottomMarginAllowsPrinting();
    void DoPrint(bool printing, bool outline);
    TLabelJobParameters JobParameters(bool printing, bool outline);
    bool RunStatusWindow(const TLabelJobParameters &parameters, TJobDevice &device);
    void ShowPreview(const QByteArray &stream);
    void SavePreferences();

    QWidget &FMainWindow;
    TGBasePanel &FCardPanel;
    TPreferences &FPreferences;
    TPrintPositions &FPositions;
    const QString &FBackgroundFileName;
    const TSettingsFile &FSettings;
    std::unique_ptr<TReportPrinter> FPrinter;
};

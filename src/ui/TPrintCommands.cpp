#include "ui/TPrintCommands.h"

#include "core/TDesign.h"
#include "core/TPreferences.h"
#include "core/TSettingsFile.h"
#include "platform/EQuandrelError.h"
#include "printing/TLabelJobParameters.h"
#include "printing/TRecordingJobDevice.h"
#include "ui/TFormPlacement.h"
#include "ui/TGBasePanel.h"
#include "ui/TLabelPrinter.h"
#include "ui/TPreviewForm.h"
#include "ui/TPrintFineTune.h"
#include "ui/TPrinterJobDevice.h"
#include "ui/TReportPrinter.h"
#include "ui/TSelectSpecificLabels.h"
#include "ui/TWarnBottomMargin.h"

#include <QApplication>
#include <QMessageBox>
#include <QPrinter>

namespace {

// Objects print from their positions at zoom 1.0; the view gets its zoom
// back however the job ends.
class TZoomGuard
{
public:
    explicit TZoomGuard(TGBasePanel &panel) : FPanel(panel), FZoom(panel.Zoom()) { FPanel.SetZoom(1.0f); }
    ~TZoomGuard() { FPanel.SetZoom(FZoom); }
    TZoomGuard(const TZoomGuard &) = delete;
    TZoomGuard &operator=(const TZoomGuard &) = delete;

private:
    TGBasePanel &FPanel;
    float FZoom;
};

void ShowError(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, QApplication::applicationName(), message);
}

} // namespace

TPrintCommands::TPrintCommands(QWidget &mainWindow, TGBasePanel &cardPanel, TPreferences &preferences,
                               TPrintPositions &positions, const QString &backgroundFileName,
                               const TSettingsFile &settings)
    : FMainWindow(mainWindow), FCardPanel(cardPanel), FPreferences(preferences), FPositions(positions),
      FBackgroundFileName(backgroundFileName), FSettings(settings), FPrinter(std::make_unique<TReportPrinter>())
{
}

TPrintCommands::~TPrintCommands() = default;

void TPrintCommands::Print()
{
    FPrinter->SelectPapersize(FPreferences.Layout.Papersize);
    FCardPanel.SetPreviewing(false);
    if (!DoPageSetup())
        return;
    FPrinter->Reset();
    QCoreApplication::processEvents();
    if (!BottomMarginAllowsPrinting())
        return;
    DoPrint(true, false);
}

void TPrintCommands::Preview()
{
    FPrinter->SelectPapersize(FPreferences.Layout.Papersize);
    FCardPanel.SetPreviewing(true);
    DoPrint(false, false);
}

void TPrintCommands::PrintOutlineTestPage()
{
    if (FPrinter->PrintDialog(&FMainWindow))
        DoPrint(true, true);
}

void TPrintCommands::PrinterSetup()
{
    FPrinter->PrinterSetupDialog(&FMainWindow);
}

void TPrintCommands::FineTuning()
{
    TPrintFineTune dialog(&FMainWindow, FPreferences.Nudges);
    TFormPlacement::CenterForm(dialog, &FMainWindow);
    if (dialog.exec() != QDialog::Accepted)
        return;
    FPreferences.Nudges = dialog.Nudges();
    SavePreferences();
}

bool TPrintCommands::DoPageSetup()
{
    TSelectSpecificLabels dialog(&FMainWindow, *FPrinter, FPreferences.Layout, FPositions);
    TFormPlacement::CenterForm(dialog, &FMainWindow);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    FPositions = dialog.Positions();
    return true;
}

bool TPrintCommands::BottomMarginAllowsPrinting()
{
    const double bottom = FPrinter->BottomMarginInches();
    if (!TWarnBottomMargin::NeedsWarning(bottom, FPreferences.Layout, FPositions,
                                         FPreferences.ShowBottomMarginWarning))
        return true;
    TWarnBottomMargin warning(&FMainWindow, bottom);
    TFormPlacement::CenterForm(warning, &FMainWindow);
    warning.exec();
    if (warning.DontShowAgain()) {
        FPreferences.ShowBottomMarginWarning = false;
        SavePreferences();
    }
    return !warning.CancelPrinting();
}

void TPrintCommands::DoPrint(bool printing, bool outline)
{
    if (printing && !FPrinter->EnsureOutputFile(&FMainWindow))
        return;
    const TZoomGuard zoom(FCardPanel);
    QCoreApplication::processEvents();
    const TLabelJobParameters parameters = JobParameters(printing, outline);
    if (printing) {
        TPrinterJobDevice device(FPrinter->Printer());
        RunStatusWindow(parameters, device);
        return;
    }
    TRecordingJobDevice recorder(FPrinter->PaperInches(), FPrinter->Printer().resolution());
    if (RunStatusWindow(parameters, recorder))
        ShowPreview(recorder.Stream());
}

TLabelJobParameters TPrintCommands::JobParameters(bool printing, bool outline)
{
    TLabelJobParameters parameters = TLabelJobParameters::FromLayout(FPreferences.Layout, FPreferences.Nudges);
    // The copies asked for are the sheets; the job decides whether the
    // driver makes them.
    parameters.SheetCount = FPrinter->Copies();
    FPrinter->SetCopies(1);
    parameters.Selection = FPositions;
    parameters.Outline = outline;
    parameters.BackgroundFile = FBackgroundFileName;
    parameters.Printing = printing;
    return parameters;
}

bool TPrintCommands::RunStatusWindow(const TLabelJobParameters &parameters, TJobDevice &device)
{
    TLabelPrinter status(&FMainWindow, FCardPanel.Design(), parameters, device);
    TFormPlacement::CenterForm(status, &FMainWindow);
    status.exec();
    return !status.Aborted();
}

void TPrintCommands::ShowPreview(const QByteArray &stream)
{
    try {
        TPreviewForm preview(&FMainWindow, stream, &FSettings);
        preview.setWindowTitle(QStringLiteral("Preview Business Cards"));
        preview.exec();
    } catch (const EQuandrelError &e) {
        ShowError(&FMainWindow, e.message());
    }
}

void TPrintCommands::SavePreferences()
{
    try {
        if (OnSavePreferences)
            OnSavePreferences();
        else
            FSettings.SavePreferences(FPreferences);
    } catch (const EQuandrelError &e) {
        ShowError(&FMainWindow, e.message());
    }
}

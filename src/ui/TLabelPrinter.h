#pragma once

#include "printing/TLabelJobParameters.h"

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;
class TDesign;
class TJobDevice;
class TLabelPrintJob;
class TReportJob;

// The status window of a print or preview job. It runs the job as soon as
// it is shown, tells which page and card are being drawn, lets the user
// cancel (printing, after a question) or stop (preview), and stays open
// with the outcome until its button, now "OK", is pressed.
class TLabelPrinter : public QDialog
{
public:
    TLabelPrinter(QWidget *parent, TDesign &design, TLabelJobParameters parameters, TJobDevice &device);
    ~TLabelPrinter() override;

    // Whether the job was cancelled, stopped or failed.
    bool Aborted() const { return FAborted; }
    bool Finished() const { return FFinished; }
    // The status text as the job wrote it, line breaks as "\r".
    const QString &StatusText() const { return FStatusText; }

    // Escape and closing the window act as the button.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void RunJob();
    void CancelButtonClick();
    void SetStatus(const QString &text);

    TDesign &FDesign;
    TLabelJobParameters FParameters;
    TJobDevice &FDevice;
    QLabel *FStatusLabel;
    QLabel *FExtraLabel;
    QPushButton *FCancelButton;
    QString FStatusText;
    TReportJob *FJob = nullptr;
    TLabelPrintJob *FLabels = nullptr;
    bool FStarted = false;
    bool FFinished = false;
    bool FAborted = false;
};

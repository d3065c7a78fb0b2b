#include "ui/TLabelPrinter.h"

#include "platform/EQuandrelError.h"
#include "printing/TLabelPrintJob.h"
#include "printing/TReportJob.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <exception>

namespace {

void ProcessPendingMessages()
{
    QCoreApplication::processEvents();
}

} // namespace

TLabelPrinter::TLabelPrinter(QWidget *parent, TDesign &design, TLabelJobParameters parameters, TJobDevice &device)
    : QDialog(parent), FDesign(design), FParameters(std::move(parameters)), FDevice(device)
{
    setWindowTitle(QStringLiteral("Print Status Screen"));
    FStatusLabel = new QLabel(this);
    FStatusLabel->setObjectName(QStringLiteral("RStatusLabel"));
    FStatusLabel->setAlignment(Qt::AlignCenter);
    FStatusLabel->setMinimumSize(320, 110);
    FExtraLabel = new QLabel(this);
    FExtraLabel->setObjectName(QStringLiteral("Extralabel"));
    FExtraLabel->setAlignment(Qt::AlignCenter);
    FCancelButton = new QPushButton(FParameters.Printing ? QStringLiteral("Cancel") : QStringLiteral("Stop"), this);
    FCancelButton->setObjectName(QStringLiteral("CancelButton"));
    connect(FCancelButton, &QPushButton::clicked, this, [this] { CancelButtonClick(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(FStatusLabel);
    layout->addWidget(FExtraLabel);
    layout->addWidget(FCancelButton, 0, Qt::AlignHCenter);
}

TLabelPrinter::~TLabelPrinter() = default;

void TLabelPrinter::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (FStarted)
        return;
    FStarted = true;
    // Runs once the window is on the screen and its modal loop is going.
    QTimer::singleShot(0, this, [this] { RunJob(); });
}

void TLabelPrinter::RunJob()
{
    setWindowTitle(FParameters.Printing ? QStringLiteral("Print Status ") : QStringLiteral("Preview Status"));
    TReportJob job(FDevice);
    job.OnStatusChanged = [this](const QString &text) { SetStatus(text); };
    TLabelPrintJob labels(FDesign, FParameters);
    labels.OnCardLabel = [this](const QString &card) { FExtraLabel->setText(card); };
    labels.OnIdle = ProcessPendingMessages;
    FJob = &job;
    FLabels = &labels;
    QString failure;
    try {
        labels.Execute(job);
    } catch (const EQuandrelError &e) {
        failure = e.message();
    } catch (const std::exception &e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    // A job that failed delivered nothing: it ends as cancelled, never as
    // "completed".
    if (!failure.isEmpty())
        job.Abort();
    ProcessPendingMessages();
    FJob = nullptr;
    FLabels = nullptr;
    FAborted = job.Aborted();
    FFinished = true;
    FExtraLabel->clear();
    FCancelButton->setText(QStringLiteral("OK"));
    FCancelButton->setDefault(true);
    SetStatus(labels.FinalText(FAborted));
    if (!failure.isEmpty())
        QMessageBox::critical(this, QApplication::applicationName(), failure);
}

void TLabelPrinter::CancelButtonClick()
{
    if (FFinished) {
        accept();
        return;
    }
    if (!FJob)
        return;
    if (!FParameters.Printing) {
        FLabels->RequestStop();
        FJob->Abort();
        FJob->StatusFormat = QStringLiteral("\rCancelling...!");
        FJob->UpdateStatus();
        ProcessPendingMessages();
        return;
    }
    QMessageBox question(QMessageBox::Information, QStringLiteral("CANCEL"),
                         QStringLiteral("Cancel Business Card Printing?"), QMessageBox::Yes | QMessageBox::No, this);
    if (question.exec() == QMessageBox::Yes && FJob)
        FJob->Abort();
}

void TLabelPrinter::reject()
{
    if (FStarted && !FFinished)
        CancelButtonClick();
    else
        QDialog::reject();
}

void TLabelPrinter::SetStatus(const QString &text)
{
    FStatusText = text;
    FStatusLabel->setText(QString(text).replace(u'\r', u'\n'));
}

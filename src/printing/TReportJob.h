#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class TJobDevice;
class TReport;

// One print job on a device, drawn through a report in inches: the title,
// copies, page count and status line of the job, its before-print and print
// events, new pages and aborting.
class TReportJob
{
public:
    explicit TReportJob(TJobDevice &device);
    ~TReportJob();
    TReportJob(const TReportJob &) = delete;
    TReportJob &operator=(const TReportJob &) = delete;

    QString Title = QStringLiteral("Quandrel");
    // Called once each, in this order; OnBeforePrint before the document
    // starts, so that copies set there reach the device in time.
    std::function<void()> OnBeforePrint;
    std::function<void()> OnPrint;

    // The status line is StatusFormat with "%p" replaced by the current page
    // number and "%0", "%1" by the first two lines of StatusText. It is
    // written at each new page and on UpdateStatus.
    QString StatusFormat;
    QStringList StatusText;
    std::function<void(const QString &)> OnStatusChanged;
    QString StatusLine() const;
    void UpdateStatus();

    int MaxCopies() const;
    int Copies() const;
    void SetCopies(int copies);

    // Runs the events inside one document and delivers it, or discards it
    // when the job was aborted or an event failed (the failure propagates).
    void Execute();
    // The report of the running job; only valid inside OnPrint.
    TReport &Report();
    // The first page is 1.
    int CurrentPage() const { return FCurrentPage; }
    void NewPage();
    // From now on the job draws nothing and its document is discarded.
    void Abort();
    bool Aborted() const { return FAborted; }

private:
    TJobDevice &FDevice;
    std::unique_ptr<TReport> FReport;
    int FCurrentPage = 0;
    bool FAborted = false;
};

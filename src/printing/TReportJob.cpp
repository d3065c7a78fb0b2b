#include "printing/TReportJob.h"

#include "platform/EQuandrelError.h"
#include "platform/TReport.h"
#include "printing/TJobDevice.h"

TReportJob::TReportJob(TJobDevice &device) : FDevice(device) {}

TReportJob::~TReportJob() = default;

QString TReportJob::StatusLine() const
{
    QString line;
    const QString &format = StatusFormat;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar next = i + 1 < format.size() ? format[i + 1] : QChar();
        if (format[i] != u'%' || (next != u'p' && next != u'0' && next != u'1')) {
            line += format[i];
            continue;
        }
        if (next == u'p')
            line += QString::number(FCurrentPage);
        else
            line += StatusText.value(next.digitValue());
        ++i;
    }
    return line;
}

void TReportJob::UpdateStatus()
{
    if (OnStatusChanged)
        OnStatusChanged(StatusLine());
}

int TReportJob::MaxCopies() const
{
    return FDevice.MaxCopies();
}

int TReportJob::Copies() const
{
    return FDevice.Copies();
}

void TReportJob::SetCopies(int copies)
{
    FDevice.SetCopies(copies);
}

void TReportJob::Execute()
{
    FAborted = false;
    FCurrentPage = 0;
    if (OnBeforePrint)
        OnBeforePrint();
    try {
        QPainter &painter = FDevice.BeginDocument(Title);
        FReport = std::make_unique<TReport>(painter, FDevice.Resolution(), FDevice.Resolution(),
                                            FDevice.DeviceOriginInches());
        FCurrentPage = 1;
        UpdateStatus();
        if (OnPrint)
            OnPrint();
    } catch (...) {
        FReport.reset();
        FDevice.AbortDocument();
        throw;
    }
    FReport.reset();
    if (FAborted)
        FDevice.AbortDocument();
    else
        FDevice.EndDocument();
}

TReport &TReportJob::Report()
{
    if (!FReport)
        throw EQuandrelError(QStringLiteral("No print job is running."));
    return *FReport;
}

void TReportJob::NewPage()
{
    if (FAborted || !FReport)
        return;
    FDevice.NewPage();
    ++FCurrentPage;
    UpdateStatus();
}

void TReportJob::Abort()
{
    FAborted = true;
    if (FReport)
        FReport->Abort();
}

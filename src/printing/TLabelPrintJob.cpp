#include "printing/TLabelPrintJob.h"

#include "core/TDesign.h"
#include "objects/graphics/TDidedErero.h"
#include "objects/graphics/TGVodirOriz.h"
#include "platform/TReport.h"
#include "printing/TReportJob.h"

namespace {

// The design's objects see Printing set for the whole loop and cleared
// again however it ends.
class TPrintingGuard
{
public:
    explicit TPrintingGuard(TDesign &design) : FDesign(design) { FDesign.SetPrinting(true); }
    ~TPrintingGuard() { FDesign.SetPrinting(false); }
    TPrintingGuard(const TPrintingGuard &) = delete;
    TPrintingGuard &operator=(const TPrintingGuard &) = delete;

private:
    TDesign &FDesign;
};

} // namespace

TLabelPrintJob::TLabelPrintJob(TDesign &design, TLabelJobParameters parameters)
    : FDesign(design), FParameters(std::move(parameters))
{
}

void TLabelPrintJob::Execute(TReportJob &job)
{
    FBackground.Load(FParameters.BackgroundFile);
    job.OnBeforePrint = [this, &job] { BeforePrintLabels(job); };
    job.OnPrint = [this, &job] { PrintLabels(job); };
    job.Execute();
}

void TLabelPrintJob::BeforePrintLabels(TReportJob &job)
{
    // A driver that makes copies itself gets the sheets as copies, so the
    // card is drawn only once.
    if (FParameters.Printing && FParameters.SheetCount > 1 && job.MaxCopies() > 1) {
        job.SetCopies(FParameters.SheetCount);
        FParameters.SheetCount = 1;
    }
    job.StatusFormat = FParameters.Printing ? QStringLiteral("Printing Page %p\r%0\r%1")
                                            : QStringLiteral("Preparing Preview Page %p\r%0\r%1");
    job.StatusText << QString() << QString();
}

void TLabelPrintJob::PrintLabels(TReportJob &job)
{
    const TPrintingGuard printing(FDesign);
    TReport &report = job.Report();
    const int across = FParameters.Across;
    const int down = FParameters.Down;
    if (across < 1 || down < 1)
        return;
    int row = 0;
    int column = 0;
    // A cancelled job would draw nothing more anyway, so it ends at once.
    while (!FStopRequested && !job.Aborted()) {
        if (!FParameters.Printing && (row != 0 || column != 0))
            break;
        if (row == down) {
            // Compared with >= so that a sheet count below 1 still ends.
            if (job.CurrentPage() >= FParameters.SheetCount)
                break;
            job.NewPage();
            row = 0;
        }
        PrintPosition(report, row, column);
        if (++column == across) {
            column = 0;
            ++row;
        }
    }
}

void TLabelPrintJob::PrintPosition(TReport &report, int row, int column)
{
    const int index = row * FParameters.Across + column;
    if (!FParameters.Selection.Selected(index))
        return;
    const QPointF origin = FParameters.CardOrigin(row, column);
    if (OnCardLabel)
        OnCardLabel(QStringLiteral("Card ") + QString::number(index + 1));
    Idle();
    if (FParameters.Outline)
        report.Rectangle(origin.x(), origin.y(), origin.x() + FParameters.CardWidth,
                         origin.y() + FParameters.CardHeight);
    else
        PrintCard(report, origin.x(), origin.y());
    Idle();
}

void TLabelPrintJob::PrintCard(TReport &report, double x, double y)
{
    const double width = FParameters.CardWidth;
    const double height = FParameters.CardHeight;
    FBackground.Print(report, x, y, width, height);
    if (!FParameters.Printing) {
        report.SetBrush(TColors::clWhite, TBrushStyle::bsClear);
        report.SetPen(TColors::clSilver, TPenStyle::psSolid, -1, TPenMode::pmCopy);
        report.Rectangle(x, y, x + width, y + height);
    }
    FDesign.PrintObjects(report, x, y);
}

void TLabelPrintJob::Idle()
{
    if (OnIdle)
        OnIdle();
}

bool TLabelPrintJob::IsComplex(const TDesign &design)
{
    for (int i = 0; i < design.Count(); ++i) {
        const TGGraphicControl *object = design.At(i);
        if (dynamic_cast<const TDidedErero *>(object) || dynamic_cast<const TGVodirOriz *>(object))
            return true;
    }
    return false;
}

QString TLabelPrintJob::CompletionText(bool printing, bool complex)
{
    if (printing && complex)
        return QStringLiteral("Print job completed and sent to printer!\r\rNote: this design contains complex "
                              "shapes or text.\rPlease be patient while the printer produces its\routput...");
    if (printing)
        return QStringLiteral("Print job completed and sent to printer!");
    if (complex)
        return QStringLiteral("Business Card preview ready to view!\r\rNote: To save time, only a single card is "
                              "previewed\r\r** This design contains complex shapes or text.\rPlease be patient "
                              "while the previewer prepares\rthe viewing page");
    return QStringLiteral("\rBusiness Card preview ready!\r\rNote: To save time, only a single card is previewed");
}

QString TLabelPrintJob::CanceledText(bool printing)
{
    return printing ? QStringLiteral("\rBusiness Card Print Canceled!")
                    : QStringLiteral("\rBusiness Card Preview Canceled!");
}

QString TLabelPrintJob::FinalText(bool aborted) const
{
    if (aborted)
        return CanceledText(FParameters.Printing);
    return CompletionText(FParameters.Printing, IsComplex(FDesign));
}

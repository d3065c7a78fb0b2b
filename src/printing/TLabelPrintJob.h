#pragma once

#include "printing/TBackgroundArt.h"
#include "printing/TLabelJobParameters.h"

#include <QString>
#include <functional>

class TDesign;
class TReport;
class TReportJob;

// The page loop of a card sheet job: every selected position of every sheet
// gets the background art and the design's objects at its place, or only
// its frame on the outline test page; a preview draws the first position
// alone, framed in silver.
class TLabelPrintJob
{
public:
    TLabelPrintJob(TDesign &design, TLabelJobParameters parameters);

    // Shows which card is being drawn ("Card 7").
    std::function<void(const QString &)> OnCardLabel;
    // Called after each card and before drawing it, so that windows can
    // repaint and a cancel button be pressed.
    std::function<void()> OnIdle;

    // Loads the background art and runs the job on the report job, whose
    // events this job takes over.
    void Execute(TReportJob &job);
    void BeforePrintLabels(TReportJob &job);
    void PrintLabels(TReportJob &job);

    // A preview's Stop: the loop ends before the next card.
    void RequestStop() { FStopRequested = true; }
    const TLabelJobParameters &Parameters() const { return FParameters; }
    const TBackgroundArt &Background() const { return FBackground; }

    // Special-effects shapes and text take long to print; the completion
    // message warns of them.
    static bool IsComplex(const TDesign &design);
    static QString CompletionText(bool printing, bool complex);
    static QString CanceledText(bool printing);
    // The status text once the job is over.
    QString FinalText(bool aborted) const;

private:
    void PrintPosition(TReport &report, int row, int column);
    void PrintCard(TReport &report, double x, double y);
    void Idle();

    TDesign &FDesign;
    TLabelJobParameters FParameters;
    TBackgroundArt FBackground;
    bool FStopRequested = false;
};

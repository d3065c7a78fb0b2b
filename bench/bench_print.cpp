// Prints a card of 50 mixed objects 10-up on a Letter sheet into a PDF file
// several times and reports the median time per sheet and the file's size.
// With a file name as argument the last sheet is kept there, to look at.
#include "support/SampleDesign.h"

#include "core/TDesign.h"
#include "core/TPrinterNudges.h"
#include "printing/TCardLayout.h"
#include "printing/TLabelPrintJob.h"
#include "printing/TPdfJobDevice.h"
#include "printing/TReportJob.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int ObjectCount = 50;
constexpr int Runs = 11;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    // Text needs fonts, and fonts need a GUI application; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    const QStringList arguments = QGuiApplication::arguments();
    const QString fileName = arguments.size() > 1 ? arguments[1] : folder.filePath(QStringLiteral("sheet.pdf"));
    TDesign design;
    SampleDesign::FillWithMixedObjects(design, ObjectCount);
    const TLabelJobParameters parameters = TLabelJobParameters::FromLayout(TCardLayout(), TPrinterNudges());

    std::vector<double> seconds;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        TPdfJobDevice device(fileName, TCardLayout::PapersizeLetter);
        TReportJob report(device);
        TLabelPrintJob job(design, parameters);
        job.Execute(report);
        seconds.push_back(double(timer.nsecsElapsed()) / 1e9);
    }
    std::printf("%d mixed objects, 10-up on Letter into a PDF, median of %d runs\n", ObjectCount, Runs);
    std::printf("time per sheet: %.3f s\n", Median(seconds));
    std::printf("PDF size: %lld bytes\n", static_cast<long long>(QFileInfo(fileName).size()));
    return 0;
}

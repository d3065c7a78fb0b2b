// Writes and reads a design of 10,000 mixed objects and prints the median
// rate of each direction over several runs.
#include "support/SampleDesign.h"

#include "core/TDesign.h"
#include "core/TGLabelObjectFiler.h"
#include "core/TGGraphicControl.h"
#include "objects/StandardClasses.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int ObjectCount = 10000;
constexpr int Runs = 15;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main()
{
    TDesign design;
    SampleDesign::FillWithMixedObjects(design, ObjectCount);
    std::vector<const TGGraphicControl *> objects;
    for (int i = 0; i < design.Count(); ++i)
        objects.push_back(design.At(i));

    std::vector<double> writeRates, readRates;
    QByteArray stream;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        stream = TGLabelObjectFiler::WriteStream(objects);
        writeRates.push_back(ObjectCount / (double(timer.nsecsElapsed()) / 1e9));

        TDesign reread;
        timer.restart();
        TGLabelObjectFiler(StandardClasses()).ReadStream(stream, reread);
        readRates.push_back(ObjectCount / (double(timer.nsecsElapsed()) / 1e9));
        if (reread.Count() != ObjectCount) {
            std::fprintf(stderr, "read %d objects instead of %d\n", reread.Count(), ObjectCount);
            return 1;
        }
    }
    std::printf("design of %d mixed objects, %lld bytes, median of %d runs\n", ObjectCount,
                static_cast<long long>(stream.size()), Runs);
    std::printf("write: %.0f objects/s\n", Median(writeRates));
    std::printf("read:  %.0f objects/s\n", Median(readRates));
    return 0;
}

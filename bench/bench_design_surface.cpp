// The design surface under load: 500 mixed shapes and lines, painted whole
// at 100 % and 150 %, and a selection of 100 of them dragged over 50 mouse
// moves (each move with the repaint it causes). Prints median times; the
// editor should stay under 8 ms per repaint and 16 ms per drag step.
#include "core/TDesign.h"
#include "objects/graphics/TBCShapes.h"
#include "objects/graphics/TGLineShape.h"
#include "platform/TClock.h"
#include "ui/TGBasePanel.h"
#include "ui/TGHandle.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int ObjectCount = 500;
constexpr int SelectedCount = 100;
constexpr int Repaints = 60;
constexpr int DragMoves = 50;

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double ElapsedMs(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void FillWithShapesAndLines(TDesign &design)
{
    QRandomGenerator random(20240611);
    const TShapeType shapes[] = {TShapeType::stRectangle, TShapeType::stRoundRect, TShapeType::stEllipse};
    for (int i = 0; i < ObjectCount; ++i) {
        const int width = 10 + random.bounded(60);
        const int height = 10 + random.bounded(40);
        const int left = random.bounded(design.Width() - width);
        const int top = random.bounded(design.Height() - height);
        std::unique_ptr<TGGraphicControl> object;
        if (i % 4 == 3) {
            auto line = std::make_unique<TGLineShape>();
            line->SetLineStyle(TLineStyle(i % 4));
            line->Pen().SetWidth(1 + i % 3);
            object = std::move(line);
        } else {
            auto shape = std::make_unique<TBCShapes>();
            shape->SetShape(shapes[i % 3]);
            shape->Pen().SetWidth(1 + i % 4);
            shape->Brush().SetColor(TColor(random.bounded(0x1000000)));
            shape->SetTransparent(i % 5 == 0);
            object = std::move(shape);
        }
        object->SetName(QStringLiteral("Component%1").arg(i));
        object->SetBounds(left, top, width, height);
        object->Loaded();
        design.Add(std::move(object));
    }
}

double MedianRepaintMs(TGBasePanel &panel)
{
    QImage image(panel.size(), QImage::Format_RGB32);
    std::vector<double> times;
    for (int run = 0; run < Repaints; ++run) {
        QElapsedTimer timer;
        timer.start();
        panel.render(&image);
        times.push_back(ElapsedMs(timer));
    }
    return Median(times);
}

void SendMouse(QWidget &target, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, target.mapToGlobal(pos), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                      buttons, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

// Each step: one pointer move over the frame and the repaint it asks for.
double MedianDragStepMs(TGBasePanel &panel, TManualClock &clock, double &releaseMs)
{
    TGHandle &frame = panel.Frame();
    const QPoint start(frame.width() / 2, frame.height() / 2);
    SendMouse(frame, QEvent::MouseButtonPress, start, Qt::LeftButton);
    clock.Advance(20);
    std::vector<double> times;
    for (int step = 1; step <= DragMoves; ++step) {
        const QPoint pos = start + QPoint(step, step / 2);
        QElapsedTimer timer;
        timer.start();
        SendMouse(frame, QEvent::MouseMove, pos, Qt::LeftButton);
        panel.repaint();
        times.push_back(ElapsedMs(timer));
    }
    clock.Advance(200);
    QElapsedTimer timer;
    timer.start();
    SendMouse(frame, QEvent::MouseButtonRelease, start + QPoint(DragMoves, DragMoves / 2), Qt::NoButton);
    QCoreApplication::processEvents();
    panel.repaint();
    releaseMs = ElapsedMs(timer);
    return Median(times);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    TManualClock clock;
    TDesign design;
    FillWithShapesAndLines(design);
    TGBasePanel panel(design, folder.path());
    panel.SetClock(clock);
    panel.SetShowGrid(true);
    panel.SetDrawOutline(true);
    panel.show();
    QCoreApplication::processEvents();

    std::printf("design surface, %d mixed shapes and lines, median of %d repaints\n", ObjectCount, Repaints);
    std::printf("repaint at 100 %%: %.2f ms\n", MedianRepaintMs(panel));
    panel.SetZoom(1.5f);
    std::printf("repaint at 150 %%: %.2f ms\n", MedianRepaintMs(panel));
    panel.SetZoom(1.0f);

    for (int i = 0; i < SelectedCount; ++i)
        panel.Frame().AddToSelection(design.At(i * (ObjectCount / SelectedCount)));
    QCoreApplication::processEvents();
    double releaseMs = 0;
    const double stepMs = MedianDragStepMs(panel, clock, releaseMs);
    std::printf("drag of %d selected objects, median of %d moves: %.2f ms per move\n", SelectedCount, DragMoves,
                stepMs);
    std::printf("release (moving the objects and repainting): %.2f ms\n", releaseMs);
    return 0;
}

#include "platform/TCanvas.h"
#include "platform/TImageReport.h"
#include "support/PixelRuns.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <functional>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
constexpr TColor RedColor = TColors::clRed;

QImage Drawn(QSize size, const std::function<void(TCanvas &)> &draw)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TCanvas canvas(painter);
    draw(canvas);
    return image;
}

int CountNotWhite(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != White;
    return count;
}

} // namespace

class TestCanvas : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void thinLineLeavesOutItsLastPixel_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("lastDrawn");
        for (int width : {0, 1}) {
            const QByteArray w = " width " + QByteArray::number(width);
            QTest::newRow("right" + w) << width << QPoint(2, 3) << QPoint(9, 3) << QPoint(8, 3);
            QTest::newRow("left" + w) << width << QPoint(9, 3) << QPoint(2, 3) << QPoint(3, 3);
            QTest::newRow("down" + w) << width << QPoint(3, 2) << QPoint(3, 9) << QPoint(3, 8);
            QTest::newRow("up" + w) << width << QPoint(3, 9) << QPoint(3, 2) << QPoint(3, 3);
            QTest::newRow("down right" + w) << width << QPoint(1, 1) << QPoint(8, 8) << QPoint(7, 7);
            QTest::newRow("up right" + w) << width << QPoint(1, 8) << QPoint(8, 1) << QPoint(7, 2);
            QTest::newRow("up left" + w) << width << QPoint(8, 8) << QPoint(1, 1) << QPoint(2, 2);
        }
    }
    void thinLineLeavesOutItsLastPixel()
    {
        QFETCH(int, width);
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPoint, lastDrawn);
        const QImage image = Drawn(QSize(12, 12), [&](TCanvas &canvas) {
            canvas.SetPen(TColors::clBlack, TPenStyle::psSolid, width);
            canvas.MoveTo(from.x(), from.y());
            canvas.LineTo(to.x(), to.y());
        });
        QCOMPARE(image.pixel(from), Black);
        QCOMPARE(image.pixel(lastDrawn), Black);
        QCOMPARE(image.pixel(to), White);
        QCOMPARE(CountNotWhite(image), 7);
    }

    void thinLineToItsStartDrawsNothing()
    {
        const QImage image = Drawn(QSize(6, 6), [](TCanvas &canvas) {
            canvas.MoveTo(2, 2);
            canvas.LineTo(2, 2);
        });
        QCOMPARE(CountNotWhite(image), 0);
    }

    void widthOneRectangleOutlinesItsOutermostPixels()
    {
        const QImage image = Drawn(QSize(14, 12), [](TCanvas &canvas) {
            canvas.SetBrush(RedColor, TBrushStyle::bsSolid);
            canvas.Rectangle(2, 3, 10, 8);
        });
        QCOMPARE(PixelRuns::Row(image, 2), QString());
        QCOMPARE(PixelRuns::Row(image, 3), QStringLiteral("2-9"));
        QCOMPARE(PixelRuns::Row(image, 5), QStringLiteral("2-2 3-8 9-9"));
        QCOMPARE(PixelRuns::Row(image, 7), QStringLiteral("2-9"));
        QCOMPARE(PixelRuns::Row(image, 8), QString());
        QCOMPARE(PixelRuns::Column(image, 5), QStringLiteral("3-3 4-6 7-7"));
    }

    // Rows: the pen centred on the box's first and last column, the extra
    // pixel of an even width on the left.
    void widePenIsCentredOnTheOutline_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("x1");
        QTest::addColumn<int>("x2");
        QTest::addColumn<QString>("middleRow");
        QTest::newRow("2 from (1, 1)") << 2 << 1 << 8 << QStringLiteral("0-1 2-5 6-7");
        QTest::newRow("3") << 3 << 2 << 10 << QStringLiteral("1-3 4-7 8-10");
        QTest::newRow("4") << 4 << 3 << 13 << QStringLiteral("1-4 5-9 10-13");
    }
    void widePenIsCentredOnTheOutline()
    {
        QFETCH(int, width);
        QFETCH(int, x1);
        QFETCH(int, x2);
        QFETCH(QString, middleRow);
        const QImage image = Drawn(QSize(16, 20), [&](TCanvas &canvas) {
            canvas.SetPen(TColors::clBlack, TPenStyle::psSolid, width);
            canvas.SetBrush(RedColor, TBrushStyle::bsSolid);
            canvas.Rectangle(x1, 5, x2, 15);
        });
        QCOMPARE(PixelRuns::Row(image, 10), middleRow);
        // The same rule holds across: the top edge's extra pixel lies above.
        const int middle = (x1 + x2) / 2;
        QCOMPARE(image.pixel(middle, 5 - width / 2), Black);
        QCOMPARE(image.pixel(middle, 5 - width / 2 - 1), White);
    }

    void insideFramePenStaysWithinTheBox()
    {
        const auto frame = [](TPenStyle style) {
            return Drawn(QSize(16, 16), [style](TCanvas &canvas) {
                canvas.SetPen(TColors::clBlack, style, 3);
                canvas.SetBrush(RedColor, TBrushStyle::bsSolid);
                canvas.Rectangle(2, 2, 14, 14);
            });
        };
        QCOMPARE(PixelRuns::Row(frame(TPenStyle::psSolid), 8), QStringLiteral("1-3 4-11 12-14"));
        QCOMPARE(PixelRuns::Row(frame(TPenStyle::psInsideFrame), 8), QStringLiteral("2-4 5-10 11-13"));
    }

    void onlyAThinPenIsDashed()
    {
        const QImage image = Drawn(QSize(30, 6), [](TCanvas &canvas) {
            canvas.SetPen(TColors::clBlack, TPenStyle::psDash, 1);
            canvas.MoveTo(0, 1);
            canvas.LineTo(30, 1);
            canvas.SetPen(TColors::clBlack, TPenStyle::psDash, 2);
            canvas.MoveTo(1, 4);
            canvas.LineTo(28, 4);
        });
        QVERIFY(PixelRuns::Row(image, 1).contains(u' '));
        QCOMPARE(PixelRuns::Row(image, 3), PixelRuns::Row(image, 4));
        QVERIFY(!PixelRuns::Row(image, 4).contains(u' '));
    }

    void clearPenFillsTheWholeBox()
    {
        const QImage image = Drawn(QSize(10, 10), [](TCanvas &canvas) {
            canvas.SetPen(TColors::clBlack, TPenStyle::psClear, 1);
            canvas.SetBrush(RedColor, TBrushStyle::bsSolid);
            canvas.Rectangle(1, 2, 6, 5);
        });
        QCOMPARE(PixelRuns::Row(image, 2), QStringLiteral("1-5"));
        QCOMPARE(image.pixel(1, 2), Red);
        QCOMPARE(CountNotWhite(image), 15);
    }

    void imageReportIsAWhitePageAtItsResolution()
    {
        TImageReport page(8.5, 11, 300);
        QCOMPARE(page.Image().size(), QSize(2550, 3300));
        QCOMPARE(page.Image().dotsPerMeterX(), 11811);
        QCOMPARE(page.Image().dotsPerMeterY(), 11811);
        QCOMPARE(page.Image().pixel(1200, 1600), White);
    }

    void reportDrawsInInchesFromThePaperCorner()
    {
        TImageReport page(3, 2, 100);
        page.Report().Rectangle(1, 0.5, 2, 1.25);
        const QImage &image = page.Image();
        QCOMPARE(PixelRuns::Row(image, 80), QStringLiteral("100-100 199-199"));
        QCOMPARE(image.pixel(150, 50), Black);
        QCOMPARE(image.pixel(150, 49), White);
        QCOMPARE(image.pixel(150, 124), Black);
        QCOMPARE(image.pixel(150, 125), White);
    }

    void reportPenWidthInHundredthsOfAnInch_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("column");
        QTest::newRow("one hundredth at 300 dpi") << -1 << QStringLiteral("149-151");
        QTest::newRow("four hundredths") << -4 << QStringLiteral("144-155");
        QTest::newRow("less than a dot stays a dot") << -0 << QStringLiteral("150-150");
        QTest::newRow("positive is device pixels") << 2 << QStringLiteral("149-150");
    }
    void reportPenWidthInHundredthsOfAnInch()
    {
        QFETCH(int, width);
        QFETCH(QString, column);
        TImageReport page(1, 1, 300);
        page.Report().SetPen(TColors::clBlack, TPenStyle::psSolid, width);
        page.Report().MoveTo(0.5, 0.1);
        page.Report().LineTo(0.5, 0.9);
        QCOMPARE(PixelRuns::Row(page.Image(), 150), column);
    }

    void reportThinnestPenIsOneDeviceDot()
    {
        TImageReport page(1, 1, 96);
        page.Report().SetPen(TColors::clBlack, TPenStyle::psSolid, -1);
        page.Report().MoveTo(0.25, 0.5);
        page.Report().LineTo(0.75, 0.5);
        QCOMPARE(PixelRuns::Row(page.Image(), 48), QStringLiteral("24-71"));
        QCOMPARE(PixelRuns::Row(page.Image(), 47), QString());
    }
};

QTEST_GUILESS_MAIN(TestCanvas)
#include "tst_canvas.moc"

#include "core/TDesign.h"
#include "objects/text/TGPLabel.h"
#include "objects/text/TLabelLayout.h"
#include "platform/TReport.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

// 10-point Arial: a 15-pixel cell with 2 pixels of internal leading and no
// external leading, so a line is 17 pixels high.
constexpr int ArialLine = 17;

TLabelLayout::TInput Input(int angle, QSize box, int textWidth = 27)
{
    TLabelLayout::TInput in;
    in.Angle = angle;
    in.LineHeight = ArialLine;
    in.TextWidth = textWidth;
    in.Box = box;
    return in;
}

QImage Rendered(TGGraphicControl &object, int zoomPercent = 100)
{
    QImage image(object.Width() * zoomPercent / 100 + 10, object.Height() * zoomPercent / 100 + 10,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    object.Paint(painter);
    return image;
}

// The bounding box of pixels close to this colour (text edges are smoothed).
QRect PixelsOf(const QImage &image, QRgb colour)
{
    const auto near = [](int a, int b) { return qAbs(a - b) < 70; };
    QRect found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (near(qRed(p), qRed(colour)) && near(qGreen(p), qGreen(colour)) && near(qBlue(p), qBlue(colour)))
                found |= QRect(x, y, 1, 1);
        }
    return found;
}

} // namespace

class TestTextLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newLabelLaysOutItsTextInTenPointArial()
    {
        TGPLabel label;
        const TLabelLayout &layout = label.Layout();
        // The box keeps its width and takes a height between F and 1.2 F.
        QCOMPARE(label.Width(), 142);
        QCOMPARE(label.Height(), int(ArialLine * 1.2));
        QCOMPARE(layout.TextRect, (TRect{0, 0, 142, ArialLine}));
        QCOMPARE(layout.TextOrigin, QPoint(0, 0));
    }

    void layoutPlacesTextAndCopies_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QPoint>("shadow");
        QTest::addColumn<QPoint>("highlight");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<QRect>("textRect"); // as left, top, right, bottom
        QTest::addColumn<QPoint>("textOrigin");
        QTest::addColumn<QPoint>("shadowOrigin");
        QTest::addColumn<QPoint>("highlightOrigin");
        const int left = int(TAlignment::taLeftJustify);
        QTest::newRow("highlight up-left moves the text right and down")
            << 0 << left << QPoint() << QPoint(-3, -3) << QSize(142, 20) << QRect(3, 3, 142, 20) << QPoint(3, 3)
            << QPoint(3, 3) << QPoint(0, 0);
        QTest::newRow("shadow down-right leaves the text at the corner")
            << 0 << left << QPoint(2, 2) << QPoint() << QSize(142, 22) << QRect(0, 0, 142, 17) << QPoint(0, 0)
            << QPoint(2, 2) << QPoint(0, 0);
        QTest::newRow("right alignment ends one space before the edge")
            << 0 << int(TAlignment::taRightJustify) << QPoint() << QPoint() << QSize(142, 20)
            << QRect(0, 0, 142, 17) << QPoint(142 - 27, 0) << QPoint(142 - 27, 0) << QPoint(142 - 27, 0);
        QTest::newRow("centre ignores the left margin")
            << 0 << int(TAlignment::taCenter) << QPoint() << QPoint(-4, 0) << QSize(142, 20)
            << QRect(4, 0, 142, 17) << QPoint(69 - 13, 0) << QPoint(69 - 13, 0) << QPoint(69 - 13 - 4, 0);
        QTest::newRow("quarter turn stands the text on its left edge")
            << 90 << left << QPoint() << QPoint() << QSize(20, 32) << QRect(0, -1, 17, 31) << QPoint(0, 31)
            << QPoint(0, 31) << QPoint(0, 31);
        QTest::newRow("half turn hangs the text from its right end")
            << 180 << left << QPoint() << QPoint() << QSize(54, 20) << QRect(-1, 0, 53, 17) << QPoint(53, 17)
            << QPoint(53, 17) << QPoint(53, 17);
        QTest::newRow("three quarter turn starts at the top right")
            << 270 << left << QPoint(2, 0) << QPoint() << QSize(20, 32) << QRect(0, 0, 17, 32) << QPoint(17, 0)
            << QPoint(17, 2) << QPoint(17, 0);
    }
    void layoutPlacesTextAndCopies()
    {
        QFETCH(int, angle);
        QFETCH(int, alignment);
        QFETCH(QPoint, shadow);
        QFETCH(QPoint, highlight);
        QFETCH(QSize, box);
        QFETCH(QRect, textRect);
        QFETCH(QPoint, textOrigin);
        QFETCH(QPoint, shadowOrigin);
        QFETCH(QPoint, highlightOrigin);
        TLabelLayout::TInput in = Input(angle, box);
        in.Alignment = TAlignment(alignment);
        in.ShadowOffset = shadow;
        in.HighlightOffset = highlight;
        const TLabelLayout out = TLabelLayout::Compute(in);
        QCOMPARE(out.Box, box); // each box above is already the fitted one
        QCOMPARE(out.TextRect, (TRect{textRect.x(), textRect.y(), textRect.width(), textRect.height()}));
        QCOMPARE(out.TextOrigin, textOrigin);
        QCOMPARE(out.ShadowOrigin, shadowOrigin);
        QCOMPARE(out.HighlightOrigin, highlightOrigin);
    }

    void boxFitsTheText_data()
    {
        QTest::addColumn<int>("angle");
        QTest::addColumn<QSize>("before");
        QTest::addColumn<QSize>("after");
        QTest::newRow("upright never narrows, height at most 1.2 F") << 0 << QSize(142, 33) << QSize(142, 20);
        QTest::newRow("upright height at least F") << 0 << QSize(142, 10) << QSize(142, 17);
        QTest::newRow("tiny upright box widens to the text") << 0 << QSize(5, 20) << QSize(27, 20);
        QTest::newRow("half turn shortens to twice the text") << 180 << QSize(142, 20) << QSize(54, 20);
        QTest::newRow("quarter turn shortens to 1.2 T") << 90 << QSize(33, 142) << QSize(20, 32);
        QTest::newRow("quarter turn never lengthens") << 90 << QSize(20, 12) << QSize(20, 12);
        QTest::newRow("quarter turn at least F wide") << 270 << QSize(10, 30) << QSize(17, 30);
    }
    void boxFitsTheText()
    {
        QFETCH(int, angle);
        QFETCH(QSize, before);
        QFETCH(QSize, after);
        QCOMPARE(TLabelLayout::Compute(Input(angle, before)).Box, after);
    }

    void rotationAcceptsQuarterTurnsOnly()
    {
        TGPLabel label;
        label.SetAlignment(TAlignment::taCenter);
        label.SetAngle(45);
        QCOMPARE(label.Angle(), 0);
        QCOMPARE(label.Width(), 142);
        label.SetAngle(90);
        QCOMPARE(label.Angle(), 90);
        QCOMPARE(label.Alignment(), TAlignment::taLeftJustify);
        QCOMPARE(QSize(label.Width(), label.Height()), QSize(33, 142));
        label.SetAngle(270); // already standing: no exchange
        QCOMPARE(QSize(label.Width(), label.Height()), QSize(33, 142));
        label.SetAngle(0);
        QCOMPARE(QSize(label.Width(), label.Height()), QSize(142, 33));
    }

    void fitToTextGrowsButNeverShrinks()
    {
        TGPLabel label;
        label.SetBounds(0, 0, 10, 10);
        label.FitToText();
        const int grown = label.Width();
        QVERIFY(grown > 27); // the text plus five spaces
        QVERIFY(label.Height() >= 15);
        label.SetBounds(0, 0, 300, 60);
        label.FitToText();
        QCOMPARE(QSize(label.Width(), label.Height()), QSize(300, 60));
        label.SetAngle(90);
        label.SetBounds(0, 0, 5, 5);
        label.FitToText();
        QCOMPARE(QSize(label.Width(), label.Height()), QSize(5, 5));
    }

    void shadowAndHighlightDrawUnderTheText()
    {
        TGPLabel label;
        label.SetCaption(QStringLiteral("MMM"));
        label.SetDepthShadow(3);
        label.SetDirectionShadow(TShadowDirection::sdDownRight);
        label.SetcolorShadow(TColors::clRed);
        label.SetDepthHighlight(3);
        label.SetDirectionHighlight(THighlightDirection::hdUpLeft);
        label.SetcolorHighlight(TColors::clLime);
        const QImage image = Rendered(label);
        const QRect text = PixelsOf(image, qRgb(0, 0, 0));
        const QRect shadow = PixelsOf(image, qRgb(255, 0, 0));
        const QRect highlight = PixelsOf(image, qRgb(0, 255, 0));
        QVERIFY(!text.isEmpty() && !shadow.isEmpty() && !highlight.isEmpty());
        // Copies sit 3 pixels off the text on either side; the text is on top.
        QCOMPARE(shadow.bottomRight() - text.bottomRight(), QPoint(3, 3));
        QCOMPARE(text.topLeft() - highlight.topLeft(), QPoint(3, 3));
    }

    void noCopyWithoutDepthOrDirection()
    {
        TGPLabel label;
        label.SetDepthShadow(3);
        label.SetDirectionShadow(TShadowDirection::sdNone);
        label.SetcolorShadow(TColors::clRed);
        QVERIFY(PixelsOf(Rendered(label), qRgb(255, 0, 0)).isEmpty());
        label.SetDirectionShadow(TShadowDirection::sdDown);
        label.SetDepthShadow(0);
        QVERIFY(PixelsOf(Rendered(label), qRgb(255, 0, 0)).isEmpty());
    }

    void backgroundAndBorder()
    {
        TGPLabel label;
        label.SetTransparent(false);
        label.SetBackColor(TColors::clYellow);
        label.SetBorderStyle(TBorderStyle::bsSingle);
        const QImage image = Rendered(label);
        QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(label.Width() - 1, label.Height() - 1), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(label.Width() - 2, label.Height() - 2), qRgb(255, 255, 0));
        QCOMPARE(image.pixel(label.Width(), label.Height()), qRgb(255, 255, 255));
    }

    void zoomScalesTheFontByWholePoints()
    {
        TGPLabel label;
        const int normal = PixelsOf(Rendered(label), qRgb(0, 0, 0)).height();
        label.SetZoom(1.5f);
        const int zoomed = PixelsOf(Rendered(label, 150), qRgb(0, 0, 0)).height();
        QVERIFY2(zoomed > normal * 1.3 && zoomed < normal * 1.7, qPrintable(QStringLiteral("%1 vs %2").arg(zoomed).arg(normal)));
    }

    void printedLabelLandsOnItsPlaceInInches()
    {
        TGPLabel label;
        label.SetBounds(48, 96, 142, 33); // half an inch right, one inch down
        label.SetBorderStyle(TBorderStyle::bsSingle);
        label.Layout();
        QImage page(800, 500, QImage::Format_RGB32);
        page.fill(Qt::white);
        page.setDotsPerMeterX(qRound(300 / 0.0254));
        page.setDotsPerMeterY(qRound(300 / 0.0254));
        {
            QPainter painter(&page);
            TReport report(painter, 300, 300);
            label.PrintTo(report, 0.25, 0.0);
        }
        // The frame's corner: (0.5 + 0.25) inch, 1 inch at 300 dpi.
        const QRect ink = PixelsOf(page, qRgb(0, 0, 0));
        QVERIFY2(qAbs(ink.left() - 225) <= 2 && qAbs(ink.top() - 300) <= 2,
                 qPrintable(QStringLiteral("ink at %1,%2").arg(ink.left()).arg(ink.top())));
        QVERIFY2(qAbs(ink.width() - 142 * 300 / 96) <= 4, qPrintable(QStringLiteral("ink %1 x %2").arg(ink.width()).arg(ink.height())));
    }
};

QTEST_MAIN(TestTextLabel)
#include "tst_text_label.moc"

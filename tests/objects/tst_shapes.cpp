#include "core/TDesign.h"
#include "objects/graphics/TBCShapes.h"
#include "objects/graphics/TGLineShape.h"
#include "platform/TImageReport.h"
#include "support/PixelRuns.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

// The object painted with its top-left corner at `at` of a picture of the given ground.
QImage Painted(TGGraphicControl &object, QSize size, QPoint at, QRgb ground = White)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(ground);
    QPainter painter(&image);
    object.DrawOnto(painter, at.x(), at.y());
    return image;
}

std::unique_ptr<TBCShapes> RedShape(TShapeType shape, int width, int height, int penWidth = 1)
{
    auto object = std::make_unique<TBCShapes>();
    object->SetShape(shape);
    object->SetBounds(24, 48, width, height);
    object->Brush().SetColor(TColors::clRed);
    object->Pen().SetWidth(penWidth);
    return object;
}

std::unique_ptr<TGLineShape> Line(TLineStyle style, int width, int height, int penWidth = 1)
{
    auto object = std::make_unique<TGLineShape>();
    object->SetLineStyle(style);
    object->SetBounds(24, 48, width, height);
    object->Pen().SetWidth(penWidth);
    return object;
}

QImage Printed(TGGraphicControl &object)
{
    // The card's corner at (0.5, 0.25) inches of a page printed at 300 dpi.
    TImageReport page(2, 1.5, 300);
    object.PrintTo(page.Report(), 0.5, 0.25);
    return page.Image();
}

} // namespace

class TestShapes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A 40 x 20 box: the square and circle kinds do not force equal sides.
    void thinOutlineRunsOnTheOutermostPixels_data()
    {
        QTest::addColumn<TShapeType>("shape");
        QTest::addColumn<QRgb>("corner");
        QTest::newRow("rectangle") << TShapeType::stRectangle << Black;
        QTest::newRow("square") << TShapeType::stSquare << Black;
        QTest::newRow("rounded rectangle") << TShapeType::stRoundRect << White;
        QTest::newRow("rounded square") << TShapeType::stRoundSquare << White;
        QTest::newRow("ellipse") << TShapeType::stEllipse << White;
        QTest::newRow("circle") << TShapeType::stCircle << White;
    }
    void thinOutlineRunsOnTheOutermostPixels()
    {
        QFETCH(TShapeType, shape);
        QFETCH(QRgb, corner);
        const QImage image = Painted(*RedShape(shape, 40, 20), QSize(50, 30), QPoint(5, 5));
        QCOMPARE(PixelRuns::Column(image, 25), QStringLiteral("5-5 6-23 24-24"));
        QCOMPARE(PixelRuns::Row(image, 15).section(u' ', 0, 0), QStringLiteral("5-5"));
        QCOMPARE(PixelRuns::Row(image, 15).section(u' ', -1), QStringLiteral("44-44"));
        QCOMPARE(image.pixel(6, 15), Red);
        QCOMPARE(image.pixel(43, 15), Red);
        QCOMPARE(image.pixel(5, 5), corner);
    }

    void widerPenStaysWithinTheBounds_data()
    {
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<QRect>("box");
        QTest::addColumn<QString>("middleRow");
        QTest::newRow("1") << 1 << QRect(0, 0, 30, 20) << QStringLiteral("5-5 6-33 34-34");
        QTest::newRow("2 starts at (1, 1)") << 2 << QRect(1, 1, 29, 19) << QStringLiteral("5-6 7-32 33-34");
        QTest::newRow("3") << 3 << QRect(1, 1, 28, 18) << QStringLiteral("5-7 8-31 32-34");
        QTest::newRow("4") << 4 << QRect(2, 2, 27, 17) << QStringLiteral("5-8 9-30 31-34");
    }
    void widerPenStaysWithinTheBounds()
    {
        QFETCH(int, penWidth);
        QFETCH(QRect, box);
        QFETCH(QString, middleRow);
        QCOMPARE(TGLabelShapes::OutlineBox(30, 20, penWidth), box);
        const QImage image = Painted(*RedShape(TShapeType::stRectangle, 30, 20, penWidth), QSize(40, 30), QPoint(5, 5));
        QCOMPARE(PixelRuns::Row(image, 15), middleRow);
        QCOMPARE(PixelRuns::Column(image, 20).section(u' ', 0, 0), QStringLiteral("5-%1").arg(4 + penWidth));
        QCOMPARE(PixelRuns::Column(image, 20).section(u' ', -1), QStringLiteral("%1-24").arg(25 - penWidth));
    }

    void cornerDiameterIsAPercentageOfTheLongerSide_data()
    {
        QTest::addColumn<int>("roundPerc");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("diameter");
        QTest::newRow("200 x 50 at 25 %") << 25 << 200 << 50 << 50;
        QTest::newRow("taller than wide") << 80 << 30 << 45 << 36;
        QTest::newRow("exact despite binary fractions") << 29 << 100 << 100 << 29;
        QTest::newRow("truncated") << 20 << 7 << 3 << 1;
    }
    void cornerDiameterIsAPercentageOfTheLongerSide()
    {
        QFETCH(int, roundPerc);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, diameter);
        QCOMPARE(TGLabelShapes::CornerDiameter(roundPerc, width, height), diameter);
    }

    void roundedRectangleHasItsCornerEllipseOnScreen()
    {
        const QImage image = Painted(*RedShape(TShapeType::stRoundRect, 200, 50), QSize(200, 50), QPoint());
        QCOMPARE(image.pixel(0, 0), White);
        QCOMPARE(image.pixel(3, 3), White);
        // The straight edges begin 25 pixels from each corner.
        QCOMPARE(image.pixel(12, 0), White);
        QCOMPARE(image.pixel(26, 0), Black);
        QCOMPARE(image.pixel(0, 12), White);
        for (const QPoint &middle : {QPoint(100, 0), QPoint(100, 49), QPoint(0, 25), QPoint(199, 25)})
            QCOMPARE(image.pixel(middle), Black);
    }

    void zoomedPenWidth_data()
    {
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<float>("zoom");
        QTest::addColumn<int>("shapeWidth");
        QTest::addColumn<int>("lineWidth");
        QTest::newRow("1 at 50 %: a shape keeps one pixel") << 1 << 0.5f << 1 << 0;
        QTest::newRow("3 at 50 %: half to even") << 3 << 0.5f << 2 << 2;
        QTest::newRow("5 at 50 %: half to even") << 5 << 0.5f << 2 << 2;
        QTest::newRow("1 at 150 %") << 1 << 1.5f << 2 << 2;
        QTest::newRow("3 at 150 %") << 3 << 1.5f << 4 << 4;
        QTest::newRow("5 at 110 %: single precision") << 5 << 1.1f << 6 << 6;
        QTest::newRow("0 stays 0") << 0 << 0.5f << 0 << 0;
        QTest::newRow("7 at 100 %") << 7 << 1.0f << 7 << 7;
    }
    void zoomedPenWidth()
    {
        QFETCH(int, penWidth);
        QFETCH(float, zoom);
        QFETCH(int, shapeWidth);
        QFETCH(int, lineWidth);
        QCOMPARE(TGLabelShapes::ZoomedPenWidth(penWidth, zoom), shapeWidth);
        QCOMPARE(TGLineShape::ZoomedPenWidth(penWidth, zoom), lineWidth);
    }

    void atHalfZoomAThinPenStillDrawsOnePixel()
    {
        auto shape = RedShape(TShapeType::stRectangle, 40, 20);
        shape->SetZoom(0.5f);
        const QImage shapeImage = Painted(*shape, QSize(30, 20), QPoint(5, 5));
        QCOMPARE(PixelRuns::Column(shapeImage, 15), QStringLiteral("5-5 6-13 14-14"));

        auto line = Line(TLineStyle::stHorizontal, 40, 20);
        line->SetZoom(0.5f);
        const QImage lineImage = Painted(*line, QSize(30, 20), QPoint(5, 5));
        QCOMPARE(PixelRuns::Column(lineImage, 15), QStringLiteral("5-5"));
    }

    void transparentShapeShowsWhatLiesBeneath()
    {
        auto shape = RedShape(TShapeType::stEllipse, 30, 20);
        shape->SetTransparent(true);
        QCOMPARE(shape->Brush().Style(), TBrushStyle::bsClear);
        QImage image = Painted(*shape, QSize(40, 30), QPoint(5, 5), Blue);
        QCOMPARE(PixelRuns::Row(image, 15), QStringLiteral("0-4 5-5 6-33 34-34 35-39"));
        QCOMPARE(image.pixel(20, 15), Blue);

        shape->SetTransparent(false);
        image = Painted(*shape, QSize(40, 30), QPoint(5, 5), Blue);
        QCOMPARE(image.pixel(20, 15), Red);
    }

    // A 12 x 12 line drawn at (4, 4): each style's first pixel, its last,
    // and the end point it leaves out.
    void lineStylesDrawTheirPixels_data()
    {
        QTest::addColumn<TLineStyle>("style");
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("last");
        QTest::addColumn<QPoint>("leftOut");
        QTest::newRow("horizontal") << TLineStyle::stHorizontal << QPoint(4, 4) << QPoint(15, 4) << QPoint(16, 4);
        QTest::newRow("vertical") << TLineStyle::stVertical << QPoint(4, 4) << QPoint(4, 15) << QPoint(4, 16);
        QTest::newRow("sloping up") << TLineStyle::stAngleSlopingUp << QPoint(16, 4) << QPoint(5, 15) << QPoint(4, 16);
        QTest::newRow("sloping down") << TLineStyle::stAngleSlopingDown << QPoint(4, 4) << QPoint(15, 15) << QPoint(16, 16);
    }
    void lineStylesDrawTheirPixels()
    {
        QFETCH(TLineStyle, style);
        QFETCH(QPoint, first);
        QFETCH(QPoint, last);
        QFETCH(QPoint, leftOut);
        const QImage image = Painted(*Line(style, 12, 12), QSize(24, 24), QPoint(4, 4));
        QCOMPARE(image.pixel(first), Black);
        QCOMPARE(image.pixel(last), Black);
        QCOMPARE(image.pixel(leftOut), White);
        int drawn = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                drawn += image.pixel(x, y) == Black;
        QCOMPARE(drawn, 12);
    }

    void wideStraightLinesSitHalfAPenIn_data()
    {
        QTest::addColumn<TLineStyle>("style");
        QTest::addColumn<int>("penWidth");
        QTest::newRow("horizontal 2") << TLineStyle::stHorizontal << 2;
        QTest::newRow("horizontal 3") << TLineStyle::stHorizontal << 3;
        QTest::newRow("vertical 4") << TLineStyle::stVertical << 4;
    }
    void wideStraightLinesSitHalfAPenIn()
    {
        QFETCH(TLineStyle, style);
        QFETCH(int, penWidth);
        const QImage image = Painted(*Line(style, 20, 20, penWidth), QSize(30, 30), QPoint(5, 5));
        const QString across = style == TLineStyle::stHorizontal ? PixelRuns::Column(image, 15) : PixelRuns::Row(image, 15);
        QCOMPARE(across, QStringLiteral("5-%1").arg(4 + penWidth));
    }

    void stretchToEdges_data()
    {
        QTest::addColumn<TLineStyle>("style");
        QTest::addColumn<bool>("onCard");
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("horizontal") << TLineStyle::stHorizontal << true << QRect(0, 30, 300, 15);
        QTest::newRow("vertical") << TLineStyle::stVertical << true << QRect(20, 0, 50, 150);
        QTest::newRow("sloping up") << TLineStyle::stAngleSlopingUp << true << QRect(20, 30, 50, 15);
        QTest::newRow("sloping down") << TLineStyle::stAngleSlopingDown << true << QRect(20, 30, 50, 15);
        QTest::newRow("not on a card") << TLineStyle::stHorizontal << false << QRect(20, 30, 50, 15);
    }
    void stretchToEdges()
    {
        QFETCH(TLineStyle, style);
        QFETCH(bool, onCard);
        QFETCH(QRect, bounds);
        TDesign design;
        design.SetSize(300, 150);
        int changes = 0;
        design.OnLabelChanged = [&changes] { ++changes; };
        auto owned = Line(style, 50, 15);
        owned->SetBounds(20, 30, 50, 15);
        TGLineShape *line = owned.get();
        if (onCard)
            design.Add(std::move(owned));
        line->StretchToEdges();
        QCOMPARE(line->BoundsRect(), bounds);
        QCOMPARE(changes > 0, bounds != QRect(20, 30, 50, 15));
    }

    // Shapes print on their bounds in inches, the pen a whole number of
    // hundredths of an inch: at 300 dpi the box is (225, 225) to (525, 375).
    void shapesPrintOnTheirBoundsInInches_data()
    {
        QTest::addColumn<TShapeType>("shape");
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<QString>("middleRow");
        QTest::addColumn<QRgb>("corner");
        QTest::newRow("rectangle 1: a hundredth") << TShapeType::stRectangle << 1 << QStringLiteral("224-226 227-522 523-525") << Black;
        QTest::newRow("rectangle 2") << TShapeType::stRectangle << 2 << QStringLiteral("222-227 228-520 521-526") << Black;
        QTest::newRow("rectangle 10") << TShapeType::stRectangle << 10 << QStringLiteral("210-239 240-508 509-538") << Black;
        QTest::newRow("rounded rectangle") << TShapeType::stRoundRect << 1 << QStringLiteral("224-226 227-522 523-525") << White;
        QTest::newRow("ellipse") << TShapeType::stEllipse << 1 << QStringLiteral("224-226 227-522 523-525") << White;
    }
    void shapesPrintOnTheirBoundsInInches()
    {
        QFETCH(TShapeType, shape);
        QFETCH(int, penWidth);
        QFETCH(QString, middleRow);
        QFETCH(QRgb, corner);
        const QImage page = Printed(*RedShape(shape, 96, 48, penWidth));
        QCOMPARE(PixelRuns::Row(page, 300), middleRow);
        QCOMPARE(page.pixel(225, 225), corner);
    }

    void printedCornerIsAPercentageOfTheLongerInchSide()
    {
        auto shape = RedShape(TShapeType::stRoundRect, 96, 48);
        shape->SetRoundPerc(50);
        // A 0.5 inch corner ellipse: the straight top edge begins 75 dots in.
        const QImage page = Printed(*shape);
        QCOMPARE(page.pixel(225 + 40, 225), White);
        QCOMPARE(page.pixel(225 + 80, 225), Black);
        QCOMPARE(page.pixel(375, 225), Black);
    }

    // A 96 x 24 line at (24, 48): (225, Y) to (525, Y') at 300 dpi, moved
    // down by half its pen width in pixels; the width in hundredths unconverted.
    void linesPrintWithTheirWidthInHundredths_data()
    {
        QTest::addColumn<TLineStyle>("style");
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<bool>("acrossColumn");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("across");
        QTest::newRow("horizontal 1") << TLineStyle::stHorizontal << 1 << true << 375 << QStringLiteral("224-226");
        QTest::newRow("horizontal 4") << TLineStyle::stHorizontal << 4 << true << 375 << QStringLiteral("225-236");
        QTest::newRow("vertical 4") << TLineStyle::stVertical << 4 << false << 270 << QStringLiteral("219-230");
        QTest::newRow("sloping up") << TLineStyle::stAngleSlopingUp << 1 << true << 300 << QStringLiteral("280-282");
        QTest::newRow("sloping down") << TLineStyle::stAngleSlopingDown << 1 << true << 300 << QStringLiteral("243-245");
    }
    void linesPrintWithTheirWidthInHundredths()
    {
        QFETCH(TLineStyle, style);
        QFETCH(int, penWidth);
        QFETCH(bool, acrossColumn);
        QFETCH(int, at);
        QFETCH(QString, across);
        auto line = Line(style, 96, 24, penWidth);
        // Lines print in copy mode whatever their pen's mode.
        line->Pen().SetMode(TPenMode::pmWhite);
        const QImage page = Printed(*line);
        QCOMPARE(acrossColumn ? PixelRuns::Column(page, at) : PixelRuns::Row(page, at), across);
    }
};

QTEST_GUILESS_MAIN(TestShapes)
#include "tst_shapes.moc"

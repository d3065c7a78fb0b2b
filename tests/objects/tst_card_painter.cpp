#include "core/TCardPainter.h"
#include "core/TDesign.h"
#include "objects/graphics/TBCShapes.h"
#include "objects/graphics/TGLineShape.h"
#include "support/PixelRuns.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Green = qRgb(0, 128, 0);
const QRgb Red = qRgb(255, 0, 0);

QImage PaintedCard(const TDesign &design, const TCardPaintOptions &options)
{
    QImage card(design.Width(), design.Height(), QImage::Format_RGB32);
    card.fill(Qt::gray);
    QPainter painter(&card);
    TCardPainter::Paint(painter, design, options);
    return card;
}

TCardPaintOptions Grid(TGridSize size)
{
    TCardPaintOptions options;
    options.ShowGrid = true;
    options.GridSize = size;
    return options;
}

QList<QPoint> PixelsOf(const QImage &image, QRgb colour)
{
    QList<QPoint> found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                found << QPoint(x, y);
    return found;
}

} // namespace

class TestCardPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plainCardIsWhite()
    {
        TDesign design;
        design.SetSize(40, 24);
        const QImage card = PaintedCard(design, TCardPaintOptions());
        QCOMPARE(PixelsOf(card, White).size(), 40 * 24);
    }

    void gridDotsLieEveryFourOrEightPixelsFromTwo_data()
    {
        QTest::addColumn<TGridSize>("size");
        QTest::addColumn<int>("step");
        QTest::newRow("4 x 4") << TGridSize::gs4x4 << 4;
        QTest::newRow("8 x 8") << TGridSize::gs8x8 << 8;
    }
    void gridDotsLieEveryFourOrEightPixelsFromTwo()
    {
        QFETCH(TGridSize, size);
        QFETCH(int, step);
        TDesign design;
        design.SetSize(40, 24);
        design.SetShape(TLabelShapeType::lsRectangle);
        QList<QPoint> expected;
        for (int y = 2; y < 24; y += step)
            for (int x = 2; x < 40; x += step)
                expected << QPoint(x, y);
        const QImage card = PaintedCard(design, Grid(size));
        QCOMPARE(PixelsOf(card, Green), expected);
        QCOMPARE(PixelsOf(card, White).size(), 40 * 24 - expected.size());
    }

    // The grid lies under the objects and is clipped to the card's shape; the
    // objects are not: they paint within their own bounds.
    void gridIsClippedToTheCardShape_data()
    {
        QTest::addColumn<TLabelShapeType>("shape");
        QTest::addColumn<QRgb>("cornerDot");
        QTest::newRow("rectangle") << TLabelShapeType::lsRectangle << Green;
        QTest::newRow("rounded rectangle") << TLabelShapeType::lsRoundRect << White;
        QTest::newRow("ellipse") << TLabelShapeType::lsEllipse << White;
    }
    void gridIsClippedToTheCardShape()
    {
        QFETCH(TLabelShapeType, shape);
        QFETCH(QRgb, cornerDot);
        TDesign design;
        design.SetSize(80, 48);
        design.SetShape(shape);
        const QImage card = PaintedCard(design, Grid(TGridSize::gs4x4));
        QCOMPARE(card.pixel(2, 2), cornerDot);
        QCOMPARE(card.pixel(78, 46), cornerDot);
        QCOMPARE(card.pixel(38, 22), Green);
        QCOMPARE(card.pixel(38, 2), Green);
        QCOMPARE(card.pixel(2, 22), Green);
    }

    // A blue bitmap of 4 x 2 pixels stretched over the whole card, under a
    // red shape, within the card's shape; the grid is ANDed into the art.
    void backgroundArtIsStretchedUnderTheObjectsWithinTheCardShape_data()
    {
        QTest::addColumn<TLabelShapeType>("shape");
        QTest::addColumn<QRgb>("corner");
        QTest::newRow("rectangle") << TLabelShapeType::lsRectangle << qRgb(0, 0, 255);
        QTest::newRow("rounded rectangle") << TLabelShapeType::lsRoundRect << White;
        QTest::newRow("ellipse") << TLabelShapeType::lsEllipse << White;
    }
    void backgroundArtIsStretchedUnderTheObjectsWithinTheCardShape()
    {
        QFETCH(TLabelShapeType, shape);
        QFETCH(QRgb, corner);
        const QRgb Blue = qRgb(0, 0, 255);
        TDesign design;
        design.SetSize(80, 48);
        design.SetShape(shape);
        QImage art(4, 2, QImage::Format_RGB32);
        art.fill(Blue);
        design.ColorPicture().SetBitmap(art);
        auto object = std::make_unique<TBCShapes>();
        object->SetBounds(30, 16, 20, 16);
        object->Brush().SetColor(TColors::clRed);
        design.Add(std::move(object));

        const QImage card = PaintedCard(design, TCardPaintOptions());
        QCOMPARE(card.pixel(0, 0), corner);
        QCOMPARE(card.pixel(79, 47), corner);
        QCOMPARE(card.pixel(40, 1), Blue);
        QCOMPARE(card.pixel(1, 24), Blue);
        QCOMPARE(card.pixel(78, 24), Blue);
        QCOMPARE(card.pixel(40, 24), Red);

        // Blue AND green leaves black dots in the art.
        const QImage gridded = PaintedCard(design, Grid(TGridSize::gs8x8));
        QCOMPARE(gridded.pixel(10, 10), Black);
        QCOMPARE(gridded.pixel(11, 10), Blue);

        design.ColorPicture().Clear();
        QCOMPARE(PaintedCard(design, TCardPaintOptions()).pixel(40, 1), White);
    }

    void objectsCoverTheGridAndIgnoreTheCardShape()
    {
        TDesign design;
        design.SetSize(80, 48);
        design.SetShape(TLabelShapeType::lsRoundRect);
        auto shape = std::make_unique<TBCShapes>();
        shape->SetBounds(0, 0, 20, 20);
        shape->Brush().SetColor(TColors::clRed);
        design.Add(std::move(shape));
        const QImage card = PaintedCard(design, Grid(TGridSize::gs4x4));
        QCOMPARE(card.pixel(0, 0), Black);
        QCOMPARE(card.pixel(6, 6), Red);
        QCOMPARE(card.pixel(22, 6), Green);
    }

    void objectsPaintOnlyWithinTheirBounds()
    {
        // A wide pen's round end reaches one pixel past the line's bounds.
        TDesign design;
        design.SetSize(60, 30);
        auto owned = std::make_unique<TGLineShape>();
        owned->SetBounds(10, 10, 20, 10);
        owned->Pen().SetWidth(4);
        TGLineShape *line = owned.get();
        design.Add(std::move(owned));
        QImage unclipped(60, 30, QImage::Format_RGB32);
        unclipped.fill(Qt::white);
        {
            QPainter painter(&unclipped);
            line->DrawOnto(painter, 10, 10);
        }
        QCOMPARE(unclipped.pixel(30, 12), Black);

        const QImage card = PaintedCard(design, TCardPaintOptions());
        QCOMPARE(PixelRuns::Row(card, 12), QStringLiteral("10-29"));
    }

    void outlineFollowsTheCardShape_data()
    {
        QTest::addColumn<TLabelShapeType>("shape");
        QTest::addColumn<QRgb>("corner");
        QTest::newRow("rectangle") << TLabelShapeType::lsRectangle << Black;
        QTest::newRow("rounded rectangle") << TLabelShapeType::lsRoundRect << White;
        QTest::newRow("ellipse") << TLabelShapeType::lsEllipse << White;
    }
    void outlineFollowsTheCardShape()
    {
        QFETCH(TLabelShapeType, shape);
        QFETCH(QRgb, corner);
        TDesign design;
        design.SetSize(80, 48);
        design.SetShape(shape);
        TCardPaintOptions options;
        options.DrawOutline = true;
        const QImage card = PaintedCard(design, options);
        QCOMPARE(card.pixel(0, 0), corner);
        // Dotted, on the outermost rows and columns, nothing filled.
        for (const QString &edge : {PixelRuns::Row(card, 0), PixelRuns::Row(card, 47), PixelRuns::Column(card, 0),
                                    PixelRuns::Column(card, 79)})
            QVERIFY2(edge.contains(u' '), qPrintable(edge));
        QCOMPARE(card.pixel(40, 24), White);
    }
};

QTEST_GUILESS_MAIN(TestCardPainter)
#include "tst_card_painter.moc"

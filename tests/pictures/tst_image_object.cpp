#include "core/GraphicData.h"
#include "core/TDesign.h"
#include "core/TGLabelObjectFiler.h"
#include "objects/StandardClasses.h"
#include "objects/graphics/TGImage.h"
#include "pictures/WmfWriter.h"
#include "platform/TImageReport.h"

#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Green = qRgb(0, 255, 0);

// 4 x 4, its top-left quarter red and the rest blue: any mirroring moves the red.
QImage RedCorner()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Blue);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            image.setPixel(x, y, Red);
    return image;
}

// A placeable metafile 96 units square, one unit a pixel, its left half red
// and its right half left unpainted.
QByteArray LeftHalfRedWmf()
{
    WmfWriter writer;
    writer.Raw(0x02FC, LittleEndian::U16(0) + LittleEndian::U32(0x0000FF) + LittleEndian::U16(0)).Record(0x012D, {0});
    writer.Record(0x02FA, {5, 0, 0, 0, 0}).Record(0x012D, {1});
    writer.Record(0x041B, {96, 48, 0, 0});
    return writer.Placeable(QRect(0, 0, 96, 96), 96);
}

void LoadMetafile(TPicture &picture)
{
    picture.SetData(QByteArray("\x09TMetafile", 10) + GraphicData::Counted(LeftHalfRedWmf()));
}

// The object painted at (5, 5) of a green picture, so that whatever it
// leaves unpainted would show.
QImage Painted(TGImage &image)
{
    QImage canvas(image.Width() + 10, image.Height() + 10, QImage::Format_RGB32);
    canvas.fill(Green);
    QPainter painter(&canvas);
    image.DrawOnto(painter, 5, 5);
    return canvas;
}

// A 2 x 1.5 inch page at 96 dpi, the card's corner at (0.5, 0.25) inch,
// so one object pixel is one page pixel offset by (48, 24).
QImage Printed(TGImage &image)
{
    TImageReport page(2, 1.5, 96);
    image.PrintTo(page.Report(), 0.5, 0.25);
    return page.Image();
}

// The colours at the four quarters' centres of the w x h box at (x, y).
QVector<QRgb> Quarters(const QImage &image, int x, int y, int w, int h)
{
    return {image.pixel(x + w / 4, y + h / 4), image.pixel(x + 3 * w / 4, y + h / 4),
            image.pixel(x + w / 4, y + 3 * h / 4), image.pixel(x + 3 * w / 4, y + 3 * h / 4)};
}

} // namespace

Q_DECLARE_METATYPE(QVector<QRgb>)

class TestImageObject : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Stretch off (without the size step) still fills the bounds.
    void bitmapFillsItsBoundsMirroredOnScreenAndInPrint_data()
    {
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<bool>("flip");
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<QVector<QRgb>>("quarters");
        QTest::newRow("plain") << false << false << true << QVector<QRgb>{Red, Blue, Blue, Blue};
        QTest::newRow("not stretched") << false << false << false << QVector<QRgb>{Red, Blue, Blue, Blue};
        QTest::newRow("reverse") << true << false << true << QVector<QRgb>{Blue, Red, Blue, Blue};
        QTest::newRow("flip") << false << true << true << QVector<QRgb>{Blue, Blue, Red, Blue};
        QTest::newRow("both") << true << true << true << QVector<QRgb>{Blue, Blue, Blue, Red};
    }
    void bitmapFillsItsBoundsMirroredOnScreenAndInPrint()
    {
        QFETCH(bool, reverse);
        QFETCH(bool, flip);
        QFETCH(bool, stretch);
        QFETCH(QVector<QRgb>, quarters);
        TGImage image;
        image.SetBounds(10, 20, 40, 30);
        image.Picture().SetBitmap(RedCorner());
        image.SetReverse(reverse);
        image.SetFlip(flip);
        image.SetStretch(stretch);
        QCOMPARE(image.BoundsRect(), QRect(10, 20, 40, 30));

        const QImage screen = Painted(image);
        QCOMPARE(Quarters(screen, 5, 5, 40, 30), quarters);
        QCOMPARE(screen.pixel(5, 5), quarters[0]);
        QCOMPARE(screen.pixel(44, 34), quarters[3]);
        QCOMPARE(screen.pixel(45, 35), Green);

        const QImage print = Printed(image);
        QCOMPARE(Quarters(print, 48 + 10, 24 + 20, 40, 30), quarters);
        QCOMPARE(print.pixel(57, 43), White);
        QCOMPARE(print.pixel(48 + 50, 24 + 50), White);
    }

    void metafileIsNeverMirroredAndItsGapsShowWhiteOnScreen()
    {
        TGImage image;
        image.SetBounds(0, 0, 40, 40);
        TPicture metafile;
        LoadMetafile(metafile);
        image.SetPicture(metafile);
        QVERIFY(image.Picture().IsMetafile());
        image.SetFlip(true);
        image.SetReverse(true);
        const QImage screen = Painted(image);
        QCOMPARE(screen.pixel(5 + 10, 5 + 20), Red);
        QCOMPARE(screen.pixel(5 + 30, 5 + 20), White);

        // In print the unpainted half leaves the page as it was.
        const QImage print = Printed(image);
        QCOMPARE(print.pixel(48 + 10, 24 + 20), Red);
        QCOMPARE(print.pixel(48 + 30, 24 + 20), White);
    }

    void emptyPictureIsAFramedWhiteBoxAndPrintsNothing_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("no picture") << QByteArray();
        QTest::newRow("damaged bitmap") << QByteArray("\x07TBitmap\x10\x00\x00\x00BM", 14);
    }
    void emptyPictureIsAFramedWhiteBoxAndPrintsNothing()
    {
        QFETCH(QByteArray, data);
        TGImage image;
        image.SetBounds(0, 0, 20, 10);
        image.Picture().SetData(data);
        const QImage screen = Painted(image);
        QCOMPARE(screen.pixel(5, 5), Black);
        QCOMPARE(screen.pixel(24, 14), Black);
        QCOMPARE(screen.pixel(6, 6), White);
        QCOMPARE(screen.pixel(23, 13), White);
        QCOMPARE(screen.pixel(25, 15), Green);

        QImage blank(Printed(image).size(), QImage::Format_RGB32);
        blank.fill(Qt::white);
        QCOMPARE(Printed(image).convertToFormat(QImage::Format_RGB32), blank);
    }

    void borderFramesThePictureOnScreenAndInPrint()
    {
        TGImage image;
        image.SetBounds(0, 0, 40, 30);
        image.Picture().SetBitmap(RedCorner());
        image.SetBorderStyle(TBorderStyle::bsSingle);
        const QImage screen = Painted(image);
        QCOMPARE(screen.pixel(5, 5), Black);
        QCOMPARE(screen.pixel(44, 34), Black);
        QCOMPARE(screen.pixel(6, 6), Red);
        QCOMPARE(screen.pixel(43, 33), Blue);

        const QImage print = Printed(image);
        QCOMPARE(print.pixel(48, 24), Black);
        QCOMPARE(print.pixel(48 + 20, 24), Black);
        QCOMPARE(print.pixel(49, 25), Red);
    }

    void autoSizeFollowsThePictureAtTheZoomAndSnapsBack()
    {
        TGImage image;
        image.SetZoomFactor(1.5f);
        image.SetBounds(7, 9, 100, 100);
        image.Picture().SetBitmap(QImage(40, 30, QImage::Format_RGB32));
        QCOMPARE(image.BoundsRect(), QRect(7, 9, 100, 100));
        image.SetAutoSize(true);
        QVERIFY(!image.Stretch());
        QCOMPARE(image.BoundsRect(), QRect(7, 9, 60, 45));
        image.SetBounds(20, 30, 200, 10);
        QCOMPARE(image.BoundsRect(), QRect(20, 30, 60, 45));
        QVERIFY(!image.Opaque());

        image.SetStretch(true);
        QVERIFY(!image.AutoSize());
        image.SetBounds(20, 30, 200, 10);
        QCOMPARE(image.BoundsRect(), QRect(20, 30, 200, 10));
    }

    void stretchOffThenThePictureStepTakesTheNaturalSize()
    {
        TGImage image;
        image.Picture().SetBitmap(QImage(40, 30, QImage::Format_RGB32));
        QCOMPARE(image.BoundsRect(), QRect(0, 0, 105, 105));
        image.SetStretch(false);
        QVERIFY(image.AutoSize());
        QCOMPARE(image.BoundsRect(), QRect(0, 0, 105, 105));
        image.PictureChanged();
        QCOMPARE(image.BoundsRect(), QRect(0, 0, 40, 30));
        QVERIFY(image.Opaque());
    }

    void imageRoundTripsThroughTheDesignStream()
    {
        TDesign design;
        auto made = std::make_unique<TGImage>();
        made->SetName(QStringLiteral("Component0"));
        made->SetBounds(3, 4, 40, 30);
        made->Picture().SetBitmap(RedCorner());
        made->SetBorderStyle(TBorderStyle::bsSingle);
        made->SetReverse(true);
        made->SetStretch(false);
        TGImage *original = static_cast<TGImage *>(design.Add(std::move(made)));
        const QByteArray stream = TGLabelObjectFiler::WriteStream({original});

        TDesign reread;
        const std::vector<TGGraphicControl *> read = TGLabelObjectFiler(StandardClasses()).ReadStream(stream, reread);
        QCOMPARE(read.size(), size_t(1));
        auto *copy = dynamic_cast<TGImage *>(read[0]);
        QVERIFY(copy);
        QCOMPARE(copy->BoundsRect(), QRect(3, 4, 40, 30));
        QVERIFY(copy->AutoSize() && !copy->Stretch() && copy->Reverse() && !copy->Flip());
        QCOMPARE(copy->BorderStyle(), TBorderStyle::bsSingle);
        QCOMPARE(copy->Picture().Data(), original->Picture().Data());
        QCOMPARE(Painted(*copy), Painted(*original));
        QCOMPARE(TGLabelObjectFiler::WriteStream({copy}), stream);
    }
};

QTEST_MAIN(TestImageObject)
#include "tst_image_object.moc"

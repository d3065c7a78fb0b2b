#include "core/GraphicData.h"
#include "core/TBitmap.h"
#include "core/TDesign.h"
#include "core/TGLabelObjectFiler.h"
#include "core/TPicture.h"
#include "objects/StandardClasses.h"
#include "objects/graphics/TGImage.h"
#include "pictures/EmfWriter.h"
#include "pictures/PictureFixtures.h"
#include "pictures/WmfWriter.h"
#include "platform/EQuandrelError.h"
#include "platform/TBmpFile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace LittleEndian;

Q_DECLARE_METATYPE(QVector<QRgb>)

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

QByteArray ShortString(const QByteArray &text)
{
    return char(text.size()) + text;
}

// A placeable metafile 96 units square, one unit a pixel: its left half red.
QByteArray LeftHalfRedWmf()
{
    WmfWriter writer;
    writer.Raw(0x02FC, U16(0) + U32(0x0000FF) + U16(0)).Record(0x012D, {0});
    writer.Record(0x02FA, {5, 0, 0, 0, 0}).Record(0x012D, {1});
    writer.Record(0x041B, {96, 48, 0, 0});
    return writer.Placeable(QRect(0, 0, 96, 96), 96);
}

QByteArray PlainWmf()
{
    WmfWriter writer;
    writer.Record(0x020C, {1270, 2540}).Record(0x041B, {100, 100, 0, 0});
    return writer.Plain();
}

QImage Drawn(const TPicture &picture, QSize size, bool mirrorX = false, bool mirrorY = false)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.Draw(painter, QRectF(QPointF(0, 0), size), mirrorX, mirrorY);
    return image;
}

QImage TwoColours(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Blue);
    image.setPixel(0, 0, Red);
    return image;
}

} // namespace

class TestPicture : public QObject
{
    Q_OBJECT

    QTemporaryDir FFolder;

    QString Written(const QString &name, const QByteArray &bytes) const
    {
        return PictureFixtures::WriteFile(FFolder.path(), name, bytes);
    }

private Q_SLOTS:
    void loadingStoresTheDesignFilesForm_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("className");
        // Empty: any BMP file of the picture will do.
        QTest::addColumn<QByteArray>("graphicBytes");
        QTest::addColumn<QSize>("size");
        const QByteArray emf = EmfWriter(QRect(0, 0, 2540, 1270)).Bytes();
        const QByteArray icon = PictureFixtures::Ico(QImage(16, 16, QImage::Format_ARGB32));
        QTest::newRow("BMP keeps its bytes") << "runs.bmp" << PictureFixtures::Rle8Bmp() << QByteArray("TBitmap")
                                             << GraphicData::Counted(PictureFixtures::Rle8Bmp()) << QSize(4, 2);
        QTest::newRow("TGA becomes a bitmap") << "kinds.tga" << PictureFixtures::TgaKinds().first().Bytes
                                              << QByteArray("TBitmap") << QByteArray() << QSize(2, 2);
        QTest::newRow("PCX becomes a bitmap") << "kinds.PCX" << PictureFixtures::PcxKinds().last().Bytes
                                              << QByteArray("TBitmap") << QByteArray() << QSize(2, 2);
        QTest::newRow("GIF becomes a bitmap") << "kinds.gif" << PictureFixtures::Gif() << QByteArray("TBitmap")
                                              << QByteArray() << QSize(2, 2);
        QTest::newRow("icon stays an icon") << "small.ico" << icon << QByteArray("TIcon") << icon << QSize(16, 16);
        QTest::newRow("placeable WMF keeps its bytes") << "half.wmf" << LeftHalfRedWmf() << QByteArray("TMetafile")
                                                       << GraphicData::Counted(LeftHalfRedWmf()) << QSize(96, 96);
        QTest::newRow("EMF keeps its bytes") << "frame.emf" << emf << QByteArray("TMetafile") << GraphicData::Counted(emf)
                                             << QSize(96, 48);
    }
    void loadingStoresTheDesignFilesForm()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, className);
        QFETCH(QByteArray, graphicBytes);
        QFETCH(QSize, size);
        TPicture picture;
        picture.LoadFromFile(Written(name, bytes));
        QCOMPARE(picture.GraphicClassName(), className);
        const QByteArray graphic = picture.Data().mid(1 + className.size());
        if (graphicBytes.isEmpty()) {
            const QByteArray bmp = GraphicData::Uncounted(graphic);
            QCOMPARE(graphic.size(), bmp.size() + 4);
            QVERIFY(TBmpFile::IsStoredForm(bmp));
        } else {
            QCOMPARE(graphic, graphicBytes);
        }
        QCOMPARE(QSize(picture.Width(), picture.Height()), size);
    }

    void plainWmfIsStoredWithAPlaceableHeader()
    {
        TPicture picture;
        picture.LoadFromFile(Written("plain.WMF", PlainWmf()));
        QVERIFY(picture.IsMetafile());
        const QByteArray stored = GraphicData::Uncounted(picture.Data().mid(10));
        QCOMPARE(stored.mid(22), PlainWmf());
        QCOMPARE(qFromLittleEndian<quint16>(stored.constData() + 14), quint16(2540));
        QCOMPARE(QSize(picture.Width(), picture.Height()), QSize(96, 48));
    }

    void picturesRoundTripThroughTheDesignStreamUnchanged()
    {
        TDesign design;
        const QList<QPair<QString, QByteArray>> files{
            {"runs.bmp", PictureFixtures::Rle8Bmp()},
            {"kinds.tga", PictureFixtures::TgaKinds().first().Bytes},
            {"small.ico", PictureFixtures::Ico(QImage(16, 16, QImage::Format_ARGB32))},
            {"half.wmf", LeftHalfRedWmf()},
            {"frame.emf", EmfWriter(QRect(0, 0, 2540, 1270)).Bytes()},
        };
        std::vector<const TGGraphicControl *> objects;
        for (const auto &[name, bytes] : files) {
            auto image = std::make_unique<TGImage>();
            // Reading names objects afresh; these are the names it gives.
            image->SetName(QStringLiteral("Component%1").arg(objects.size()));
            image->Picture().LoadFromFile(Written(name, bytes));
            objects.push_back(design.Add(std::move(image)));
        }
        const QByteArray stream = TGLabelObjectFiler::WriteStream(objects);

        TDesign reread;
        const std::vector<TGGraphicControl *> read = TGLabelObjectFiler(StandardClasses()).ReadStream(stream, reread);
        QCOMPARE(read.size(), objects.size());
        std::vector<const TGGraphicControl *> rereadObjects;
        for (size_t i = 0; i < read.size(); ++i) {
            QCOMPARE(static_cast<TGImage *>(read[i])->Picture().Data(),
                     static_cast<const TGImage *>(objects[i])->Picture().Data());
            rereadObjects.push_back(read[i]);
        }
        QCOMPARE(TGLabelObjectFiler::WriteStream(rereadObjects), stream);
    }

    void damagedPayloadDrawsNothingAndKeepsTheDesign_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("bitmap count past the end") << ShortString("TBitmap") + I32(1000) + QByteArray("BM\0\0", 4);
        QTest::newRow("bitmap count negative") << ShortString("TBitmap") + I32(-5) + QByteArray("BM");
        QTest::newRow("bitmap of garbage") << ShortString("TBitmap") + I32(6) + QByteArray("BMxxxx");
        QTest::newRow("metafile of garbage") << ShortString("TMetafile") + I32(4) + QByteArray("abcd");
        QTest::newRow("icon of garbage") << ShortString("TIcon") + QByteArray("\0\0\1\0", 4);
        QTest::newRow("unknown graphic class") << ShortString("TJpegImage") + QByteArray("\xFF\xD8", 2);
        QTest::newRow("class name longer than the data") << QByteArray("\x40TBit", 5);
    }
    void damagedPayloadDrawsNothingAndKeepsTheDesign()
    {
        QFETCH(QByteArray, payload);
        TDesign design;
        auto image = std::make_unique<TGImage>();
        image->Picture().SetData(payload);
        const TGGraphicControl *written = design.Add(std::move(image));
        const QByteArray stream = TGLabelObjectFiler::WriteStream({written});

        TDesign reread;
        const auto read = TGLabelObjectFiler(StandardClasses()).ReadStream(stream, reread);
        QCOMPARE(read.size(), size_t(1));
        const TPicture &picture = static_cast<TGImage *>(read.front())->Picture();
        QCOMPARE(picture.Data(), payload);
        QCOMPARE(picture.Width(), 0);
        QVERIFY(picture.Image().isNull());
        QVERIFY(Drawn(picture, QSize(8, 8)).allGray() && Drawn(picture, QSize(8, 8)).pixel(4, 4) == White);
    }

    void bitmapsStretchAndMirrorButMetafilesDoNotMirror_data()
    {
        QTest::addColumn<bool>("metafile");
        QTest::addColumn<bool>("mirrorX");
        QTest::addColumn<bool>("mirrorY");
        QTest::addColumn<QVector<QRgb>>("corners"); // top left, top right, bottom left
        QTest::newRow("bitmap") << false << false << false << QVector<QRgb>{Red, Blue, Blue};
        QTest::newRow("bitmap reversed") << false << true << false << QVector<QRgb>{Blue, Red, Blue};
        QTest::newRow("bitmap flipped") << false << false << true << QVector<QRgb>{Blue, Blue, Red};
        QTest::newRow("metafile") << true << false << false << QVector<QRgb>{Red, White, Red};
        QTest::newRow("metafile asked to mirror") << true << true << true << QVector<QRgb>{Red, White, Red};
    }
    void bitmapsStretchAndMirrorButMetafilesDoNotMirror()
    {
        QFETCH(bool, metafile);
        QFETCH(bool, mirrorX);
        QFETCH(bool, mirrorY);
        QFETCH(QVector<QRgb>, corners);
        TPicture picture;
        if (metafile)
            picture.LoadFromFile(Written("half.wmf", LeftHalfRedWmf()));
        else
            picture.SetBitmap(TwoColours(QSize(2, 2)));
        const QImage image = Drawn(picture, QSize(40, 20), mirrorX, mirrorY);
        QCOMPARE((QVector<QRgb>{image.pixel(5, 3), image.pixel(35, 3), image.pixel(5, 17)}), corners);
    }

    void newDataReplacesTheDecodedPicture()
    {
        TPicture picture;
        picture.SetBitmap(TwoColours(QSize(3, 5)));
        QCOMPARE(QSize(picture.Width(), picture.Height()), QSize(3, 5));
        QVERIFY(picture.IsBitmap() && !picture.IsMetafile());
        picture.LoadFromFile(Written("half.wmf", LeftHalfRedWmf()));
        QCOMPARE(QSize(picture.Width(), picture.Height()), QSize(96, 96));
        QVERIFY(picture.IsMetafile() && picture.Image().isNull());
        picture.Clear();
        QVERIFY(picture.IsEmpty());
        QCOMPARE(picture.Width(), 0);
    }

    void failedLoadNamesTheFileAndKeepsThePicture()
    {
        TPicture picture;
        picture.SetBitmap(TwoColours(QSize(2, 2)));
        const QByteArray before = picture.Data();
        QString message;
        try {
            picture.LoadFromFile(Written("broken.pcx", QByteArray("\x0A\x05\x01", 3)));
        } catch (const EQuandrelError &error) {
            message = error.message();
        }
        QVERIFY2(message.contains("broken.pcx") && message.contains("cut short"), qPrintable(message));
        QCOMPARE(picture.Data(), before);
    }

    void textureBitmapLoadsBitmapsAndIconsAndRefusesMetafiles()
    {
        TBitmap texture;
        texture.LoadFromFile(Written("runs.bmp", PictureFixtures::Rle8Bmp()));
        QCOMPARE(texture.Data(), GraphicData::Counted(PictureFixtures::Rle8Bmp()));
        QCOMPARE(QSize(texture.Width(), texture.Height()), QSize(4, 2));
        QCOMPARE(texture.Image().pixel(0, 1), Red);

        QImage iconImage(16, 16, QImage::Format_ARGB32);
        iconImage.fill(qRgba(0, 0, 255, 255));
        texture.LoadFromFile(Written("blue.ico", PictureFixtures::Ico(iconImage)));
        QVERIFY(TBmpFile::IsStoredForm(GraphicData::Uncounted(texture.Data())));
        QCOMPARE(texture.Image().pixel(8, 8), Blue);

        const QByteArray before = texture.Data();
        QVERIFY_THROWS_EXCEPTION(EQuandrelError, texture.LoadFromFile(Written("half.wmf", LeftHalfRedWmf())));
        QCOMPARE(texture.Data(), before);

        texture.SetData(I32(40) + QByteArray("BM"));
        QVERIFY(texture.Image().isNull());
        QCOMPARE(texture.Width(), 0);
    }
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"

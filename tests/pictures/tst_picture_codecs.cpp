#include "pictures/LittleEndian.h"
#include "pictures/PictureFixtures.h"
#include "platform/EQuandrelError.h"
#include "platform/TBmpFile.h"
#include "platform/TPcxReader.h"
#include "platform/TPictureFile.h"
#include "platform/TTgaReader.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace PictureFixtures;

Q_DECLARE_METATYPE(QVector<QRgb>)

namespace {

using TDecoder = std::function<QImage(const QByteArray &)>;

const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb White = qRgb(255, 255, 255);

// The message of the EQuandrelError that action throws, or "" when none.
QString ErrorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const EQuandrelError &error) {
        return error.message();
    }
    return QString();
}

QStringList RowsOf(const QImage &image)
{
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            row += pixel == Red ? u'R' : pixel == Blue ? u'B' : pixel == White ? u'W' : u'?';
        }
        rows << row;
    }
    return rows;
}

} // namespace

class TestPictureCodecs : public QObject
{
    Q_OBJECT

    QTemporaryDir FFolder;

    QString Written(const QString &name, const QByteArray &bytes) const
    {
        return PictureFixtures::WriteFile(FFolder.path(), name, bytes);
    }

private Q_SLOTS:
    void runLengthBitmapsDecode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("RLE8") << Rle8Bmp();
        QTest::newRow("RLE4") << Rle4Bmp();
    }
    void runLengthBitmapsDecode()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(RowsOf(TBmpFile::Decode(bytes)), QStringList({"BWWB", "RRRR"}));
    }

    void tgaKindsDecode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QVector<QRgb>>("pixels");
        for (const TFixture &fixture : TgaKinds())
            QTest::newRow(fixture.Name) << fixture.Bytes << fixture.Pixels;
    }
    void tgaKindsDecode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QVector<QRgb>, pixels);
        const QImage image = TTgaReader::Decode(bytes);
        QCOMPARE(image.size(), QSize(2, 2));
        QCOMPARE(PixelsOf(image), pixels);
    }

    void pcxKindsDecode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QVector<QRgb>>("pixels");
        for (const TFixture &fixture : PcxKinds())
            QTest::newRow(fixture.Name) << fixture.Bytes << fixture.Pixels;
    }
    void pcxKindsDecode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QVector<QRgb>, pixels);
        const QImage image = TPcxReader::Decode(bytes);
        QCOMPARE(image.size(), QSize(2, 2));
        QCOMPARE(PixelsOf(image), pixels);
    }

    void oversizedHeadersAreRefused_data()
    {
        using namespace LittleEndian;
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("size");
        const QByteArray wideTga = U8(0) + U8(0) + U8(2) + QByteArray(5, '\0') + QByteArray(4, '\0') + U16(20000)
            + U16(1) + U8(24) + U8(0);
        QTest::newRow("TGA wider than 16384") << wideTga << "tga" << "20000 × 1";
        QByteArray hugePcx = U8(0x0A) + U8(5) + U8(1) + U8(8) + U16(0) + U16(0) + U16(9999) + U16(9999);
        hugePcx += QByteArray(128 - hugePcx.size(), '\0');
        hugePcx[65] = 1;                       // planes
        hugePcx[66] = char(0x10), hugePcx[67] = char(0x27); // 10000 bytes a line
        QTest::newRow("PCX over 256 MB") << hugePcx << "pcx" << "10000 × 10000";
        const QByteArray header = U32(40) + I32(70000) + I32(2) + U16(1) + U16(24) + QByteArray(24, '\0');
        const QByteArray wideBmp = QByteArray("BM") + U32(54) + U32(0) + U32(54) + header;
        QTest::newRow("BMP wider than 16384") << wideBmp << "bmp" << "70000 × 2";
    }
    void oversizedHeadersAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, extension);
        QFETCH(QString, size);
        const QString message = ErrorOf([&] { TPictureFile::Load(Written("big." + extension, bytes)); });
        QVERIFY2(message.contains(size) && message.contains("16384 pixels a side and 256 MB"), qPrintable(message));
        QVERIFY2(message.contains("big." + extension), qPrintable(message));
    }

    void damagedFilesGiveClearMessages_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("reason");
        QTest::newRow("TGA cut in its pixels") << TgaKinds().first().Bytes.chopped(3) << "tga" << "The TGA file is cut short.";
        QTest::newRow("PCX cut in its runs") << PcxKinds()[4].Bytes.left(130) << "pcx" << "The PCX file is cut short.";
        QTest::newRow("PCX of an unknown depth") << QByteArray(PcxKinds()[0].Bytes).replace(3, 1, "\x03") << "pcx"
                                                << "The PCX file uses a form Quandrel does not read.";
        QTest::newRow("not a GIF") << QByteArray("GIF? no") << "gif" << "is not a GIF picture";
        QTest::newRow("empty file") << QByteArray() << "bmp" << "The file is empty.";
        QTest::newRow("unknown extension") << QByteArray("hello") << "txt" << "Files of the type .TXT";
    }
    void damagedFilesGiveClearMessages()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, extension);
        QFETCH(QString, reason);
        const QString message = ErrorOf([&] { TPictureFile::Load(Written("damaged." + extension, bytes)); });
        QVERIFY2(message.startsWith("The picture ") && message.contains(reason), qPrintable(message));
    }

    void extensionChoosesTheDecoderInAnyCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QVector<QRgb>>("pixels");
        QTest::newRow(".TgA") << "mixed.TgA" << TgaKinds().first().Bytes << TgaKinds().first().Pixels;
        QTest::newRow(".Pcx") << "mixed.Pcx" << PcxKinds().last().Bytes << PcxKinds().last().Pixels;
        QTest::newRow(".GIF") << "upper.GIF" << Gif() << QVector<QRgb>{Red, Blue, Blue, Red};
        QTest::newRow(".RLE") << "runs.rle" << Rle8Bmp() << QVector<QRgb>{Blue, White, Red, Red};
        QTest::newRow("last dot counts") << "a.tga.pcx" << PcxKinds().last().Bytes << PcxKinds().last().Pixels;
    }
    void extensionChoosesTheDecoderInAnyCase()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QVector<QRgb>, pixels);
        const TPictureFile file = TPictureFile::Load(Written(name, bytes));
        QCOMPARE(file.Kind(), TPictureFile::TKind::pkBitmap);
        QCOMPARE(PixelsOf(file.Image()), pixels);
        // The stored form is a BMP file of the same picture.
        QCOMPARE(PixelsOf(TBmpFile::Decode(file.Bytes())), PixelsOf(file.Image().convertToFormat(QImage::Format_RGB32)));
    }

    void jpegAndIconGoThroughQtsReaders()
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(qRgb(0, 0, 200));
        const TPictureFile jpeg = TPictureFile::Load(Written("photo.JIF", Jpeg(image)));
        QCOMPARE(jpeg.Kind(), TPictureFile::TKind::pkBitmap);
        QVERIFY(qAbs(qBlue(jpeg.Image().pixel(4, 4)) - 200) < 8);

        const QByteArray icoBytes = Ico(QImage(16, 16, QImage::Format_ARGB32));
        const TPictureFile icon = TPictureFile::Load(Written("small.ico", icoBytes));
        QCOMPARE(icon.Kind(), TPictureFile::TKind::pkIcon);
        QCOMPARE(icon.Bytes(), icoBytes);
        QCOMPARE(icon.Image().size(), QSize(16, 16));
    }

    void bmpInStoredFormKeepsItsBytes()
    {
        const TPictureFile runLength = TPictureFile::Load(Written("runs.bmp", Rle8Bmp()));
        QCOMPARE(runLength.Bytes(), Rle8Bmp());

        // A size field that disagrees with the file makes a fresh BMP file.
        QByteArray misfit = Rle8Bmp();
        misfit[2] = 0;
        const TPictureFile rewritten = TPictureFile::Load(Written("misfit.bmp", misfit));
        QVERIFY(TBmpFile::IsStoredForm(rewritten.Bytes()));
        QCOMPARE(RowsOf(TBmpFile::Decode(rewritten.Bytes())), QStringList({"BWWB", "RRRR"}));
    }

    void encodedBitmapsLayTransparencyOverWhite()
    {
        QImage image(3, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(255, 0, 0, 255));
        image.setPixel(1, 0, qRgba(0, 0, 0, 0));
        image.setPixel(2, 0, qRgba(0, 0, 255, 255));
        const QByteArray bmp = TBmpFile::Encode(image);
        QVERIFY(TBmpFile::IsStoredForm(bmp));
        QCOMPARE(RowsOf(TBmpFile::Decode(bmp)), QStringList({"RWB"}));
    }
};

QTEST_MAIN(TestPictureCodecs)
#include "tst_picture_codecs.moc"

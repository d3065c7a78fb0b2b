#include "pictures/EmfWriter.h"
#include "pictures/PictureFixtures.h"
#include "pictures/WmfWriter.h"
#include "platform/EQuandrelError.h"
#include "platform/TBmpFile.h"
#include "platform/TMetafile.h"
#include "platform/TPcxReader.h"
#include "platform/TQtImageDecoder.h"
#include "platform/TTgaReader.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>
#include <functional>

using namespace LittleEndian;
using TDecoder = std::function<void(const QByteArray &)>;

Q_DECLARE_METATYPE(TDecoder)

namespace {

constexpr int MutationsPerFixture = 400;

QByteArray Ints(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes += I32(value);
    return bytes;
}

// A Windows metafile using most record kinds the player knows.
QByteArray RichWmf()
{
    WmfWriter w;
    w.Record(0x0103, {8}).Record(0x020B, {0, 0}).Record(0x020C, {200, 200});
    w.Raw(0x02FC, U16(2) + U32(0x0000FF) + U16(3)).Record(0x012D, {0});
    w.Raw(0x02FA, U16(1) + I16(3) + I16(0) + U32(0xFF0000)).Record(0x012D, {1});
    w.Record(0x0324, {3, 10, 10, 190, 10, 10, 190}).Record(0x0538, {2, 3, 3, 0, 0, 50, 0, 0, 50, 100, 100, 150, 100, 100, 150});
    w.Record(0x041B, {100, 100, 20, 20}).Record(0x061C, {20, 20, 180, 180, 120, 120}).Record(0x0418, {60, 60, 0, 0});
    w.Record(0x0817, {0, 100, 100, 200, 200, 200, 0, 0}).Record(0x081A, {0, 0, 200, 0, 200, 200, 0, 0});
    w.Record(0x0830, {0, 0, 200, 0, 200, 200, 0, 0}).Record(0x0214, {5, 5}).Record(0x0213, {150, 150});
    w.Record(0x001E, {}).Record(0x0416, {100, 100, 0, 0}).Record(0x0415, {50, 50, 10, 10}).Record(0x0127, {-1});
    QByteArray face("Arial");
    face.resize(32, '\0');
    w.Raw(0x02FB, I16(-20) + I16(0) + I16(450) + QByteArray(14, '\0') + face).Record(0x012D, {2});
    w.Record(0x012E, {6 | 24}).Record(0x0521, {3}, QByteArray("abc\0", 4) + I16(50) + I16(50));
    w.Raw(0x0A32, I16(80) + I16(20) + I16(2) + U16(6) + Ints({}) + I16(0) + I16(0) + I16(100) + I16(100)
                      + QByteArray("xy") + I16(10) + I16(10));
    const QByteArray dib = PictureFixtures::Dib24Header() + PictureFixtures::Dib24Bits();
    w.Raw(0x0F43, U32(0x00CC0020) + U16(0) + I16(2) + I16(2) + I16(0) + I16(0) + I16(50) + I16(50) + I16(0) + I16(0)
                      + dib);
    w.Raw(0x0B41, U32(0x00CC0020) + I16(2) + I16(2) + I16(0) + I16(0) + I16(-50) + I16(50) + I16(100) + I16(100) + dib);
    w.Raw(0x06FF, I16(0) + I16(6) + U32(0) + I16(0) + I16(1) + I16(2) + I16(0) + I16(0) + I16(50) + I16(50) + U16(2)
                      + U16(0) + U16(50) + I16(0) + I16(50) + U16(2));
    w.Record(0x012C, {3}).Record(0x0228, {3, 0}).Record(0x01F0, {3});
    return w.Placeable(QRect(0, 0, 200, 200), 1440);
}

// An enhanced metafile using most record kinds the player knows.
QByteArray RichEmf()
{
    EmfWriter w(QRect(0, 0, 2540, 2540));
    w.Record(39, U32(1) + U32(2) + U32(0x00FF00) + U32(4)).Record(37, U32(1));
    w.Record(95, U32(2) + Ints({0, 0, 0, 0}) + U32(0x10000 | 7) + U32(4) + U32(0) + U32(0xFF) + U32(0) + U32(2) + U32(3)
                     + U32(5))
        .Record(37, U32(2));
    w.Record(17, U32(8)).Record(9, Ints({100, 100})).Record(11, Ints({96, 96})).Record(10, Ints({0, 0}));
    w.Record(36, F32(1) + F32(0.2f) + F32(0) + F32(1) + F32(0) + F32(0) + U32(2));
    w.Record(43, Ints({0, 0, 50, 50})).Record(42, Ints({10, 10, 90, 90})).Record(44, Ints({0, 0, 90, 90, 10, 10}));
    w.Record(45, Ints({0, 0, 90, 90, 90, 45, 45, 0})).Record(55, Ints({0, 0, 90, 90, 0, 45, 45, 90}));
    w.Record(41, Ints({50, 50}) + U32(20) + F32(10) + F32(270));
    w.Record(86, EmfWriter::Rect(QRect()) + U32(3) + I16(0) + I16(0) + I16(90) + I16(0) + I16(0) + I16(90));
    w.Record(2, EmfWriter::Rect(QRect()) + U32(4) + Ints({0, 0, 30, 90, 60, -10, 90, 90}));
    w.Record(56, EmfWriter::Rect(QRect()) + U32(3) + Ints({0, 0, 50, 50, 0, 90}) + QByteArray::fromHex("060203"));
    w.Record(59).Record(27, Ints({0, 0})).Record(54, Ints({90, 0})).Record(61).Record(60).Record(63, EmfWriter::Rect(QRect()));
    w.Record(59).Record(42, Ints({0, 0, 60, 60})).Record(60).Record(66).Record(67, U32(1));
    w.Record(33).Record(30, Ints({0, 0, 40, 40})).Record(29, Ints({5, 5, 10, 10})).Record(34, I32(-1));
    QByteArray name(64, '\0');
    name[0] = 'A';
    w.Record(82, U32(3) + Ints({-12, 0, 900, 0, 700}) + QByteArray(8, '\0') + name).Record(37, U32(3));
    const quint32 textOffset = 8 + 16 + 12 + 40;
    w.Record(84, EmfWriter::Rect(QRect()) + U32(1) + F32(1) + F32(1) + EmfWriter::Point(10, 10) + U32(2) + U32(textOffset)
                     + U32(6) + Ints({0, 0, 50, 20}) + U32(textOffset + 4) + QByteArray("a\0b\0", 4) + Ints({8, 8}));
    const QByteArray header = PictureFixtures::Dib24Header();
    const QByteArray bits = PictureFixtures::Dib24Bits();
    const quint32 offset = 8 + 72;
    w.Record(81, EmfWriter::Rect(QRect()) + Ints({48, 0, 0, 0, 2, 2}) + U32(offset) + U32(quint32(header.size()))
                     + U32(offset + quint32(header.size())) + U32(quint32(bits.size())) + U32(0) + U32(0x00CC0020)
                     + Ints({48, 96}) + header + bits);
    const QByteArray region = Ints({32, 1, 1, 16}) + Ints({0, 0, 48, 96}) + Ints({0, 0, 48, 96});
    w.Record(75, U32(quint32(region.size())) + U32(1) + region);
    w.Record(71, EmfWriter::Rect(QRect()) + U32(quint32(region.size())) + U32(1) + region);
    w.Record(40, U32(1)).Record(37, U32(0x80000005));
    return w.Bytes();
}

void PlayMetafile(const QByteArray &bytes)
{
    const TMetafile metafile(bytes);
    QImage image(48, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    metafile.Draw(painter, QRectF(0, 0, 48, 48));
}

// Every outcome but a clean result or a clean EQuandrelError fails the test.
void ExpectCleanOutcome(const TDecoder &decode, const QByteArray &bytes, const QByteArray &what)
{
    try {
        decode(bytes);
    } catch (const EQuandrelError &error) {
        QVERIFY2(!error.message().isEmpty(), what.constData());
    } catch (const std::exception &error) {
        QFAIL(qPrintable(QStringLiteral("%1: %2").arg(QString::fromLatin1(what), QString::fromLatin1(error.what()))));
    }
}

QByteArray Mutated(QByteArray bytes, QRandomGenerator &random)
{
    const int changes = 1 + int(random.bounded(8));
    for (int i = 0; i < changes; ++i) {
        const int at = int(random.bounded(quint32(bytes.size())));
        switch (random.bounded(4)) {
        case 0: bytes[at] = char(random.bounded(256)); break;
        case 1: bytes[at] = char(0xFF); break;
        case 2: bytes[at] = 0; break;
        default: bytes[at] = char(bytes[at] ^ (1 << random.bounded(8))); break;
        }
    }
    return bytes;
}

} // namespace

class TestPictureRobustness : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void damagedInputEndsCleanly_data()
    {
        QTest::addColumn<QByteArray>("fixture");
        QTest::addColumn<TDecoder>("decode");
        const TDecoder bmp = [](const QByteArray &bytes) { TBmpFile::Decode(bytes); };
        const TDecoder tga = [](const QByteArray &bytes) { TTgaReader::Decode(bytes); };
        const TDecoder pcx = [](const QByteArray &bytes) { TPcxReader::Decode(bytes); };
        QTest::newRow("RLE8 BMP") << PictureFixtures::Rle8Bmp() << bmp;
        QTest::newRow("RLE4 BMP") << PictureFixtures::Rle4Bmp() << bmp;
        for (const PictureFixtures::TFixture &fixture : PictureFixtures::TgaKinds())
            QTest::newRow(QByteArray("TGA ") + fixture.Name) << fixture.Bytes << tga;
        for (const PictureFixtures::TFixture &fixture : PictureFixtures::PcxKinds())
            QTest::newRow(QByteArray("PCX ") + fixture.Name) << fixture.Bytes << pcx;
        QTest::newRow("GIF") << PictureFixtures::Gif()
                             << TDecoder([](const QByteArray &bytes) { TQtImageDecoder::Decode(bytes, "gif"); });
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(qRgba(10, 200, 30, 128));
        QTest::newRow("ICO") << PictureFixtures::Ico(picture)
                             << TDecoder([](const QByteArray &bytes) { TQtImageDecoder::Decode(bytes, "ico"); });
        QTest::newRow("JPEG") << PictureFixtures::Jpeg(picture)
                              << TDecoder([](const QByteArray &bytes) { TQtImageDecoder::Decode(bytes, "jpeg"); });
        QTest::newRow("WMF") << RichWmf() << TDecoder(PlayMetafile);
        QTest::newRow("EMF") << RichEmf() << TDecoder(PlayMetafile);
    }
    void damagedInputEndsCleanly()
    {
        QFETCH(QByteArray, fixture);
        QFETCH(TDecoder, decode);
        decode(fixture); // the fixture itself is valid
        for (qsizetype length = 0; length < fixture.size(); ++length)
            ExpectCleanOutcome(decode, fixture.left(length), "cut at " + QByteArray::number(length));
        QRandomGenerator random(quint32(qHash(QByteArray(QTest::currentDataTag()))));
        for (int i = 0; i < MutationsPerFixture; ++i)
            ExpectCleanOutcome(decode, Mutated(fixture, random), "mutation " + QByteArray::number(i));
    }
};

QTEST_MAIN(TestPictureRobustness)
#include "tst_picture_robustness.moc"

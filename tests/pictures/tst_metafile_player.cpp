#include "pictures/EmfWriter.h"
#include "pictures/PictureFixtures.h"
#include "pictures/WmfWriter.h"
#include "platform/TMetafile.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPicture>
#include <QTest>

using namespace LittleEndian;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);

enum : quint32 {
    EMR_SETMAPMODE = 17, EMR_SETWINDOWEXTEX = 9, EMR_SETWINDOWORGEX = 10, EMR_SETVIEWPORTEXTEX = 11,
    EMR_SETVIEWPORTORGEX = 12, EMR_SETWORLDTRANSFORM = 35, EMR_SELECTOBJECT = 37, EMR_CREATEBRUSHINDIRECT = 39,
    EMR_RECTANGLE = 43, EMR_ELLIPSE = 42, EMR_ROUNDRECT = 44, EMR_PIE = 47, EMR_CHORD = 46, EMR_POLYPOLYGON16 = 91,
    EMR_MOVETOEX = 27, EMR_LINETO = 54, EMR_BEGINPATH = 59, EMR_ENDPATH = 60, EMR_CLOSEFIGURE = 61,
    EMR_FILLPATH = 62, EMR_SELECTCLIPPATH = 67, EMR_INTERSECTCLIPRECT = 30, EMR_EXCLUDECLIPRECT = 29,
    EMR_SAVEDC = 33, EMR_RESTOREDC = 34, EMR_EXTSELECTCLIPRGN = 75, EMR_STRETCHDIBITS = 81,
    EMR_EXTCREATEFONTINDIRECTW = 82, EMR_EXTTEXTOUTW = 84, EMR_SETTEXTALIGN = 22, EMR_SETTEXTCOLOR = 24,
    EMR_SETBKMODE = 18, EMR_SETBKCOLOR = 25,
};
constexpr quint32 NullPen = 0x80000008;

enum : quint16 {
    META_SETWINDOWORG = 0x020B, META_SETWINDOWEXT = 0x020C, META_CREATEBRUSHINDIRECT = 0x02FC,
    META_CREATEPENINDIRECT = 0x02FA, META_CREATEFONTINDIRECT = 0x02FB, META_SELECTOBJECT = 0x012D,
    META_POLYGON = 0x0324, META_TEXTOUT = 0x0521, META_SETBKMODE = 0x0102, META_SETTEXTCOLOR = 0x0209,
    META_RECTANGLE = 0x041B, META_INTERSECTCLIPRECT = 0x0416,
};

quint32 ColourRef(QRgb colour)
{
    return quint32(qRed(colour)) | quint32(qGreen(colour)) << 8 | quint32(qBlue(colour)) << 16;
}

QByteArray Ints(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes += I32(value);
    return bytes;
}

// An enhanced metafile one inch (96 pixels) square, filling with a solid
// brush of the given colour and no outline.
EmfWriter Filling(QRgb colour)
{
    EmfWriter writer(QRect(0, 0, 2540, 2540));
    writer.Record(EMR_CREATEBRUSHINDIRECT, U32(1) + U32(0) + U32(ColourRef(colour)) + U32(0));
    writer.Record(EMR_SELECTOBJECT, U32(1));
    writer.Record(EMR_SELECTOBJECT, U32(NullPen));
    return writer;
}

QImage Drawn(const QByteArray &bytes, QSize size = QSize(96, 96))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    TMetafile(bytes).Draw(painter, QRectF(QPointF(0, 0), size));
    return image;
}

// A 16-bit string the way text records carry it, padded to four bytes.
QByteArray Utf16(const QString &text)
{
    QByteArray bytes(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    while (bytes.size() % 4)
        bytes += '\0';
    return bytes;
}

QByteArray FontRecord(quint32 index, int height, const QString &face)
{
    QByteArray name(64, '\0');
    for (int i = 0; i < face.size(); ++i)
        name[2 * i] = char(face[i].unicode());
    return U32(index) + Ints({height, 0, 0, 0, 400}) + QByteArray(8, '\0') + name;
}

QByteArray TextRecord(int x, int y, const QString &text)
{
    const quint32 textOffset = 8 + 16 + 12 + 40;
    return EmfWriter::Rect(QRect()) + U32(1) + F32(0) + F32(0) + EmfWriter::Point(x, y) + U32(quint32(text.size()))
        + U32(textOffset) + U32(0) + EmfWriter::Rect(QRect()) + U32(0) + Utf16(text);
}

QPoint FirstOf(const QImage &image, QRgb colour, bool fromRight = false)
{
    for (int i = 0; i < image.width(); ++i) {
        const int x = fromRight ? image.width() - 1 - i : i;
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) == colour)
                return QPoint(x, y);
    }
    return QPoint(-1, -1);
}

int LowestRow(const QImage &image, QRgb colour)
{
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                return y;
    return -1;
}

// A device that notes the text handed to it, to tell text from outlines.
class TextSpyEngine : public QPaintEngine
{
public:
    TextSpyEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPath(const QPainterPath &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF &, const QTextItem &item) override { Texts << item.text(); }
    Type type() const override { return QPaintEngine::User; }
    QStringList Texts;
};

class TextSpyDevice : public QPaintDevice
{
public:
    QPaintEngine *paintEngine() const override { return &FEngine; }
    QStringList Texts() const { return FEngine.Texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
        case PdmHeight: return 100;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(QPaintDevice::devicePixelRatioFScale());
        default: return 96;
        }
    }

private:
    mutable TextSpyEngine FEngine;
};

} // namespace

class TestMetafilePlayer : public QObject
{
    Q_OBJECT

    // A placeable metafile a thousand units square: a red triangle over the
    // upper left half, and "Hi" in blue.
    static QByteArray PolygonAndText()
    {
        WmfWriter writer;
        writer.Record(META_SETWINDOWORG, {0, 0}).Record(META_SETWINDOWEXT, {1000, 1000});
        writer.Raw(META_CREATEBRUSHINDIRECT, U16(0) + U32(ColourRef(Red)) + U16(0));
        writer.Record(META_SELECTOBJECT, {0});
        writer.Record(META_CREATEPENINDIRECT, {5, 0, 0, 0, 0});
        writer.Record(META_SELECTOBJECT, {1});
        writer.Record(META_POLYGON, {3, 100, 100, 900, 100, 100, 900});
        QByteArray face("Arial");
        face.resize(32, '\0');
        writer.Raw(META_CREATEFONTINDIRECT, I16(-200) + QByteArray(16, '\0') + face);
        writer.Record(META_SELECTOBJECT, {2});
        writer.Record(META_SETBKMODE, {1});
        writer.Raw(META_SETTEXTCOLOR, U32(ColourRef(Blue)));
        writer.Record(META_TEXTOUT, {2}, QByteArray("Hi") + I16(600) + I16(500));
        return writer.Placeable(QRect(0, 0, 1000, 1000), 1000);
    }

private Q_SLOTS:
    void wmfPolygonFillsWherePlaced()
    {
        const QImage image = Drawn(PolygonAndText(), QSize(100, 100));
        QCOMPARE(image.pixel(30, 30), Red);
        QCOMPARE(image.pixel(12, 85), Red);
        QCOMPARE(image.pixel(85, 12), Red);
        QCOMPARE(image.pixel(88, 50), White);
        QCOMPARE(image.pixel(5, 5), White);
        const QPoint text = FirstOf(image, Blue);
        QVERIFY2(text.x() >= 50 && text.x() < 56 && text.y() >= 60 && text.y() < 80,
                 qPrintable(QStringLiteral("%1,%2").arg(text.x()).arg(text.y())));
    }

    void wmfTextStaysTextInARecordedPicture()
    {
        QPicture picture;
        {
            QPainter painter(&picture);
            TMetafile(PolygonAndText()).Draw(painter, QRectF(0, 0, 100, 100));
        }
        TextSpyDevice device;
        {
            QPainter painter(&device);
            picture.play(&painter);
        }
        QCOMPARE(device.Texts(), QStringList{"Hi"});
    }

    void emfRectangleAndStretchedDib()
    {
        const QByteArray header = PictureFixtures::Dib24Header();
        const QByteArray bits = PictureFixtures::Dib24Bits();
        const quint32 headerOffset = 8 + 72;
        EmfWriter writer = Filling(qRgb(0, 128, 0));
        writer.Record(EMR_RECTANGLE, Ints({0, 0, 48, 96}));
        writer.Record(EMR_STRETCHDIBITS, EmfWriter::Rect(QRect()) + Ints({48, 0, 0, 0, 2, 2})
                                             + U32(headerOffset) + U32(quint32(header.size()))
                                             + U32(headerOffset + quint32(header.size())) + U32(quint32(bits.size()))
                                             + U32(0) + U32(0x00CC0020) + Ints({48, 96}) + header + bits);
        const QByteArray emf = writer.Bytes();
        QCOMPARE(TMetafile(emf).NaturalSize(), QSize(96, 96));
        const QImage image = Drawn(emf);
        QCOMPARE(image.pixel(10, 50), qRgb(0, 128, 0));
        QCOMPARE(image.pixel(60, 10), Red);
        QCOMPARE(image.pixel(85, 10), Blue);
        QCOMPARE(image.pixel(60, 80), qRgb(255, 255, 0));
        QCOMPARE(image.pixel(85, 80), qRgb(0, 0, 0));
    }

    void mappingPutsTheQuadrantInPlace_data()
    {
        QTest::addColumn<QByteArray>("emf");
        auto quadrant = [](const QByteArray &setUp, std::initializer_list<int> box) {
            EmfWriter writer = Filling(Red);
            QByteArray records = setUp;
            int offset = 0;
            while (offset < records.size()) {
                const quint32 size = qFromLittleEndian<quint32>(records.constData() + offset + 4);
                writer.Record(qFromLittleEndian<quint32>(records.constData() + offset), records.mid(offset + 8, size - 8));
                offset += int(size);
            }
            writer.Record(EMR_RECTANGLE, Ints(box));
            return writer.Bytes();
        };
        auto record = [](quint32 type, const QByteArray &parameters) {
            return U32(type) + U32(quint32(8 + parameters.size())) + parameters;
        };
        QTest::newRow("device units") << quadrant({}, {0, 0, 48, 48});
        QTest::newRow("anisotropic window and viewport")
            << quadrant(record(EMR_SETMAPMODE, U32(8)) + record(EMR_SETWINDOWEXTEX, Ints({10, 10}))
                            + record(EMR_SETVIEWPORTEXTEX, Ints({96, 96})),
                        {0, 0, 5, 5});
        QTest::newRow("window and viewport origins")
            << quadrant(record(EMR_SETMAPMODE, U32(8)) + record(EMR_SETWINDOWORGEX, Ints({100, 100}))
                            + record(EMR_SETWINDOWEXTEX, Ints({96, 96})) + record(EMR_SETVIEWPORTEXTEX, Ints({96, 96}))
                            + record(EMR_SETVIEWPORTORGEX, Ints({10, 10})),
                        {90, 90, 138, 138});
        QTest::newRow("isotropic keeps units square")
            << quadrant(record(EMR_SETMAPMODE, U32(7)) + record(EMR_SETWINDOWEXTEX, Ints({10, 20}))
                            + record(EMR_SETVIEWPORTEXTEX, Ints({96, 96})),
                        {0, 0, 10, 10});
        QTest::newRow("tenths of a millimetre count upwards")
            << quadrant(record(EMR_SETMAPMODE, U32(2)), {0, 0, 127, -127});
        QTest::newRow("world transform")
            << quadrant(record(EMR_SETWORLDTRANSFORM, F32(0.5f) + F32(0) + F32(0) + F32(0.5f) + F32(0) + F32(0)),
                        {0, 0, 96, 96});
    }
    void mappingPutsTheQuadrantInPlace()
    {
        QFETCH(QByteArray, emf);
        const QImage image = Drawn(emf);
        QCOMPARE(image.pixel(24, 24), Red);
        QCOMPARE(image.pixel(44, 44), Red);
        QCOMPARE(image.pixel(53, 24), White);
        QCOMPARE(image.pixel(24, 53), White);
    }

    void clippingKeepsTheLeftHalf_data()
    {
        QTest::addColumn<QByteArray>("metafile");
        QTest::addColumn<QRgb>("right");
        auto filled = [](std::function<void(EmfWriter &)> setUp) {
            EmfWriter writer = Filling(Red);
            setUp(writer);
            writer.Record(EMR_RECTANGLE, Ints({0, 0, 96, 96}));
            return writer.Bytes();
        };
        QTest::newRow("intersect") << filled([](EmfWriter &w) { w.Record(EMR_INTERSECTCLIPRECT, Ints({0, 0, 48, 96})); })
                                   << White;
        QTest::newRow("exclude") << filled([](EmfWriter &w) { w.Record(EMR_EXCLUDECLIPRECT, Ints({48, 0, 96, 96})); })
                                 << White;
        QTest::newRow("restore drops the clip") << filled([](EmfWriter &w) {
            w.Record(EMR_SAVEDC).Record(EMR_INTERSECTCLIPRECT, Ints({0, 0, 48, 96})).Record(EMR_RESTOREDC, I32(-1));
        }) << Red;
        QTest::newRow("region") << filled([](EmfWriter &w) {
            const QByteArray region = Ints({32, 1, 1, 16}) + Ints({0, 0, 48, 96}) + Ints({0, 0, 48, 96});
            w.Record(EMR_EXTSELECTCLIPRGN, U32(quint32(region.size())) + U32(5) + region);
        }) << White;
        QTest::newRow("path") << filled([](EmfWriter &w) {
            w.Record(EMR_BEGINPATH).Record(EMR_RECTANGLE, Ints({0, 0, 48, 96})).Record(EMR_ENDPATH);
            w.Record(EMR_SELECTCLIPPATH, U32(5));
        }) << White;
        WmfWriter wmf;
        wmf.Raw(META_CREATEBRUSHINDIRECT, U16(0) + U32(ColourRef(Red)) + U16(0)).Record(META_SELECTOBJECT, {0});
        wmf.Record(META_CREATEPENINDIRECT, {5, 0, 0, 0, 0}).Record(META_SELECTOBJECT, {1});
        wmf.Record(META_INTERSECTCLIPRECT, {96, 48, 0, 0}).Record(META_RECTANGLE, {96, 96, 0, 0});
        QTest::newRow("Windows metafile") << wmf.Placeable(QRect(0, 0, 96, 96), 96) << White;
    }
    void clippingKeepsTheLeftHalf()
    {
        QFETCH(QByteArray, metafile);
        QFETCH(QRgb, right);
        const QImage image = Drawn(metafile);
        QCOMPARE(image.pixel(24, 48), Red);
        QCOMPARE(image.pixel(72, 48), right);
    }

    void figuresFillTheirArea_data()
    {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArray>("parameters");
        QTest::addColumn<QPoint>("inside");
        QTest::addColumn<QPoint>("outside");
        QTest::newRow("ellipse") << quint32(EMR_ELLIPSE) << Ints({0, 0, 96, 96}) << QPoint(48, 48) << QPoint(6, 6);
        QTest::newRow("round rectangle") << quint32(EMR_ROUNDRECT) << Ints({0, 0, 96, 96, 60, 60}) << QPoint(10, 48)
                                         << QPoint(3, 3);
        // Counterclockwise from 3 o'clock to 12 o'clock: the upper right quarter.
        QTest::newRow("pie") << quint32(EMR_PIE) << Ints({0, 0, 96, 96, 96, 48, 48, 0}) << QPoint(70, 26)
                             << QPoint(26, 26);
        QTest::newRow("chord") << quint32(EMR_CHORD) << Ints({0, 0, 96, 96, 96, 48, 48, 0}) << QPoint(80, 16)
                               << QPoint(60, 36);
        QTest::newRow("poly-polygon") << quint32(EMR_POLYPOLYGON16)
                                      << EmfWriter::Rect(QRect()) + U32(2) + U32(6) + U32(3) + U32(3)
                                             + QByteArray::fromHex("0000000030000000" "00003000") // (0,0) (48,0) (0,48)
                                             + QByteArray::fromHex("6000600060003000" "30006000") // (96,96) (96,48) (48,96)
                                      << QPoint(90, 90) << QPoint(50, 50);
    }
    void figuresFillTheirArea()
    {
        QFETCH(quint32, type);
        QFETCH(QByteArray, parameters);
        QFETCH(QPoint, inside);
        QFETCH(QPoint, outside);
        const QImage image = Drawn(Filling(Red).Record(type, parameters).Bytes());
        QCOMPARE(image.pixel(inside), Red);
        QCOMPARE(image.pixel(outside), White);
    }

    void pathBracketFillsTheFigure()
    {
        EmfWriter writer = Filling(Red);
        writer.Record(EMR_BEGINPATH).Record(EMR_MOVETOEX, Ints({0, 0})).Record(EMR_LINETO, Ints({96, 0}));
        writer.Record(EMR_LINETO, Ints({0, 96})).Record(EMR_CLOSEFIGURE).Record(EMR_ENDPATH);
        // Nothing is drawn while the path is being built.
        const QImage beforeFill = Drawn(writer.Bytes());
        QCOMPARE(beforeFill.pixel(20, 20), White);
        const QImage image = Drawn(writer.Record(EMR_FILLPATH, EmfWriter::Rect(QRect())).Bytes());
        QCOMPARE(image.pixel(20, 20), Red);
        QCOMPARE(image.pixel(70, 70), White);
    }

    void textFollowsItsAlignment()
    {
        EmfWriter writer(QRect(0, 0, 2540, 2540));
        writer.Record(EMR_EXTCREATEFONTINDIRECTW, FontRecord(1, -30, "Arial")).Record(EMR_SELECTOBJECT, U32(1));
        writer.Record(EMR_SETTEXTCOLOR, U32(ColourRef(Blue))).Record(EMR_SETBKMODE, U32(1));
        writer.Record(EMR_SETTEXTALIGN, U32(6 | 24)); // centred on the baseline
        writer.Record(EMR_EXTTEXTOUTW, TextRecord(48, 60, "HH"));
        const QImage image = Drawn(writer.Bytes());
        const int left = FirstOf(image, Blue).x();
        const int right = FirstOf(image, Blue, true).x();
        QVERIFY2(left > 20 && left < 48 && right > 48 && right < 76, qPrintable(QStringLiteral("%1-%2").arg(left).arg(right)));
        QVERIFY(qAbs((left + right) / 2 - 48) <= 2);
        QCOMPARE(LowestRow(image, Blue), 59);
    }

    void opaqueTextFillsItsCell()
    {
        EmfWriter writer(QRect(0, 0, 2540, 2540));
        writer.Record(EMR_EXTCREATEFONTINDIRECTW, FontRecord(1, -30, "Arial")).Record(EMR_SELECTOBJECT, U32(1));
        writer.Record(EMR_SETBKCOLOR, U32(ColourRef(Red))).Record(EMR_SETBKMODE, U32(2));
        writer.Record(EMR_EXTTEXTOUTW, TextRecord(10, 10, "i"));
        const QImage image = Drawn(writer.Bytes());
        QCOMPARE(image.pixel(11, 12), Red);
        QCOMPARE(image.pixel(11, 8), White);
    }

    void unknownRecordsAreSkippedAndMalformedOnesEndPlayback_data()
    {
        QTest::addColumn<QByteArray>("metafile");
        QTest::addColumn<QRgb>("right");
        QTest::newRow("EMF unknown record") << Filling(Red)
                                                   .Record(EMR_RECTANGLE, Ints({0, 0, 48, 96}))
                                                   .Record(250, Ints({1, 2, 3}))
                                                   .Record(EMR_RECTANGLE, Ints({48, 0, 96, 96}))
                                                   .Bytes()
                                            << Red;
        QTest::newRow("EMF record larger than the file") << Filling(Red)
                                                                .Record(EMR_RECTANGLE, Ints({0, 0, 48, 96}))
                                                                .Oversized(EMR_RECTANGLE)
                                                                .Record(EMR_RECTANGLE, Ints({48, 0, 96, 96}))
                                                                .Bytes()
                                                         << White;
        QTest::newRow("EMF record cut short") << Filling(Red)
                                                     .Record(EMR_RECTANGLE, Ints({0, 0, 48, 96}))
                                                     .Record(EMR_RECTANGLE, Ints({48, 0}))
                                                     .Record(EMR_RECTANGLE, Ints({48, 0, 96, 96}))
                                                     .Bytes()
                                              << White;
        QTest::newRow("EMF bitmap outside its record")
            << Filling(Red)
                   .Record(EMR_RECTANGLE, Ints({0, 0, 48, 96}))
                   .Record(EMR_STRETCHDIBITS, EmfWriter::Rect(QRect()) + Ints({48, 0, 0, 0, 2, 2}) + U32(4000) + U32(40)
                                                  + U32(4040) + U32(16) + U32(0) + U32(0x00CC0020) + Ints({48, 96}))
                   .Record(EMR_RECTANGLE, Ints({48, 0, 96, 96}))
                   .Bytes()
            << White;
        auto wmf = [](const std::function<void(WmfWriter &)> &middle) {
            WmfWriter writer;
            writer.Raw(META_CREATEBRUSHINDIRECT, U16(0) + U32(ColourRef(Red)) + U16(0)).Record(META_SELECTOBJECT, {0});
            writer.Record(META_CREATEPENINDIRECT, {5, 0, 0, 0, 0}).Record(META_SELECTOBJECT, {1});
            writer.Record(META_RECTANGLE, {96, 48, 0, 0});
            middle(writer);
            writer.Record(META_RECTANGLE, {96, 96, 0, 48});
            return writer.Placeable(QRect(0, 0, 96, 96), 96);
        };
        QTest::newRow("WMF unknown record") << wmf([](WmfWriter &w) { w.Record(0x0999, {1, 2}); }) << Red;
        QTest::newRow("WMF polygon counting more points than it holds")
            << wmf([](WmfWriter &w) { w.Record(META_POLYGON, {40, 0, 0, 10, 10}); }) << White;
        QTest::newRow("WMF record larger than the file") << wmf([](WmfWriter &w) { w.Oversized(META_RECTANGLE); })
                                                         << White;
    }
    void unknownRecordsAreSkippedAndMalformedOnesEndPlayback()
    {
        QFETCH(QByteArray, metafile);
        QFETCH(QRgb, right);
        const QImage image = Drawn(metafile);
        QCOMPARE(image.pixel(24, 48), Red);
        QCOMPARE(image.pixel(72, 48), right);
    }

    void naturalSize_data()
    {
        QTest::addColumn<QByteArray>("metafile");
        QTest::addColumn<QSize>("size");
        WmfWriter dot;
        dot.Record(META_RECTANGLE, {10, 10, 0, 0});
        QTest::newRow("placeable, twips") << dot.Placeable(QRect(0, 0, 2880, 1440), 1440) << QSize(192, 96);
        QTest::newRow("placeable, no units per inch") << dot.Placeable(QRect(0, 0, 2540, 1270), 0) << QSize(96, 48);
        QTest::newRow("enhanced frame") << EmfWriter(QRect(0, 0, 2540, 1270)).Bytes() << QSize(96, 48);
        QTest::newRow("enhanced, fine device") << EmfWriter(QRect(0, 0, 2540, 1270), QSize(2400, 2400), QSize(254, 254)).Bytes()
                                               << QSize(96, 48);
    }
    void naturalSize()
    {
        QFETCH(QByteArray, metafile);
        QFETCH(QSize, size);
        QCOMPARE(TMetafile(metafile).NaturalSize(), size);
    }

    void plainWmfGetsAPlaceableHeader()
    {
        WmfWriter writer;
        writer.Record(META_SETWINDOWORG, {0, 0}).Record(META_SETWINDOWEXT, {1270, 2540});
        writer.Record(META_RECTANGLE, {1270, 1270, 0, 0});
        const QByteArray plain = writer.Plain();
        const TMetafile metafile(plain);
        QCOMPARE(metafile.NaturalSize(), QSize(96, 48));
        const QByteArray stored = metafile.StoredBytes();
        QCOMPARE(stored.size(), plain.size() + 22);
        QCOMPARE(stored.mid(22), plain);
        QCOMPARE(qFromLittleEndian<quint32>(stored.constData()), 0x9AC6CDD7u);
        QCOMPARE(qFromLittleEndian<quint16>(stored.constData() + 14), quint16(2540));
        // The stored form reads back the same.
        QCOMPARE(TMetafile(stored).StoredBytes(), stored);
    }
};

QTEST_MAIN(TestMetafilePlayer)
#include "tst_metafile_player.moc"

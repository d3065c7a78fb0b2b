#include "StreamBytes.h"
#include "support/SampleDesign.h"

#include "core/EDesignStreamError.h"
#include "core/PropertyBuilder.h"
#include "core/TClassRegistry.h"
#include "core/TDesign.h"
#include "core/TGLabelObjectFiler.h"
#include "objects/StandardClasses.h"
#include "objects/graphics/TGImage.h"
#include "objects/graphics/TGLineShape.h"
#include "objects/text/TGPCircleText.h"
#include "objects/text/TGPLabel.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace StreamBytes;

namespace {

// A kind with a floating-point property, which no design object publishes but
// the stream must carry exactly.
class TFloatHost : public TGGraphicControl
{
public:
    static constexpr const char *StaticClassName = "TFloatHost";
    const char *ClassName() const override { return StaticClassName; }
    static const TPropertyTable &Properties()
    {
        static const TPropertyTable table(TGGraphicControl::Properties(),
                                          {Prop::Float("Ratio", Prop::Field(&TFloatHost::FRatio))});
        return table;
    }
    const TPropertyTable &properties() const override { return Properties(); }
    double FRatio = 0;
};

QByteArray Write(const TGGraphicControl &object)
{
    return TGLabelObjectFiler::WriteStream({&object});
}

QByteArray Write(const TDesign &design)
{
    std::vector<const TGGraphicControl *> objects;
    for (int i = 0; i < design.Count(); ++i)
        objects.push_back(design.At(i));
    return TGLabelObjectFiler::WriteStream(objects);
}

void Read(const QByteArray &data, TDesign &design, const TClassRegistry &classes = StandardClasses())
{
    TGLabelObjectFiler(classes).ReadStream(data, design);
}

// The bytes of one property's value as the writer puts it after its name.
QByteArray ValueBytes(const QByteArray &stream, const QByteArray &path)
{
    const qsizetype at = stream.indexOf(Short(path));
    if (at < 0)
        return QByteArray();
    return stream.mid(at + 1 + path.size());
}

} // namespace

class TestDesignStream : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void lineRecordMatchesTheDocumentedBytes()
    {
        TDesign design;
        auto line = SampleDesign::Placed<TGLineShape>("Special1");
        line->SetLineStyle(TLineStyle::stVertical);
        design.Add(std::move(line));

        const QByteArray expected = Design(RecordHead("TGLineShape", "Special1") + Bounds(20, 30, 50, 15)
                                           + Short("LineStyle") + Ident("stVertical") + EndRecord());
        QCOMPARE(Write(design), expected);
    }

    void emptyDesignIsTwoBytes()
    {
        QCOMPARE(Write(TDesign()), QByteArray("\x01\x00", 2));
    }

    void integersTakeTheSmallestTag_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("127") << 127 << QByteArray("\x02\x7f", 2);
        QTest::newRow("-128") << -128 << QByteArray("\x02\x80", 2);
        QTest::newRow("128") << 128 << QByteArray("\x03\x80\x00", 3);
        QTest::newRow("-129") << -129 << QByteArray("\x03\x7f\xff", 3);
        QTest::newRow("32767") << 32767 << QByteArray("\x03\xff\x7f", 3);
        QTest::newRow("32768") << 32768 << QByteArray("\x04\x00\x80\x00\x00", 5);
        QTest::newRow("-32769") << -32769 << QByteArray("\x04\xff\x7f\xff\xff", 5);
    }
    void integersTakeTheSmallestTag()
    {
        QFETCH(int, value);
        QFETCH(QByteArray, bytes);
        TGLineShape line;
        line.SetTag(value);
        QVERIFY(ValueBytes(Write(line), "Tag").startsWith(bytes));
        TDesign design;
        Read(Write(line), design);
        QCOMPARE(design.At(0)->Tag(), value);
    }

    void propertiesAtTheirDefaultsAreNotWritten()
    {
        TGLineShape line;
        const QByteArray stream = Write(line);
        for (const char *path : {"Tag", "Cursor", "Hint", "LineStyle", "Pen.Color", "Pen.Width"})
            QVERIFY2(!stream.contains(Short(path)), path);
        TGPLabel label;
        QVERIFY(!Write(label).contains(Short("Font.Size")));
    }

    void stringsChooseShortLongOrUtf8_data()
    {
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QByteArray>("head");
        QTest::newRow("255 characters") << QString(255, QLatin1Char('a')) << QByteArray("\x06\xff", 2);
        QTest::newRow("256 characters") << QString(256, QLatin1Char('a')) << QByteArray("\x0c\x00\x01\x00\x00", 5);
        QTest::newRow("euro sign is Windows-1252") << QStringLiteral("\u20ac") << QByteArray("\x06\x01\x80", 3);
        QTest::newRow("arrow needs UTF-8") << QStringLiteral("\u2192") << QByteArray("\x14\x03\x00\x00\x00\xe2\x86\x92", 8);
    }
    void stringsChooseShortLongOrUtf8()
    {
        QFETCH(QString, hint);
        QFETCH(QByteArray, head);
        TGLineShape line;
        line.SetHint(hint);
        QVERIFY(ValueBytes(Write(line), "Hint").startsWith(head));
        TDesign design;
        Read(Write(line), design);
        QCOMPARE(design.At(0)->Hint(), hint);
    }

    void utf16StringsAreRead()
    {
        const QByteArray utf16("\x12\x02\x00\x00\x00\xe5\x65\x2c\x67", 9);
        TDesign design;
        Read(Design(RecordHead("TGPLabel", "A") + Bounds(0, 0, 9, 9) + Short("Caption") + utf16 + EndRecord()),
             design);
        QCOMPARE(static_cast<TGPLabel *>(design.At(0))->Caption(), QStringLiteral("\u65e5\u672c"));
    }

    void fontStylesAreWrittenAsSets_data()
    {
        QTest::addColumn<quint32>("mask");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << 0u << QByteArray("\x0b\x00", 2);
        QTest::newRow("bold italic") << 3u << QByteArray("\x0b\x06" "fsBold" "\x08" "fsItalic" "\x00", 17);
    }
    void fontStylesAreWrittenAsSets()
    {
        QFETCH(quint32, mask);
        QFETCH(QByteArray, bytes);
        TGPLabel label;
        label.Font().SetStyle(TFontStyles::fromMask(mask));
        QVERIFY(ValueBytes(Write(label), "Font.Style").startsWith(bytes));
    }

    void coloursWithANameAreWrittenByName_data()
    {
        QTest::addColumn<int>("colour");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("rgb 1 2 3") << 197121 << QByteArray("\x04\x01\x02\x03\x00", 5);
        QTest::newRow("red") << 255 << Ident("clRed");
        QTest::newRow("system window text") << int(TColors::clWindowText) << Ident("clWindowText");
        QTest::newRow("none") << int(TColors::clNone) << Ident("clNone");
    }
    void coloursWithANameAreWrittenByName()
    {
        QFETCH(int, colour);
        QFETCH(QByteArray, bytes);
        TGLineShape line;
        line.Pen().SetColor(colour);
        QVERIFY(ValueBytes(Write(line), "Pen.Color").startsWith(bytes));
        TDesign design;
        Read(Write(line), design);
        QCOMPARE(static_cast<TGLineShape *>(design.At(0))->Pen().Color(), colour);
    }

    void emptyPictureWritesNoData()
    {
        TGImage image;
        QVERIFY(!Write(image).contains(Short("Picture.Data")));
        TDesign design;
        Read(Write(image), design);
        QVERIFY(static_cast<TGImage *>(design.At(0))->Picture().IsEmpty());
    }

    void absentCommonPropertiesReadAsDefaults()
    {
        TDesign design;
        Read(Design(RecordHead("TGLineShape", "L") + Bounds(1, 2, 3, 4) + EndRecord()), design);
        const TGGraphicControl *object = design.At(0);
        QCOMPARE(object->Tag(), 0);
        QCOMPARE(object->Cursor(), TCursors::crDefault);
        QCOMPARE(object->Hint(), QString());
        QCOMPARE(object->BoundsRect(), QRect(1, 2, 3, 4));
    }

    void floatsAreExtendedAndAcceptIntegers()
    {
        TClassRegistry classes;
        classes.Register<TFloatHost>();
        TFloatHost host;
        host.FRatio = 0.1;
        const QByteArray stream = Write(host);
        QVERIFY(ValueBytes(stream, "Ratio").startsWith(QByteArray("\x05\x00\xd0\xcc\xcc\xcc\xcc\xcc\xcc\xfb\x3f", 11)));
        TDesign design;
        Read(stream, design, classes);
        QCOMPARE(static_cast<TFloatHost *>(design.At(0))->FRatio, 0.1);

        host.FRatio = 0;
        QVERIFY(!Write(host).contains(Short("Ratio")));
        Read(Design(RecordHead("TFloatHost", "F") + Short("Ratio") + Int8(-7) + EndRecord()), design, classes);
        QCOMPARE(static_cast<TFloatHost *>(design.At(1))->FRatio, -7.0);
    }

    void prefixByteBeforeTheClassNameIsSkipped()
    {
        TDesign design;
        const QByteArray withChildPosition = "TPF0" + QByteArray("\xf2", 1) + Int8(3) + Short("TGLineShape")
            + Short("L") + Bounds(1, 2, 3, 4) + EndRecord();
        Read(Design(withChildPosition), design);
        QCOMPARE(design.Count(), 1);
        QCOMPARE(design.At(0)->Left(), 1);
    }

    void componentReferencesKeepTheirNameAndAcceptNil()
    {
        TGPCircleText circle;
        circle.SetPopupMenu(QStringLiteral("MainScreen.CirclePopup"));
        QVERIFY(ValueBytes(Write(circle), "PopupMenu").startsWith(Ident("MainScreen.CirclePopup")));
        TDesign design;
        Read(Write(circle), design);
        QCOMPARE(static_cast<TGPCircleText *>(design.At(0))->PopupMenu(), QStringLiteral("MainScreen.CirclePopup"));

        Read(Design(RecordHead("TGPCircleText", "C") + Short("PopupMenu") + QByteArray("\x0d", 1) + EndRecord()),
             design);
        QCOMPARE(static_cast<TGPCircleText *>(design.At(1))->PopupMenu(), QString());
    }

    void readObjectsAreRenamedAndPastedCopiesOffset()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("three.qdl"));
        {
            TDesign source;
            for (const char *name : {"Special1", "Special2", "Special3"})
                source.Add(SampleDesign::Placed<TGLineShape>(name));
            TGLabelObjectFiler(StandardClasses()).SaveToFile(source, file);
        }
        TDesign design;
        TGLabelObjectFiler filer(StandardClasses());
        filer.LoadFromFile(design, file);
        filer.PasteFromFile(design, file);
        QCOMPARE(design.Count(), 6);
        for (int i = 0; i < 6; ++i)
            QCOMPARE(design.At(i)->Name(), QStringLiteral("Component%1").arg(i));
        QCOMPARE(design.At(0)->StoredName(), QStringLiteral("Special1"));
        QCOMPARE(design.At(3)->BoundsRect(), QRect(35, 45, 50, 15));
        QVERIFY(!filer.PasteOffset);
    }

    void storedNameIsKeptWhenEveryComponentNameIsTaken()
    {
        TDesign design;
        for (int n = 0; n <= TDesign::MaxComponentNumber; ++n) {
            auto line = std::make_unique<TGLineShape>();
            line->SetName(QStringLiteral("component%1").arg(n));
            design.Add(std::move(line));
        }
        QCOMPARE(design.UniqueComponentName(), QString());
        Read(Design(RecordHead("TGLineShape", "Special9") + Bounds(1, 2, 3, 4) + EndRecord()), design);
        QCOMPARE(design.At(design.Count() - 1)->Name(), QStringLiteral("Special9"));
        delete design.Remove(design.At(7)).release();
        QCOMPARE(design.UniqueComponentName(), QStringLiteral("Component7"));
    }

    void missingFileReadsNothing()
    {
        TDesign design;
        QVERIFY(TGLabelObjectFiler(StandardClasses()).LoadFromFile(design, QStringLiteral("/nonexistent/x.qdl")).empty());
        QCOMPARE(design.Count(), 0);
    }

    void everyClassRoundTripsByteForByte()
    {
        TDesign design;
        SampleDesign::FillWithEveryClass(design);
        QCOMPARE(design.Count(), 12);
        const QByteArray first = Write(design);
        TDesign reread;
        Read(first, reread);
        QCOMPARE(reread.Count(), 12);
        for (int i = 0; i < 12; ++i)
            QCOMPARE(QByteArray(reread.At(i)->ClassName()), QByteArray(design.At(i)->ClassName()));
        // Names are given anew on reading; the records keep the stored ones here.
        for (int i = 0; i < 12; ++i)
            reread.At(i)->SetName(design.At(i)->Name());
        QCOMPARE(Write(reread), first);
    }

    void cloneCopiesEveryPropertyUnderANewName()
    {
        TDesign design;
        SampleDesign::FillWithEveryClass(design);
        TGLabelObjectFiler filer(StandardClasses());
        for (int i = 0; i < 12; ++i) {
            const TGGraphicControl &source = *design.At(i);
            TGGraphicControl *copy = filer.CloneObject(source, design);
            QVERIFY(copy);
            QVERIFY(copy->Name().startsWith(QLatin1String("Component")));
            // Same record but for the name.
            QByteArray original = Write(source);
            QByteArray cloned = Write(*copy);
            original.replace(Short(source.Name().toLatin1()), "");
            cloned.replace(Short(copy->Name().toLatin1()), "");
            QCOMPARE(cloned, original);
        }
    }

    void invalidStreamsNameReasonAndOffset_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<qint64>("offset");
        const QByteArray head = RecordHead("TGLineShape", "L");
        const qint64 props = 1 + head.size();
        QTest::newRow("no list start") << QByteArray("\x02", 1) << "expected the start" << qint64(0);
        QTest::newRow("empty file") << QByteArray() << "unexpected end" << qint64(0);
        QTest::newRow("bad signature") << Design("TPF1" + Short("TGLineShape") + Short("L") + EndRecord())
                                       << "invalid signature" << qint64(1);
        QTest::newRow("unknown class") << Design(RecordHead("TGWidget", "L") + EndRecord()) << "unknown class"
                                       << qint64(5);
        QTest::newRow("unknown property") << Design(head + Short("Colour") + Int8(1) + EndRecord())
                                          << "unknown property \"Colour\"" << props;
        QTest::newRow("unknown nested property") << Design(head + Short("Pen.Colour") + Int8(1) + EndRecord())
                                                 << "unknown property \"Pen.Colour\"" << props;
        QTest::newRow("path through a plain property") << Design(head + Short("Left.X") + Int8(1) + EndRecord())
                                                       << "unknown property" << props;
        QTest::newRow("nested object as a value") << Design(head + Short("Pen") + Int8(1) + EndRecord())
                                                  << "wrong value kind" << props + 4;
        QTest::newRow("string for an integer") << Design(head + Short("Left") + "\x06\x01x" + EndRecord())
                                               << "wrong value kind (tag 6) for property \"Left\"" << props + 5;
        QTest::newRow("collection") << Design(head + Short("Left") + "\x0e\x00" + EndRecord())
                                    << "wrong value kind (tag 14)" << props + 5;
        QTest::newRow("unknown enumeration value") << Design(head + Short("LineStyle") + Ident("stDiagonal") + EndRecord())
                                                   << "unknown value \"stDiagonal\"" << props + 11;
        QTest::newRow("unknown colour name") << Design(head + Short("Pen.Color") + Ident("clPink") + EndRecord())
                                             << "unknown value \"clPink\"" << props + 11;
        QTest::newRow("unknown set member") << Design(RecordHead("TGPLabel", "T") + Short("Font.Style") + "\x0b\x06" "fsWide" "\x00" + EndRecord())
                                            << "unknown set member \"fsWide\"" << qint64(1 + 4 + 9 + 2 + 11 + 1);
        QTest::newRow("cursor out of range") << Design(head + Short("Cursor") + QByteArray("\x04\x00\x00\x01\x00", 5) + EndRecord())
                                             << "out of range" << props + 8;
        QTest::newRow("unknown value tag") << Design(head + Short("Hint") + "\x13" + EndRecord())
                                           << "wrong value kind (tag 19)" << props + 5;
        QTest::newRow("negative binary length") << Design(RecordHead("TGImage", "I") + Short("Picture.Data") + QByteArray("\x0a\xff\xff\xff\xff", 5) + EndRecord())
                                                << "negative length" << qint64(1 + 4 + 8 + 2 + 13 + 1);
        QTest::newRow("binary longer than the file") << Design(RecordHead("TGImage", "I") + Short("Picture.Data") + QByteArray("\x0a\x00\x00\x00\x10", 5) + EndRecord())
                                                     << "truncated data" << qint64(1 + 4 + 8 + 2 + 13 + 5);
        QTest::newRow("children") << Design(head + QByteArray("\x00\x01", 2)) << "cannot hold other objects" << props + 1;
        QTest::newRow("no list end") << QByteArray("\x01", 1) + head + EndRecord() << "unexpected end" << props + 2;
    }
    void invalidStreamsNameReasonAndOffset()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, reason);
        QFETCH(qint64, offset);
        TDesign design;
        try {
            Read(data, design);
            QFAIL("the stream was accepted");
        } catch (const EDesignStreamError &e) {
            QVERIFY2(e.Reason().contains(reason), qPrintable(e.Reason()));
            QCOMPARE(e.Offset(), offset);
        }
    }

    void objectsBeforeAFaultyRecordStay()
    {
        const QByteArray good = RecordHead("TGLineShape", "A") + Bounds(1, 1, 1, 1) + EndRecord();
        const QByteArray bad = RecordHead("TGLineShape", "B") + Short("Nope") + Int8(1) + EndRecord();
        TDesign design;
        QVERIFY_THROWS_EXCEPTION(EDesignStreamError, Read(Design(good + good + bad), design));
        QCOMPARE(design.Count(), 2);
        QVERIFY(!design.At(0)->IsLoading());
    }

    void readingReportsNoChanges()
    {
        TDesign design;
        int changes = 0;
        design.OnLabelChanged = [&changes] { ++changes; };
        SampleDesign::FillWithEveryClass(design);
        changes = 0;
        Read(Write(design), design);
        QCOMPARE(changes, 0);
        design.At(0)->SetLocked(true);
        QCOMPARE(changes, 1);
    }

    void everyTruncationFailsCleanly()
    {
        TDesign source;
        SampleDesign::FillWithEveryClass(source);
        const QByteArray full = Write(source);
        for (qsizetype length = 0; length < full.size(); ++length) {
            TDesign design;
            try {
                Read(full.left(length), design);
                QFAIL(qPrintable(QStringLiteral("a design cut to %1 bytes was accepted").arg(length)));
            } catch (const EDesignStreamError &e) {
                QVERIFY(e.Offset() <= length);
            }
        }
    }

    // Random damage must end in success or a clean error, never in a crash,
    // a hang or a runaway allocation (run under the sanitizers too).
    void randomMutationsFailCleanly()
    {
        TDesign source;
        SampleDesign::FillWithEveryClass(source);
        const QByteArray full = Write(source);
        QRandomGenerator random(20261211);
        int accepted = 0;
        for (int round = 0; round < 4000; ++round) {
            QByteArray data = full;
            const int edits = 1 + int(random.bounded(4));
            for (int e = 0; e < edits; ++e) {
                const qsizetype at = random.bounded(int(data.size()));
                switch (random.bounded(4)) {
                case 0: data[at] = char(random.bounded(256)); break;
                case 1: data.remove(at, 1 + random.bounded(8)); break;
                case 2: data.insert(at, char(random.bounded(256))); break;
                default: data[at] = char(data[at] ^ (1 << random.bounded(8))); break;
                }
            }
            TDesign design;
            try {
                Read(data, design);
                ++accepted;
            } catch (const EDesignStreamError &) {
            }
        }
        QVERIFY(accepted < 4000);
    }
};

QTEST_GUILESS_MAIN(TestDesignStream)
#include "tst_design_stream.moc"

#include "support/SampleDesign.h"

#include "core/TCardPainter.h"
#include "core/TGLabelObjectFiler.h"
#include "objects/StandardClasses.h"
#include "objects/graphics/TBCShapes.h"
#include "objects/graphics/TGLineShape.h"
#include "objects/text/TGBusinessCardLabel.h"
#include "objects/text/TGPLabel.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QBuffer>
#include <QImageWriter>
#include <QTest>

namespace {

struct TRun
{
    int Status = -1;
    QByteArray Out;
    QByteArray Err;
};

// runtimeFolder replaces the private runtime folder the tests run with.
TRun RunBatch(const QStringList &arguments, const QString &runtimeFolder = QString())
{
    QProcess process;
    // No display at all: the batch tool must not need one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    if (!runtimeFolder.isEmpty())
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUANDREL_BATCH_PATH), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// Shapes and lines of every kind, pen widths from 1 to 4, dashed, inside
// frame, clear and hatched, some reaching past the card's edge.
void FillWithShapesAndLines(TDesign &design)
{
    const auto addShape = [&design](TShapeType shape, QRect bounds, int penWidth, TColor fill) -> TBCShapes & {
        auto object = std::make_unique<TBCShapes>();
        object->SetShape(shape);
        object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        object->Pen().SetWidth(penWidth);
        object->Brush().SetColor(fill);
        return static_cast<TBCShapes &>(*design.Add(std::move(object)));
    };
    addShape(TShapeType::stRectangle, QRect(8, 8, 120, 60), 2, TColors::clYellow);
    addShape(TShapeType::stRoundRect, QRect(100, 40, 200, 50), 1, TColors::clAqua).SetRoundPerc(40);
    addShape(TShapeType::stEllipse, QRect(20, 90, 90, 70), 3, TColors::clRed).SetTransparent(true);
    addShape(TShapeType::stCircle, QRect(150, 100, 60, 60), 1, TColors::clLime).Pen().SetStyle(TPenStyle::psDash);
    addShape(TShapeType::stSquare, QRect(220, 120, 80, 50), 3, TColors::clSilver)
        .Pen().SetStyle(TPenStyle::psInsideFrame);
    addShape(TShapeType::stRectangle, QRect(280, 150, 80, 60), 1, TColors::clBlue)
        .Brush().SetStyle(TBrushStyle::bsDiagCross);
    const TLineStyle styles[] = {TLineStyle::stHorizontal, TLineStyle::stVertical, TLineStyle::stAngleSlopingUp,
                                 TLineStyle::stAngleSlopingDown};
    for (int i = 0; i < 4; ++i) {
        auto line = std::make_unique<TGLineShape>();
        line->SetLineStyle(styles[i]);
        line->SetBounds(30 + 70 * i, 20 + 30 * i, 60, 40);
        line->Pen().SetWidth(i + 1);
        line->Pen().SetColor(TColors::clNavy);
        design.Add(std::move(line));
    }
    auto dotted = std::make_unique<TGLineShape>();
    dotted->SetBounds(0, 180, 336, 10);
    dotted->Pen().SetStyle(TPenStyle::psDot);
    design.Add(std::move(dotted));
    // Text draws through the same routine: a shadowed, turned and a framed label.
    auto shadowed = std::make_unique<TGPLabel>();
    shadowed->SetBounds(10, 140, 142, 33);
    shadowed->SetCaption(QStringLiteral("Jane Doe"));
    shadowed->SetDepthShadow(2);
    shadowed->SetcolorShadow(TColors::clRed);
    design.Add(std::move(shadowed));
    auto turned = std::make_unique<TGPLabel>();
    turned->SetBounds(300, 10, 142, 33);
    turned->SetAngle(90);
    design.Add(std::move(turned));
    auto framed = std::make_unique<TGBusinessCardLabel>();
    framed->SetBounds(160, 10, 100, 20);
    framed->SetBorderStyle(TBorderStyle::bsSingle);
    framed->SetTransparent(false);
    framed->SetBackColor(TColors::clYellow);
    design.Add(std::move(framed));
}

// The card as the editor's surface paints it, from the design file.
QImage SurfacePicture(const QString &designFile, float zoom, const QString &background = QString(),
                      bool outline = false)
{
    TDesign design;
    TGLabelObjectFiler(StandardClasses()).LoadFromFile(design, designFile);
    design.SetSize(336, 192);
    design.SetZoom(zoom);
    if (!background.isEmpty())
        design.ColorPicture().LoadFromFile(background);
    QImage card(design.Width(), design.Height(), QImage::Format_RGB32);
    QPainter painter(&card);
    TCardPaintOptions options;
    options.DrawOutline = outline;
    TCardPainter::Paint(painter, design, options);
    return card;
}

} // namespace

class TestBatch : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir FDir;
    QString Path(const char *name) const { return FDir.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(FDir.isValid());
        TDesign design;
        SampleDesign::FillWithEveryClass(design);
        TGLabelObjectFiler(StandardClasses()).SaveToFile(design, Path("every.qdl"));

        TDesign line;
        auto object = SampleDesign::Placed<TGLineShape>("Special1");
        object->SetLineStyle(TLineStyle::stVertical);
        line.Add(std::move(object));
        TGLabelObjectFiler(StandardClasses()).SaveToFile(line, Path("line.qdl"));

        TDesign shapes;
        FillWithShapesAndLines(shapes);
        TGLabelObjectFiler(StandardClasses()).SaveToFile(shapes, Path("shapes.qdl"));

        QImage red(8, 8, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(Path("red.bmp"), "BMP"));
    }

    void convertGivesBackAQuandrelFileByteForByte()
    {
        const TRun run = RunBatch({QStringLiteral("convert"), Path("every.qdl"), Path("copy.qdl")});
        QCOMPARE(run.Status, 0);
        QVERIFY(run.Err.isEmpty());
        QCOMPARE(ReadFile(Path("copy.qdl")), ReadFile(Path("every.qdl")));
    }

    void infoListsEveryPropertyInStreamOrder()
    {
        const TRun run = RunBatch({QStringLiteral("info"), Path("line.qdl")});
        QCOMPARE(run.Status, 0);
        QVERIFY(run.Out.contains("{\"class\":\"TGLineShape\",\"name\":\"Component0\",\"storedName\":\"Special1\","
                                 "\"properties\":{\"Tag\":0,\"Left\":20,\"Top\":30,\"Width\":50,\"Height\":15,"
                                 "\"Cursor\":0,\"Hint\":\"\",\"Locked\":false,\"Unselectable\":false,"
                                 "\"LineStyle\":\"stVertical\",\"Pen.Color\":0,\"Pen.Mode\":\"pmCopy\","
                                 "\"Pen.Style\":\"psSolid\",\"Pen.Width\":1}}"));
    }

    void infoShowsListsSetsAndBinaryData()
    {
        const TRun run = RunBatch({QStringLiteral("info"), Path("every.qdl")});
        QCOMPARE(run.Status, 0);
        QJsonParseError error;
        const QJsonDocument json = QJsonDocument::fromJson(run.Out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        const QJsonArray objects = json.object().value(QStringLiteral("objects")).toArray();
        QCOMPARE(objects.size(), 12);
        const auto props = [&](int i) { return objects[i].toObject().value(QStringLiteral("properties")).toObject(); };
        QCOMPARE(props(4).value(QStringLiteral("Font.Style")).toArray(),
                 QJsonArray({QStringLiteral("fsBold"), QStringLiteral("fsItalic")}));
        QCOMPARE(props(4).value(QStringLiteral("Font.Size")).toInt(), 10);
        QCOMPARE(props(5).value(QStringLiteral("Caption")).toString(),
                 QStringLiteral("\u65e5\u672c \u2192 text Windows-1252 cannot hold"));
        QCOMPARE(props(7).value(QStringLiteral("Items.Strings")).toArray().size(), 3);
        const QJsonObject data = props(1).value(QStringLiteral("Picture.Data")).toObject();
        QCOMPARE(data.value(QStringLiteral("bytes")).toInt(), 18);
        QCOMPARE(data.value(QStringLiteral("sha256")).toString().size(), 64);
        QCOMPARE(props(11).value(QStringLiteral("PopupMenu")).toString(), QStringLiteral("CircleMenu"));
        QCOMPARE(props(0).value(QStringLiteral("Tag")).toInt(), -40000);
    }

    void failuresExitWithOneLine_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("missing") << QStringLiteral("missing.qdl") << QByteArray() << QByteArray("no such design file at byte offset 0");
        QTest::newRow("invalid") << QStringLiteral("bad.qdl") << QByteArray("\x01TPF1", 5) << QByteArray("invalid signature: not a design object record at byte offset 1");
        QTest::newRow("truncated") << QStringLiteral("cut.qdl") << QByteArray("\x01TPF0\x05TGIm", 10) << QByteArray("truncated data");
    }
    void failuresExitWithOneLine()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, message);
        const QString path = FDir.filePath(file);
        if (!content.isEmpty())
            WriteFile(path, content);
        // A runtime folder anyone may read makes the platform complain at
        // start-up; that notice must not add to the one line.
        const QString openFolder = Path("open-runtime");
        QVERIFY(QDir().mkpath(openFolder));
        QVERIFY(QFile::setPermissions(openFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                      | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                                                      | QFile::ExeOther));
        for (const QString &command : {QStringLiteral("info"), QStringLiteral("convert"), QStringLiteral("render")}) {
            QStringList args{command, path};
            if (command == QLatin1String("convert"))
                args << Path("out.qdl");
            if (command == QLatin1String("render"))
                args << Path("out.png");
            const TRun run = RunBatch(args, openFolder);
            QCOMPARE(run.Status, 1);
            QVERIFY(run.Out.isEmpty());
            QCOMPARE(run.Err.count('\n'), 1);
            QVERIFY2(run.Err.startsWith("quandrel-batch: " + path.toUtf8() + ": "), run.Err.constData());
            QVERIFY2(run.Err.contains(message), run.Err.constData());
        }
        QVERIFY(!QFile::exists(Path("out.qdl")));
        QVERIFY(!QFile::exists(Path("out.png")));
    }

    void renderDrawsTheCardAsTheSurfaceDoes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("output");
        QTest::addColumn<float>("zoom");
        QTest::addColumn<QSize>("size");
        QTest::newRow("png at 100 %") << QStringList() << QStringLiteral("card.png") << 1.0f << QSize(336, 192);
        QTest::newRow("BMP at 150 %") << QStringList{QStringLiteral("--zoom"), QStringLiteral("1.5")}
                                      << QStringLiteral("CARD.BMP") << 1.5f << QSize(504, 288);
        QTest::newRow("at 120 %") << QStringList{QStringLiteral("--zoom"), QStringLiteral("1.2")}
                                  << QStringLiteral("card.Png") << 1.2f << QSize(403, 230);
    }
    void renderDrawsTheCardAsTheSurfaceDoes()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, output);
        QFETCH(float, zoom);
        QFETCH(QSize, size);
        const QString picture = FDir.filePath(output);
        const TRun run = RunBatch(QStringList{QStringLiteral("render"), Path("shapes.qdl"), picture} + options);
        QCOMPARE(run.Status, 0);
        QVERIFY(run.Out.isEmpty());
        QVERIFY(run.Err.isEmpty());
        const QImage rendered(picture, output.endsWith(QLatin1String("BMP")) ? "BMP" : "PNG");
        QCOMPARE(rendered.size(), size);
        QCOMPARE(rendered.convertToFormat(QImage::Format_RGB32), SurfacePicture(Path("shapes.qdl"), zoom));
    }

    // The art is stretched over the card within its rounded shape, under the
    // objects, and the outline runs on the card's edge.
    void renderDrawsBackgroundArtAndTheBorder()
    {
        const QString picture = Path("art.png");
        const TRun run = RunBatch({QStringLiteral("render"), Path("line.qdl"), picture, QStringLiteral("--border"),
                                   QStringLiteral("--background"), Path("red.bmp")});
        QCOMPARE(run.Status, 0);
        QVERIFY(run.Err.isEmpty());
        const QImage rendered = QImage(picture, "PNG").convertToFormat(QImage::Format_RGB32);
        QCOMPARE(rendered, SurfacePicture(Path("line.qdl"), 1.0f, Path("red.bmp"), true));
        QCOMPARE(rendered.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(rendered.pixel(330, 100), qRgb(255, 0, 0));
        int outlineDots = 0;
        for (int y = 20; y < 170; ++y)
            outlineDots += rendered.pixel(335, y) == qRgb(0, 0, 0);
        QVERIFY(outlineDots >= 40);
        QCOMPARE(SurfacePicture(Path("line.qdl"), 1.0f).pixel(330, 100), qRgb(255, 255, 255));
    }

    void renderWritesJpegAtQuality80()
    {
        const QString picture = Path("card.jpg");
        const TRun run = RunBatch({QStringLiteral("render"), Path("shapes.qdl"), picture});
        QCOMPARE(run.Status, 0);
        QFile written(picture);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QByteArray expected;
        QBuffer buffer(&expected);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QImageWriter writer(&buffer, "JPEG");
        writer.setQuality(80);
        QVERIFY(writer.write(SurfacePicture(Path("shapes.qdl"), 1.0f)));
        QCOMPARE(written.readAll(), expected);
    }

    void renderNamesABackgroundItCannotRead()
    {
        const QString art = Path("missing.bmp");
        const TRun run = RunBatch({QStringLiteral("render"), Path("shapes.qdl"), Path("never.png"),
                                   QStringLiteral("--background"), art});
        QCOMPARE(run.Status, 1);
        QCOMPARE(run.Err.count('\n'), 1);
        QVERIFY2(run.Err.startsWith("quandrel-batch: " + art.toUtf8() + ": "), run.Err.constData());
        QVERIFY(!QFile::exists(Path("never.png")));
    }

    void renderNamesAPictureItCannotWrite()
    {
        const QString picture = Path("no-such-folder/card.png");
        const TRun run = RunBatch({QStringLiteral("render"), Path("shapes.qdl"), picture});
        QCOMPARE(run.Status, 1);
        QCOMPARE(run.Err.count('\n'), 1);
        QVERIFY2(run.Err.startsWith("quandrel-batch: " + picture.toUtf8() + ": cannot write the picture"),
                 run.Err.constData());
    }

    void wrongArgumentsShowTheUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("none") << QStringList();
        QTest::newRow("unknown command") << QStringList{QStringLiteral("print")};
        QTest::newRow("info without file") << QStringList{QStringLiteral("info")};
        QTest::newRow("convert without output") << QStringList{QStringLiteral("convert"), QStringLiteral("a.qdl")};
        const QString design = QStringLiteral("a.qdl");
        QTest::newRow("render without output") << QStringList{QStringLiteral("render"), design};
        QTest::newRow("render to gif") << QStringList{QStringLiteral("render"), design, QStringLiteral("a.gif")};
        QTest::newRow("render background without file")
            << QStringList{QStringLiteral("render"), design, QStringLiteral("a.png"), QStringLiteral("--background")};
        QTest::newRow("render unknown option")
            << QStringList{QStringLiteral("render"), design, QStringLiteral("a.png"), QStringLiteral("--grid")};
        QTest::newRow("render without extension") << QStringList{QStringLiteral("render"), design, QStringLiteral("png")};
        QTest::newRow("render zoom without value")
            << QStringList{QStringLiteral("render"), design, QStringLiteral("a.png"), QStringLiteral("--zoom")};
        QTest::newRow("render zoom not a number")
            << QStringList{QStringLiteral("render"), design, QStringLiteral("a.png"), QStringLiteral("--zoom"), QStringLiteral("big")};
        QTest::newRow("render zoom 0")
            << QStringList{QStringLiteral("render"), design, QStringLiteral("a.png"), QStringLiteral("--zoom"), QStringLiteral("0")};
        QTest::newRow("render three files")
            << QStringList{QStringLiteral("render"), design, QStringLiteral("a.png"), QStringLiteral("b.png")};
    }
    void wrongArgumentsShowTheUsage()
    {
        QFETCH(QStringList, arguments);
        const TRun run = RunBatch(arguments);
        QCOMPARE(run.Status, 2);
        QVERIFY(run.Err.startsWith("Usage: quandrel-batch"));
    }

    void helpPrintsTheUsage()
    {
        const TRun run = RunBatch({QStringLiteral("--help")});
        QCOMPARE(run.Status, 0);
        QVERIFY(run.Out.startsWith("Usage: quandrel-batch"));
    }
};

// Fonts need the GUI application object, as the batch tool runs one too.
QTEST_MAIN(TestBatch)
#include "tst_batch.moc"

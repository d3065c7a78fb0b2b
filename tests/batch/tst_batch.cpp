#include "support/SampleDesign.h"

#include "core/TGLabelObjectFiler.h"
#include "objects/StandardClasses.h"
#include "objects/graphics/TGLineShape.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct TRun
{
    int Status = -1;
    QByteArray Out;
    QByteArray Err;
};

TRun RunBatch(const QStringList &arguments)
{
    QProcess process;
    // No display at all: the batch tool must not need one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
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
        for (const QString &command : {QStringLiteral("info"), QStringLiteral("convert")}) {
            QStringList args{command, path};
            if (command == QLatin1String("convert"))
                args << Path("out.qdl");
            const TRun run = RunBatch(args);
            QCOMPARE(run.Status, 1);
            QVERIFY(run.Out.isEmpty());
            QCOMPARE(run.Err.count('\n'), 1);
            QVERIFY2(run.Err.startsWith("quandrel-batch: " + path.toUtf8() + ": "), run.Err.constData());
            QVERIFY2(run.Err.contains(message), run.Err.constData());
        }
        QVERIFY(!QFile::exists(Path("out.qdl")));
    }

    void wrongArgumentsShowTheUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("none") << QStringList();
        QTest::newRow("unknown command") << QStringList{QStringLiteral("print")};
        QTest::newRow("info without file") << QStringList{QStringLiteral("info")};
        QTest::newRow("convert without output") << QStringList{QStringLiteral("convert"), QStringLiteral("a.qdl")};
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

QTEST_GUILESS_MAIN(TestBatch)
#include "tst_batch.moc"

#include "PopplerTools.h"

#include "core/TDesign.h"
#include "core/TGLabelObjectFiler.h"
#include "objects/StandardClasses.h"
#include "objects/graphics/TGLabelShapes.h"
#include "objects/text/TGPLabel.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

constexpr int Dpi = 48;

struct TRun
{
    int Status = -1;
    QByteArray Out;
    QByteArray Err;
};

TRun RunBatch(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(QUANDREL_BATCH_PATH), arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

struct TPdf
{
    int Pages = 0;
    QSizeF PagePoints;
    QImage FirstPage;
    QString Text;
};

TPdf ReadPdf(const QString &fileName)
{
    TPdf pdf;
    QPdfDocument document;
    if (document.load(fileName) != QPdfDocument::Error::None)
        return pdf;
    pdf.Pages = document.pageCount();
    pdf.PagePoints = document.pagePointSize(0);
    const QSize pixels(qRound(pdf.PagePoints.width() / 72 * Dpi), qRound(pdf.PagePoints.height() / 72 * Dpi));
    pdf.FirstPage = QImage(pixels, QImage::Format_RGB32);
    pdf.FirstPage.fill(Qt::white);
    QPainter(&pdf.FirstPage).drawImage(0, 0, document.render(0, pixels));
    pdf.Text = PopplerTools::Text(fileName);
    return pdf;
}

// Which of the default layout's ten positions show the design's 1/4-inch
// corner mark, as a string of 1s and 0s.
QString MarkedPositions(const QImage &page, QPointF shift = QPointF())
{
    QString marks;
    for (int index = 0; index < 10; ++index) {
        const double x = 0.75 + (index % 2) * 3.5 + 0.12 + shift.x();
        const double y = 0.5 + (index / 2) * 2.0 + 0.12 + shift.y();
        const QPoint spot(int(std::lround(x * Dpi)), int(std::lround(y * Dpi)));
        marks += qGray(page.pixel(spot)) < 128 ? u'1' : u'0';
    }
    return marks;
}

} // namespace

class TestBatchPrint : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir FFolder;

    QString Path(const QString &name) const { return FFolder.filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        TDesign design;
        auto mark = std::make_unique<TGLabelShapes>();
        mark->SetName(QStringLiteral("Mark"));
        mark->SetBounds(0, 0, 24, 24);
        mark->Brush().SetColor(TColors::clBlack);
        mark->Brush().SetStyle(TBrushStyle::bsSolid);
        design.Add(std::move(mark));
        auto label = std::make_unique<TGPLabel>();
        label->SetName(QStringLiteral("Name"));
        label->SetBounds(60, 80, 200, 30);
        label->SetCaption(QStringLiteral("Batch Printed"));
        design.Add(std::move(label));
        TGLabelObjectFiler(StandardClasses()).SaveToFile(design, Path(QStringLiteral("card.qdl")));

        QFile settings(Path(QStringLiteral("QDL.INI")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[Printer]\r\nTopMarginNudge=8\r\nLeftMarginNudge=-4\r\n[Layout]\r\nPapersize=9\r\n");
    }

    void printsTheSheetIntoAPdf_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<bool>("text");
        QTest::addColumn<QPointF>("shift");
        QTest::addColumn<QSizeF>("paper");

        const QSizeF letter(612, 792);
        QTest::newRow("whole sheet") << QStringList() << 1 << "1111111111" << true << QPointF() << letter;
        QTest::newRow("three sheets") << QStringList{"--sheets", "3"} << 3 << "1111111111" << true << QPointF() << letter;
        QTest::newRow("last row") << QStringList{"--positions", "0000000011"} << 1 << "0000000011" << true
                                  << QPointF() << letter;
        QTest::newRow("short positions") << QStringList{"--positions", "01"} << 1 << "0100000000" << true
                                         << QPointF() << letter;
        QTest::newRow("outline") << QStringList{"--outline"} << 1 << "0000000000" << false << QPointF() << letter;
        QTest::newRow("preview") << QStringList{"--preview", "--sheets", "2"} << 1 << "1000000000" << true
                                 << QPointF() << letter;
        QTest::newRow("settings") << QStringList{"--settings", "QDL.INI"} << 1 << "1111111111" << true
                                  << QPointF(-4 / 32.0, 8 / 32.0) << QSizeF(595, 842);
    }

    void printsTheSheetIntoAPdf()
    {
        QFETCH(QStringList, options);
        QFETCH(int, pages);
        QFETCH(QString, marks);
        QFETCH(bool, text);
        QFETCH(QPointF, shift);
        QFETCH(QSizeF, paper);
        const QString output = Path(QStringLiteral("%1.pdf").arg(QTest::currentDataTag()));
        if (options.contains(QStringLiteral("QDL.INI")))
            options.replace(options.indexOf(QStringLiteral("QDL.INI")), Path(QStringLiteral("QDL.INI")));

        const TRun run = RunBatch(QStringList{"print", Path(QStringLiteral("card.qdl")), output} + options);
        QCOMPARE(run.Err, QByteArray());
        QCOMPARE(run.Status, 0);
        const TPdf pdf = ReadPdf(output);
        QCOMPARE(pdf.Pages, pages);
        QCOMPARE(pdf.PagePoints.toSize(), paper.toSize());
        QCOMPARE(MarkedPositions(pdf.FirstPage, shift), marks);
        QCOMPARE(pdf.Text.contains(QLatin1String("Batch Printed")), text);
    }

    void refusesWhatItCannotPrint_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");

        const QString card = Path(QStringLiteral("card.qdl"));
        const QString out = Path(QStringLiteral("refused.pdf"));
        QTest::newRow("missing design") << QStringList{"print", Path("none.qdl"), out} << 1
                                        << Path("none.qdl") + ": no such design file at byte offset 0";
        QTest::newRow("missing settings") << QStringList{"print", card, out, "--settings", Path("none.ini")} << 1
                                          << Path("none.ini") + ": no such settings file";
        QTest::newRow("missing background") << QStringList{"print", card, out, "--background", Path("none.bmp")} << 1
                                            << Path("none.bmp") + ": no such background art file";
        QTest::newRow("unwritable output") << QStringList{"print", card, Path("no/such/folder.pdf")} << 1
                                           << Path("no/such/folder.pdf") + ": cannot write the PDF";
        QTest::newRow("not a pdf") << QStringList{"print", card, Path("out.png")} << 2 << QString();
        QTest::newRow("no sheets") << QStringList{"print", card, out, "--sheets", "0"} << 2 << QString();
        QTest::newRow("100 sheets") << QStringList{"print", card, out, "--sheets", "100"} << 2 << QString();
        QTest::newRow("sheets without a count") << QStringList{"print", card, out, "--sheets"} << 2 << QString();
        QTest::newRow("no position") << QStringList{"print", card, out, "--positions", "0000"} << 2 << QString();
        QTest::newRow("other characters") << QStringList{"print", card, out, "--positions", "01x"} << 2 << QString();
        QTest::newRow("outline and preview") << QStringList{"print", card, out, "--outline", "--preview"} << 2
                                             << QString();
        QTest::newRow("unknown option") << QStringList{"print", card, out, "--copies", "2"} << 2 << QString();
    }

    void refusesWhatItCannotPrint()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);

        const TRun run = RunBatch(arguments);
        QCOMPARE(run.Status, status);
        if (status == 1)
            QCOMPARE(QString::fromUtf8(run.Err), QStringLiteral("quandrel-batch: ") + message + u'\n');
        else
            QVERIFY(run.Err.startsWith("Usage: quandrel-batch"));
        QVERIFY(!QFile::exists(Path(QStringLiteral("refused.pdf"))));
    }
};

QTEST_MAIN(TestBatchPrint)
#include "tst_batch_print.moc"

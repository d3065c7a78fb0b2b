#include "ImageJobDevice.h"
#include "PopplerTools.h"
#include "pictures/WmfWriter.h"

#include "core/TDesign.h"
#include "core/TGLabelObjectFiler.h"
#include "core/TPrinterNudges.h"
#include "objects/StandardClasses.h"
#include "objects/graphics/TDidedErero.h"
#include "objects/graphics/TGImage.h"
#include "objects/graphics/TGLabelShapes.h"
#include "objects/graphics/TGVodirOriz.h"
#include "objects/text/TGPLabel.h"
#include "platform/EQuandrelError.h"
#include "printing/TCardLayout.h"
#include "printing/TLabelPrintJob.h"
#include "printing/TPdfJobDevice.h"
#include "printing/TRecordedJob.h"
#include "printing/TRecordingJobDevice.h"
#include "printing/TReportJob.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

namespace {

// Pages are rendered at twice the screen's resolution: 1/32 inch is 6 pixels.
constexpr int RenderDpi = 192;
const QSizeF Letter(8.5, 11.0);

// A black square of 1/8 inch in the card's top-left corner marks where each
// card lands on the paper.
void AddCornerMark(TDesign &design)
{
    auto mark = std::make_unique<TGLabelShapes>();
    mark->SetName(QStringLiteral("Mark"));
    mark->SetBounds(0, 0, 12, 12);
    mark->Brush().SetColor(TColors::clBlack);
    mark->Brush().SetStyle(TBrushStyle::bsSolid);
    design.Add(std::move(mark));
}

void AddLabel(TDesign &design, const QString &caption)
{
    auto label = std::make_unique<TGPLabel>();
    label->SetName(QStringLiteral("Caption"));
    label->SetBounds(40, 60, 200, 30);
    label->SetCaption(caption);
    design.Add(std::move(label));
}

TLabelJobParameters DefaultJob(const TPrinterNudges &nudges = TPrinterNudges())
{
    return TLabelJobParameters::FromLayout(TCardLayout(), nudges);
}

struct TJobRun
{
    QStringList Cards;
    QStringList Statuses;
};

TJobRun RunJob(TDesign &design, const TLabelJobParameters &parameters, TJobDevice &device)
{
    TJobRun run;
    TLabelPrintJob job(design, parameters);
    job.OnCardLabel = [&run](const QString &card) { run.Cards << card; };
    TReportJob report(device);
    report.OnStatusChanged = [&run](const QString &status) { run.Statuses << status; };
    job.Execute(report);
    return run;
}

TJobRun PrintToPdf(TDesign &design, const TLabelJobParameters &parameters, const QString &fileName,
                   int papersize = TCardLayout::PapersizeLetter)
{
    TPdfJobDevice device(fileName, papersize);
    return RunJob(design, parameters, device);
}

struct TPdfPages
{
    int Count = 0;
    QList<QImage> Pages;
    QString Text;
};

TPdfPages ReadPdf(const QString &fileName, int dpi = RenderDpi)
{
    TPdfPages result;
    QPdfDocument document;
    if (document.load(fileName) != QPdfDocument::Error::None)
        return result;
    result.Count = document.pageCount();
    result.Text = PopplerTools::Text(fileName);
    for (int page = 0; page < result.Count; ++page) {
        const QSizeF points = document.pagePointSize(page);
        const QSize pixels(qRound(points.width() / 72 * dpi), qRound(points.height() / 72 * dpi));
        // Rendered pages are transparent where nothing was drawn.
        QImage paper(pixels, QImage::Format_RGB32);
        paper.fill(Qt::white);
        QPainter(&paper).drawImage(0, 0, document.render(page, pixels));
        result.Pages << paper;
    }
    return result;
}

bool AllWhite(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

bool IsDark(const QImage &image, QPoint p)
{
    return image.rect().contains(p) && qGray(image.pixel(p)) < 128;
}

// Where the corner mark nearest the expected spot begins, found along a row
// and a column through the mark; (-1, -1) when no mark lies within reach.
QPoint MarkCornerNear(const QImage &image, QPoint expected, int reach = 12)
{
    QPoint found(-1, -1);
    for (int x = expected.x() - reach; x <= expected.x() + reach && found.x() < 0; ++x)
        if (IsDark(image, QPoint(x, expected.y() + 8)))
            found.setX(x);
    for (int y = expected.y() - reach; y <= expected.y() + reach && found.y() < 0; ++y)
        if (IsDark(image, QPoint(expected.x() + 8, y)))
            found.setY(y);
    return found;
}

QPoint InchesToPixels(double x, double y, int dpi = RenderDpi)
{
    return QPoint(int(std::lround(x * dpi)), int(std::lround(y * dpi)));
}

bool MarkAt(const QImage &page, QPointF inches)
{
    const QPoint expected = InchesToPixels(inches.x(), inches.y());
    const QPoint found = MarkCornerNear(page, expected);
    return qAbs(found.x() - expected.x()) <= 1 && qAbs(found.y() - expected.y()) <= 1;
}

// An object whose printing fails, and that notes what the design said
// about printing meanwhile.
class TFailingObject : public TGGraphicControl
{
public:
    const char *ClassName() const override { return "TFailingObject"; }
    void PrintTo(TReport &, double, double) override
    {
        PrintingSeen = Design()->Printing();
        throw EQuandrelError(QStringLiteral("out of paper"));
    }
    bool PrintingSeen = false;
};

QImage RedBitmap()
{
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    return red;
}

// A placeable metafile an inch square, filled red to its edges.
QByteArray RedMetafile()
{
    constexpr quint16 CreateBrushIndirect = 0x02FC;
    constexpr quint16 CreatePenIndirect = 0x02FA;
    constexpr quint16 SelectObject = 0x012D;
    constexpr quint16 Rectangle = 0x041B;
    WmfWriter writer;
    writer.Raw(CreateBrushIndirect, LittleEndian::U16(0) + LittleEndian::U32(0x0000FF) + LittleEndian::U16(0));
    writer.Record(SelectObject, {0});
    writer.Record(CreatePenIndirect, {5, 0, 0, 0, 0}).Record(SelectObject, {1});
    writer.Record(Rectangle, {96, 96, 0, 0});
    return writer.Placeable(QRect(0, 0, 96, 96), 96);
}

bool IsRed(const QImage &image, QPoint p)
{
    const QRgb pixel = image.pixel(p);
    return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
}

} // namespace

class TestPrintJob : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir FFolder;

    QString Path(const char *name) const { return FFolder.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void cardsLandAtLayoutPlusNudges_data()
    {
        QTest::addColumn<int>("topNudge");
        QTest::addColumn<int>("leftNudge");
        QTest::addColumn<int>("verticalSpacing");
        QTest::addColumn<int>("horizontalSpacing");
        QTest::addColumn<QPointF>("card10");

        QTest::newRow("no nudges") << 0 << 0 << 0 << 0 << QPointF(4.25, 8.5);
        QTest::newRow("top -3") << -3 << 0 << 0 << 0 << QPointF(4.25, 8.5 - 3.0 / 32);
        QTest::newRow("vertical spacing 2 moves row 4 by 8/32") << 0 << 0 << 2 << 0 << QPointF(4.25, 8.5 + 8.0 / 32);
        QTest::newRow("left 5, horizontal -4") << 0 << 5 << 0 << -4 << QPointF(4.25 + 1.0 / 32, 8.5);
    }

    void cardsLandAtLayoutPlusNudges()
    {
        QFETCH(int, topNudge);
        QFETCH(int, leftNudge);
        QFETCH(int, verticalSpacing);
        QFETCH(int, horizontalSpacing);
        QFETCH(QPointF, card10);
        TDesign design;
        AddCornerMark(design);
        const TPrinterNudges nudges{topNudge, leftNudge, verticalSpacing, horizontalSpacing};
        PrintToPdf(design, DefaultJob(nudges), Path("nudged.pdf"));

        const TPdfPages pdf = ReadPdf(Path("nudged.pdf"));
        QCOMPARE(pdf.Count, 1);
        const QImage &page = pdf.Pages[0];
        QCOMPARE(page.size(), QSize(8.5 * RenderDpi, 11 * RenderDpi));
        QVERIFY(MarkAt(page, card10));
        const QPointF card1(0.75 + leftNudge / 32.0, 0.5 + topNudge / 32.0);
        QVERIFY(MarkAt(page, card1));
    }

    void onlySelectedPositionsPrint()
    {
        TDesign design;
        AddCornerMark(design);
        TLabelJobParameters parameters = DefaultJob();
        parameters.Selection.SelectNone();
        parameters.Selection.SetSelected(8, true);
        parameters.Selection.SetSelected(9, true);
        const TJobRun run = PrintToPdf(design, parameters, Path("last-row.pdf"));

        QCOMPARE(run.Cards, QStringList({"Card 9", "Card 10"}));
        const QImage page = ReadPdf(Path("last-row.pdf")).Pages.value(0);
        for (int index = 0; index < 10; ++index) {
            const QPointF corner = parameters.CardOrigin(index / 2, index % 2);
            QCOMPARE(MarkAt(page, corner), index >= 8);
        }
    }

    void sheetsBecomePagesUnlessTheDriverMakesCopies_data()
    {
        QTest::addColumn<bool>("printing");
        QTest::addColumn<int>("maxCopies");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("copies");

        QTest::newRow("driver without copies") << true << 1 << 3 << 1;
        QTest::newRow("driver makes copies") << true << 99 << 1 << 3;
        QTest::newRow("preview never asks for copies") << false << 99 << 1 << 1;
    }

    void sheetsBecomePagesUnlessTheDriverMakesCopies()
    {
        QFETCH(bool, printing);
        QFETCH(int, maxCopies);
        QFETCH(int, pages);
        QFETCH(int, copies);
        TDesign design;
        AddCornerMark(design);
        TLabelJobParameters parameters = DefaultJob();
        parameters.SheetCount = 3;
        parameters.Printing = printing;
        ImageJobDevice device(Letter, 24, maxCopies);
        const TJobRun run = RunJob(design, parameters, device);

        QCOMPARE(int(device.Pages.size()), pages);
        QCOMPARE(device.Copies(), copies);
        const QString format = printing ? QStringLiteral("Printing Page %1\r\r") : QStringLiteral("Preparing Preview Page %1\r\r");
        QCOMPARE(run.Statuses.first(), format.arg(1));
        QCOMPARE(run.Statuses.last(), format.arg(pages));
    }

    void threeSheetsMakeThreePdfPages()
    {
        TDesign design;
        AddCornerMark(design);
        TLabelJobParameters parameters = DefaultJob();
        parameters.SheetCount = 3;
        const TJobRun run = PrintToPdf(design, parameters, Path("three.pdf"));

        QCOMPARE(run.Cards.size(), 30);
        const TPdfPages pdf = ReadPdf(Path("three.pdf"), 48);
        QCOMPARE(pdf.Count, 3);
        for (const QImage &page : pdf.Pages)
            QVERIFY(IsDark(page, InchesToPixels(4.25 + 0.05, 8.5 + 0.05, 48)));
    }

    void outlinePageHoldsOnlyFrames()
    {
        TDesign design;
        AddCornerMark(design);
        AddLabel(design, QStringLiteral("Hidden words"));
        QVERIFY(RedBitmap().save(Path("art.bmp"), "BMP"));
        TLabelJobParameters parameters = DefaultJob();
        parameters.Outline = true;
        parameters.BackgroundFile = Path("art.bmp");
        PrintToPdf(design, parameters, Path("outline.pdf"));

        const TPdfPages pdf = ReadPdf(Path("outline.pdf"), 96);
        QCOMPARE(pdf.Count, 1);
        QVERIFY(pdf.Text.trimmed().isEmpty());
        const QImage &page = pdf.Pages[0];
        for (int index = 0; index < 10; ++index) {
            const QPointF corner = parameters.CardOrigin(index / 2, index % 2);
            const QPoint topLeft = InchesToPixels(corner.x(), corner.y(), 96);
            const QPoint bottomRight = InchesToPixels(corner.x() + 3.5, corner.y() + 2.0, 96);
            // The frame's edges, and white inside where mark, text and art would be.
            QVERIFY(qGray(page.pixel(topLeft.x() + 100, topLeft.y())) < 250);
            QVERIFY(qGray(page.pixel(topLeft.x(), topLeft.y() + 50)) < 250);
            QVERIFY(qGray(page.pixel(bottomRight.x() - 1, topLeft.y() + 50)) < 250);
            for (const QPoint inside : {topLeft + QPoint(4, 4), topLeft + QPoint(80, 70), bottomRight - QPoint(4, 4)})
                QCOMPARE(page.pixel(inside), qRgb(255, 255, 255));
        }
    }

    void textStaysTextInThePdf()
    {
        TDesign design;
        AddLabel(design, QStringLiteral("Quandrel Cards Ltd"));
        TLabelJobParameters parameters = DefaultJob();
        parameters.Selection.SelectNone();
        parameters.Selection.SetSelected(0, true);
        PrintToPdf(design, parameters, Path("text.pdf"));

        QVERIFY(ReadPdf(Path("text.pdf"), 24).Text.contains(QLatin1String("Quandrel Cards Ltd")));
        const QStringList fonts = PopplerTools::Fonts(Path("text.pdf"));
        QCOMPARE(fonts.size(), 1);
        QVERIFY(fonts[0].startsWith(QLatin1String("LiberationSans")));
    }

    void previewReplaysToThePixelsOfThePrintedFirstCard()
    {
        TDesign design;
        AddCornerMark(design);
        AddLabel(design, QStringLiteral("Preview me"));
        auto frame = std::make_unique<TGLabelShapes>();
        frame->SetName(QStringLiteral("Frame"));
        frame->SetShape(TShapeType::stEllipse);
        frame->SetBounds(200, 20, 120, 150);
        frame->Pen().SetWidth(3);
        frame->Pen().SetColor(TColors::clBlue);
        design.Add(std::move(frame));
        constexpr int Dpi = 150;

        TLabelJobParameters preview = DefaultJob();
        preview.Printing = false;
        TRecordingJobDevice recorder(Letter, Dpi);
        const TJobRun previewRun = RunJob(design, preview, recorder);
        TLabelJobParameters print = DefaultJob();
        print.Selection.SelectNone();
        print.Selection.SetSelected(0, true);
        ImageJobDevice printer(Letter, Dpi);
        RunJob(design, print, printer);

        QCOMPARE(previewRun.Cards, QStringList({"Card 1"}));
        const TRecordedJob recorded(recorder.Stream());
        QCOMPARE(recorded.PageCount(), 1);
        const QImage replayed = recorded.RenderPage(0, Dpi);
        const QImage printed = printer.Pages.value(0);
        QCOMPARE(replayed.size(), printed.size());
        // Inside the silver frame every pixel is the print's; outside the
        // first card the page is blank.
        const QRect card(InchesToPixels(0.75, 0.5, Dpi), InchesToPixels(0.75 + 3.5, 0.5 + 2.0, Dpi));
        const QRect inside = card.adjusted(3, 3, -3, -3);
        QCOMPARE(replayed.copy(inside), printed.copy(inside));
        QCOMPARE(replayed.pixel(card.topLeft() + QPoint(100, 0)), qRgb(192, 192, 192));
        const QRect secondCard = card.translated(InchesToPixels(3.5, 0, Dpi));
        QVERIFY(AllWhite(replayed.copy(secondCard)));
    }

    // A recorded drawing leaves out what it set to a fresh painter's
    // defaults, such as a black pen for text; it must not take the colour
    // of whatever was drawn before it, the preview's silver frame or a blue
    // outline.
    void recordedTextKeepsItsColourAfterOtherDrawing()
    {
        TDesign design;
        AddLabel(design, QStringLiteral("Black words"));
        auto outline = std::make_unique<TGLabelShapes>();
        outline->SetName(QStringLiteral("Outline"));
        outline->SetBounds(250, 100, 60, 60);
        outline->Pen().SetColor(TColors::clBlue);
        design.Add(std::move(outline));
        AddLabel(design, QStringLiteral("More words"));
        design.At(2)->SetBounds(40, 130, 200, 30);
        TLabelJobParameters preview = DefaultJob();
        preview.Printing = false;
        TRecordingJobDevice recorder(Letter, 300);
        RunJob(design, preview, recorder);

        const QImage page = TRecordedJob(recorder.Stream()).RenderPage(0, 150);
        const QPoint card(112, 75); // 0.75 × 0.5 inch at 150 pixels per inch
        for (const QRect &words : {QRect(card + QPoint(60, 90), QSize(300, 45)),
                                   QRect(card + QPoint(60, 200), QSize(300, 45))}) {
            // Silver or blue text has no dark pixel at all.
            int black = 0;
            for (int y = words.top(); y <= words.bottom(); ++y)
                for (int x = words.left(); x <= words.right(); ++x)
                    black += page.pixelColor(x, y).value() < 60;
            QVERIFY(black > 50);
        }
    }

    void previewOfAnUnselectedFirstPositionIsEmpty()
    {
        TDesign design;
        AddCornerMark(design);
        TLabelJobParameters preview = DefaultJob();
        preview.Printing = false;
        preview.Selection.SetSelected(0, false);
        TRecordingJobDevice recorder(Letter, 48);
        const TJobRun run = RunJob(design, preview, recorder);

        QVERIFY(run.Cards.isEmpty());
        const QImage page = TRecordedJob(recorder.Stream()).RenderPage(0, 48);
        QVERIFY(!page.isNull());
        QVERIFY(AllWhite(page));
    }

    void backgroundArtFollowsItsNameAndTheCardSize_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("kind");

        QTest::newRow("bitmap") << "art.bmp" << int(TBackgroundArt::TKind::bkBitmap);
        QTest::newRow(".BMP inside the name") << "art.BMP.old" << int(TBackgroundArt::TKind::bkBitmap);
        QTest::newRow("jpeg, read by content") << "art.jpg" << int(TBackgroundArt::TKind::bkBitmap);
        QTest::newRow("format the card cannot show") << "art.png" << int(TBackgroundArt::TKind::bkNone);
        QTest::newRow("missing bitmap") << "missing.bmp" << int(TBackgroundArt::TKind::bkNone);
        QTest::newRow("metafile") << "art.wmf" << int(TBackgroundArt::TKind::bkMetafile);
        QTest::newRow("damaged metafile") << "junk.wmf" << int(TBackgroundArt::TKind::bkNone);
        QTest::newRow("bitmap name, other content") << "fake.bmp" << int(TBackgroundArt::TKind::bkNone);
    }

    void backgroundArtFollowsItsNameAndTheCardSize()
    {
        QFETCH(QString, fileName);
        QFETCH(int, kind);
        for (const char *name : {"art.bmp", "art.BMP.old"})
            QVERIFY(RedBitmap().save(Path(name), "BMP"));
        QVERIFY(RedBitmap().save(Path("art.png"), "PNG"));
        QVERIFY(RedBitmap().save(Path("art.jpg"), "JPG"));
        QVERIFY(RedBitmap().save(Path("fake.bmp"), "PNG"));
        for (const auto &[name, bytes] : {std::pair{"art.wmf", RedMetafile()}, std::pair{"junk.wmf", QByteArray(300, 'x')}}) {
            QFile file(Path(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        TCardLayout layout;
        layout.Width = 3.0f;
        layout.Height = 1.5f;
        layout.HPitch = 4.0f;
        TLabelJobParameters parameters = TLabelJobParameters::FromLayout(layout, TPrinterNudges());
        parameters.BackgroundFile = Path(fileName.toLatin1().constData());
        TDesign design;
        TLabelPrintJob job(design, parameters);
        TPdfJobDevice device(Path("art.pdf"), TCardLayout::PapersizeLetter);
        TReportJob report(device);
        job.Execute(report);

        QCOMPARE(int(job.Background().Kind()), kind);
        const QImage page = ReadPdf(Path("art.pdf"), 48).Pages.value(0);
        const bool drawn = kind != int(TBackgroundArt::TKind::bkNone);
        // Row 1, column 1: the art covers the 3 × 1.5 inch card and no more.
        const QPointF card = parameters.CardOrigin(1, 1);
        QCOMPARE(IsRed(page, InchesToPixels(card.x() + 0.1, card.y() + 0.1, 48)), drawn);
        QCOMPARE(IsRed(page, InchesToPixels(card.x() + 2.9, card.y() + 1.4, 48)), drawn);
        QVERIFY(!IsRed(page, InchesToPixels(card.x() + 3.2, card.y() + 0.5, 48)));
        QVERIFY(!IsRed(page, InchesToPixels(card.x() + 1.0, card.y() + 1.75, 48)));
    }

    void printingIsSetForTheLoopAndClearedOnFailure()
    {
        TDesign design;
        auto failing = std::make_unique<TFailingObject>();
        TFailingObject *object = failing.get();
        design.Add(std::move(failing));
        QFile::remove(Path("failed.pdf"));

        QVERIFY_THROWS_EXCEPTION(EQuandrelError, PrintToPdf(design, DefaultJob(), Path("failed.pdf")));
        QVERIFY(object->PrintingSeen);
        QVERIFY(!design.Printing());
        QVERIFY(!QFile::exists(Path("failed.pdf")));
    }

    void everyPositionOfA10By30LayoutPrints()
    {
        TCardLayout layout;
        layout.Across = 10;
        layout.Down = 30;
        layout.Width = 0.8f;
        layout.Height = 0.34f;
        layout.HPitch = 0.82f;
        layout.VPitch = 0.35f;
        layout.LeftMargin = 0.1f;
        layout.TopMargin = 0.2f;
        TDesign design;
        AddCornerMark(design);
        const TLabelJobParameters parameters = TLabelJobParameters::FromLayout(layout, TPrinterNudges());
        const TJobRun run = PrintToPdf(design, parameters, Path("dense.pdf"));

        QCOMPARE(run.Cards.size(), 300);
        QCOMPARE(run.Cards.last(), QStringLiteral("Card 300"));
        const QImage page = ReadPdf(Path("dense.pdf")).Pages.value(0);
        QVERIFY(MarkAt(page, parameters.CardOrigin(29, 9)));
        QVERIFY(MarkAt(page, parameters.CardOrigin(12, 7)));
    }

    // Clip art and background art that are metafiles reach the PDF as
    // drawing and text, not as pictures, also after the design was saved and
    // opened again.
    void metafileArtPrintsAsVectorsFromAReopenedDesign()
    {
        const QString art = QStringLiteral(QUANDREL_ART_FOLDER "/clipart/");
        TDesign saved;
        auto image = std::make_unique<TGImage>();
        image->SetName(QStringLiteral("Badge"));
        image->SetBounds(10, 10, 100, 100);
        image->Picture().LoadFromFile(art + "badge.wmf");
        saved.Add(std::move(image));
        const TGLabelObjectFiler filer(StandardClasses());
        filer.SaveToFile(saved, Path("badge.qdl"));
        TDesign reopened;
        TGLabelObjectFiler(StandardClasses()).LoadFromFile(reopened, Path("badge.qdl"));
        QCOMPARE(reopened.Count(), 1);

        TLabelJobParameters parameters = DefaultJob();
        parameters.BackgroundFile = art + "envelope.wmf";
        PrintToPdf(reopened, parameters, Path("vectors.pdf"));
        const QString text = PopplerTools::Text(Path("vectors.pdf"));
        QCOMPARE(text.count(QStringLiteral("NEW")), 10);
        QCOMPARE(text.count(QStringLiteral("AIR")), 10);
        const QStringList pictures = PopplerTools::Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), Path("vectors.pdf")})
                                         .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(pictures.size(), 2); // the table's two header lines only
    }

    void complexDesignsWarnInTheCompletionText_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("complex");

        QTest::newRow("text and shapes") << 0 << false;
        QTest::newRow("DidedErero") << 1 << true;
        QTest::newRow("VodirOriz") << 2 << true;
    }

    void complexDesignsWarnInTheCompletionText()
    {
        QFETCH(int, kind);
        QFETCH(bool, complex);
        TDesign design;
        AddCornerMark(design);
        if (kind == 1)
            design.Add(std::make_unique<TDidedErero>());
        if (kind == 2)
            design.Add(std::make_unique<TGVodirOriz>());
        TLabelJobParameters preview = DefaultJob();
        preview.Printing = false;

        const TLabelPrintJob job(design, preview);
        QCOMPARE(TLabelPrintJob::IsComplex(design), complex);
        QCOMPARE(job.FinalText(false).contains(QLatin1String("complex shapes or text")), complex);
        QCOMPARE(job.FinalText(true), QStringLiteral("\rBusiness Card Preview Canceled!"));
    }

    void unwritablePdfFails()
    {
        TDesign design;
        AddCornerMark(design);
        const QString fileName = Path("no-such-folder/out.pdf");
        try {
            PrintToPdf(design, DefaultJob(), fileName);
            QFAIL("printing into a missing folder succeeded");
        } catch (const EQuandrelError &e) {
            QCOMPARE(e.message(), QStringLiteral("Unable to write to ") + fileName);
        }
        QVERIFY(!design.Printing());
    }

    void damagedRecordingsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("stream");

        const QByteArray good = TRecordedJob::Encode(Letter, 300, {QByteArray("page")});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("cut short") << good.left(good.size() - 2);
        QTest::newRow("not a recording") << QByteArray("%PDF-1.4 and so on, long enough to be read");
        QTest::newRow("huge page count") << TRecordedJob::Encode(Letter, 300, {}).replace(30, 4, "\x7f\xff\xff\xff");
        QTest::newRow("no resolution") << TRecordedJob::Encode(Letter, 0, {QByteArray("page")});
    }

    void damagedRecordingsAreRefused()
    {
        QFETCH(QByteArray, stream);
        QVERIFY_THROWS_EXCEPTION(EQuandrelError, TRecordedJob{stream});
    }
};

QTEST_MAIN(TestPrintJob)
#include "tst_print_job.moc"

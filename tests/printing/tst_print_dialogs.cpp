#include "DialogScript.h"

#include "core/TDesign.h"
#include "core/TPreferences.h"
#include "core/TSettingsFile.h"
#include "objects/graphics/TGLabelShapes.h"
#include "printing/TLabelJobParameters.h"
#include "printing/TPdfJobDevice.h"
#include "printing/TRecordedJob.h"
#include "printing/TRecordingJobDevice.h"
#include "printing/TReportJob.h"
#include "printing/TLabelPrintJob.h"
#include "ui/TGBasePanel.h"
#include "ui/TLabelPrinter.h"
#include "ui/TPreviewForm.h"
#include "ui/TPreviewPage.h"
#include "ui/TPrintCommands.h"
#include "ui/TPrintFineTune.h"
#include "ui/TPrinterJobDevice.h"
#include "ui/TReportPrinter.h"
#include "ui/TSelectSpecificLabels.h"
#include "ui/TSheetPicture.h"
#include "ui/TWarnBottomMargin.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <cmath>

namespace {

const QString StatusCaption = QStringLiteral("Print Status Screen");

void AddCornerMark(TDesign &design)
{
    auto mark = std::make_unique<TGLabelShapes>();
    mark->SetName(QStringLiteral("Mark"));
    mark->SetBounds(0, 0, 12, 12);
    mark->Brush().SetColor(TColors::clBlack);
    mark->Brush().SetStyle(TBrushStyle::bsSolid);
    design.Add(std::move(mark));
}

template <class T = QAbstractButton>
T *Child(const QWidget &parent, const char *name)
{
    return parent.findChild<T *>(QString::fromLatin1(name));
}

void Click(const QWidget &parent, const char *name, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(Child(parent, name), Qt::LeftButton);
}

QString LabelText(const QWidget &parent, const char *name)
{
    return Child<QLabel>(parent, name)->text();
}

// The status window's step: wait until the job is over, then press "OK".
DialogScript::Step FinishStatusWindow(QString *statusText = nullptr)
{
    return [statusText](QDialog &dialog) {
        auto *status = dynamic_cast<TLabelPrinter *>(&dialog);
        if (status && !status->Finished())
            return false;
        if (status && statusText)
            *statusText = status->StatusText();
        Click(dialog, "CancelButton");
        return true;
    };
}

// An object that takes a while to print, so that a test can press the
// status window's button while the job runs.
class TSlowObject : public TGGraphicControl
{
public:
    const char *ClassName() const override { return "TSlowObject"; }
    void PrintTo(TReport &, double, double) override { QTest::qWait(25); }
};

struct TPdfContents
{
    int Pages = 0;
    QImage FirstPage;
};

TPdfContents ReadPdf(const QString &fileName, int dpi)
{
    TPdfContents contents;
    QPdfDocument document;
    if (document.load(fileName) != QPdfDocument::Error::None)
        return contents;
    contents.Pages = document.pageCount();
    const QSizeF points = document.pagePointSize(0);
    const QSize pixels(qRound(points.width() / 72 * dpi), qRound(points.height() / 72 * dpi));
    contents.FirstPage = QImage(pixels, QImage::Format_RGB32);
    contents.FirstPage.fill(Qt::white);
    QPainter(&contents.FirstPage).drawImage(0, 0, document.render(0, pixels));
    return contents;
}

// Whether a corner mark begins at the spot (inches), give or take a pixel.
bool MarkAt(const QImage &page, double x, double y, int dpi)
{
    const QPoint spot(int(std::lround(x * dpi)), int(std::lround(y * dpi)));
    const auto dark = [&page](QPoint p) { return qGray(page.pixel(p)) < 128; };
    return dark(spot + QPoint(2, 2)) && !dark(spot - QPoint(2, 0)) && !dark(spot - QPoint(0, 2));
}

// The main window's state as the print commands see it, over a temporary
// program folder and a PDF file for a printer.
class PrintFixture
{
public:
    PrintFixture()
        : Settings(Folder.filePath(QStringLiteral("QDL.INI"))),
          Panel(Design, Folder.path()),
          Commands(MainWindow, Panel, Preferences, Positions, Background, Settings)
    {
        AddCornerMark(Design);
        Commands.ReportPrinter().SelectPrinter(TReportPrinter::PdfPrinterName());
        Commands.ReportPrinter().ChooseOutputFile = [this](QWidget *) { return OutputFile; };
    }

    QTemporaryDir Folder;
    TSettingsFile Settings;
    QWidget MainWindow;
    TDesign Design;
    TGBasePanel Panel;
    TPreferences Preferences;
    TPrintPositions Positions;
    QString Background;
    QString OutputFile = Folder.filePath(QStringLiteral("cards.pdf"));
    TPrintCommands Commands;
};

} // namespace

class TestPrintDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fineTuneArrowsStayWithinEightSteps_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("label");

        QTest::newRow("down nine times from 0") << 0 << "Down" << 9 << 8 << "Increase by 8/32\"";
        QTest::newRow("up from -8") << -8 << "Up" << 1 << -8 << "Decrease by 8/32\"";
        QTest::newRow("up three times from 0") << 0 << "Up" << 3 << -3 << "Decrease by 3/32\"";
        QTest::newRow("back to none") << 1 << "Up" << 1 << 0 << "None";
        QTest::newRow("beyond the range, down") << 12 << "Down" << 1 << 12 << "Increase by 12/32\"";
        QTest::newRow("beyond the range, up") << 12 << "Up" << 1 << 11 << "Increase by 11/32\"";
    }

    void fineTuneArrowsStayWithinEightSteps()
    {
        QFETCH(int, start);
        QFETCH(QString, arrow);
        QFETCH(int, clicks);
        QFETCH(int, expected);
        QFETCH(QString, label);
        const TPrinterNudges nudges{0, 0, start, 0};
        TPrintFineTune dialog(nullptr, nudges);
        dialog.show();

        Click(dialog, ("VerticalSpacing" + arrow).toLatin1().constData(), clicks);
        QCOMPARE(dialog.Nudges().VerticalSpacing, expected);
        QCOMPARE(LabelText(dialog, "VerticalSpacingValue"), label);
        QCOMPARE(LabelText(dialog, "TopMarginValue"), QStringLiteral("None"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Printer Fine-Tuning"));
    }

    void fineTuneDefaultIsKeptOnlyOnOk_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("kept");

        QTest::newRow("Default then Cancel") << "CancelButton" << false;
        QTest::newRow("Default then Ok") << "OkButton" << true;
    }

    void fineTuneDefaultIsKeptOnlyOnOk()
    {
        QFETCH(QString, button);
        QFETCH(bool, kept);
        PrintFixture fixture;
        const TPrinterNudges before{-3, 4, 2, -1};
        fixture.Preferences.Nudges = before;
        QStringList labels;
        DialogScript script({DialogScript::Do([&](QDialog &dialog) {
            Click(dialog, "DefaultButton");
            for (const char *name : {"TopMarginValue", "LeftMarginValue", "VerticalSpacingValue", "HorizontalSpacingValue"})
                labels << LabelText(dialog, name);
            Click(dialog, button.toLatin1().constData());
        })});
        script.Run([&] { fixture.Commands.FineTuning(); });

        QCOMPARE(labels, QStringList(4, QStringLiteral("None")));
        QCOMPARE(fixture.Preferences.Nudges == TPrinterNudges(), kept);
        QCOMPARE(fixture.Preferences.Nudges == before, !kept);
        // Only OK saves the settings.
        QCOMPARE(QFile::exists(fixture.Settings.FileName()), kept);
    }

    void bottomMarginCheckLooksAtTheLayoutsLastRow_data()
    {
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("down");
        QTest::addColumn<QList<int>>("unselected");
        QTest::addColumn<double>("margin");
        QTest::addColumn<bool>("warningOn");
        QTest::addColumn<bool>("warns");

        QTest::newRow("2 x 5, full sheet") << 2 << 5 << QList<int>() << 0.6 << true << true;
        QTest::newRow("2 x 5, position 9 left out") << 2 << 5 << QList<int>{8} << 0.6 << true << false;
        QTest::newRow("2 x 5, margin 0.5") << 2 << 5 << QList<int>() << 0.5 << true << false;
        QTest::newRow("2 x 5, warning off") << 2 << 5 << QList<int>() << 0.6 << false << false;
        QTest::newRow("3 x 4, positions 9 and 10 left out") << 3 << 4 << QList<int>{8, 9} << 0.6 << true << false;
        QTest::newRow("3 x 4, row above the last left out") << 3 << 4 << QList<int>{6, 7, 8} << 0.6 << true << true;
        QTest::newRow("3 x 4, last of the last row left out") << 3 << 4 << QList<int>{11} << 0.6 << true << false;
        QTest::newRow("1 x 12, only the last card") << 1 << 12 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 0.7
                                                   << true << true;
    }

    void bottomMarginCheckLooksAtTheLayoutsLastRow()
    {
        QFETCH(int, across);
        QFETCH(int, down);
        QFETCH(QList<int>, unselected);
        QFETCH(double, margin);
        QFETCH(bool, warningOn);
        QFETCH(bool, warns);
        TCardLayout layout;
        layout.Across = across;
        layout.Down = down;
        TPrintPositions positions;
        for (int index : unselected)
            positions.SetSelected(index, false);

        QCOMPARE(TWarnBottomMargin::NeedsWarning(margin, layout, positions, warningOn), warns);
    }

    void bottomMarginWarningNamesMarginAndShortfall()
    {
        TWarnBottomMargin warning(nullptr, 0.6);
        warning.show();

        QCOMPARE(warning.windowTitle(), QStringLiteral("ALERT"));
        QCOMPARE(LabelText(warning, "BotMarg"), QStringLiteral(" 0.600 inches"));
        QCOMPARE(LabelText(warning, "Difference"), QStringLiteral(" 0.100 inches"));
    }

    void bottomMarginWarningButtons_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("cancels");

        QTest::newRow("Continue") << "ContinueButton" << false;
        QTest::newRow("Cancel Printing") << "CancelPrintingButton" << true;
        QTest::newRow("Escape") << "Escape" << true;
        QTest::newRow("closing the window") << "close" << false;
    }

    void bottomMarginWarningButtons()
    {
        QFETCH(QString, how);
        QFETCH(bool, cancels);
        TWarnBottomMargin warning(nullptr, 0.66);
        warning.show();
        Child<QCheckBox>(warning, "DontShowAgain")->setChecked(true);

        if (how == QLatin1String("Escape"))
            QTest::keyClick(&warning, Qt::Key_Escape);
        else if (how == QLatin1String("close"))
            warning.close();
        else
            Click(warning, how.toLatin1().constData());
        QVERIFY(!warning.isVisible());
        QCOMPARE(warning.CancelPrinting(), cancels);
        QVERIFY(warning.DontShowAgain());
    }

    void sheetPictureAt96PixelsPerInch()
    {
        const TCardLayout layout;
        TSheetPicture picture(nullptr, layout, layout.PaperSizeInches(), 96);

        QCOMPARE(picture.SheetScale(), 19.2);
        QCOMPARE(picture.PaperRect(), QRect(QPoint(10, 10), QPoint(173, 221) - QPoint(1, 1)));
        QCOMPARE(picture.CardRects().size(), 10);
        QCOMPARE(picture.CardRects()[0], QRect(QPoint(24, 19), QPoint(91, 57) - QPoint(1, 1)));
        QCOMPARE(picture.CardRects()[9], QRect(QPoint(91, 171), QPoint(158, 209) - QPoint(1, 1)));
        picture.Positions().SetSelected(9, false);
        const QImage drawn = picture.grab().toImage();
        QCOMPARE(drawn.pixelColor(30, 30), QColor(Qt::red));
        QCOMPARE(drawn.pixelColor(100, 180), QColor(Qt::white));
        QCOMPARE(drawn.pixelColor(91, 171), QColor(Qt::black));
    }

    void clickingTheSheetSwitchesCards()
    {
        PrintFixture fixture;
        TSelectSpecificLabels dialog(nullptr, fixture.Commands.ReportPrinter(), TCardLayout(), TPrintPositions());
        dialog.show();
        TSheetPicture &sheet = dialog.SheetPicture();

        QTest::mouseClick(&sheet, Qt::LeftButton, {}, QPoint(30, 30));
        QVERIFY(!sheet.Positions().Selected(0));
        QTest::mouseClick(&sheet, Qt::LeftButton, {}, QPoint(30, 30));
        QVERIFY(sheet.Positions().Selected(0));
        // The right edge belongs to the next card, the top edge to its own.
        QTest::mouseClick(&sheet, Qt::LeftButton, {}, QPoint(91, 19));
        QCOMPARE(sheet.Positions().ToText(10), QStringLiteral("1011111111"));
        QTest::mouseClick(&sheet, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(sheet.Positions().ToText(10), QStringLiteral("1011111111"));
        Click(dialog, "NoneButton");
        QCOMPARE(sheet.Positions().ToText(10), QStringLiteral("0000000000"));
        Click(dialog, "AllButton");
        QCOMPARE(sheet.Positions().ToText(10), QStringLiteral("1111111111"));
    }

    void emptySelectionIsRefusedButSetsTheCopies()
    {
        PrintFixture fixture;
        TSelectSpecificLabels dialog(nullptr, fixture.Commands.ReportPrinter(), TCardLayout(), TPrintPositions());
        dialog.show();
        Child<QSpinBox>(dialog, "pages")->setValue(3);
        Click(dialog, "NoneButton");

        QString title;
        DialogScript script({DialogScript::Do([&title](QDialog &box) {
            title = box.windowTitle();
            box.accept();
        })});
        script.Run([&] { Click(dialog, "OkButton"); });
        QCOMPARE(script.Seen, QStringList({"You must select at least one card to print"}));
        QCOMPARE(title, QStringLiteral("Information"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(fixture.Commands.ReportPrinter().Copies(), 3);
        QCOMPARE(LabelText(dialog, "PrinterName"), QStringLiteral("PDF file"));
    }

    void aTenByThirtyLayoutFitsThePicture()
    {
        TCardLayout layout;
        layout.Across = 10;
        layout.Down = 30;
        TSheetPicture picture(nullptr, layout, layout.PaperSizeInches(), 96);
        picture.show();

        const QList<QRect> &cards = picture.CardRects();
        QCOMPARE(cards.size(), 300);
        for (int index = 0; index < cards.size(); ++index) {
            QVERIFY(picture.rect().contains(cards[index]));
            QCOMPARE(picture.CardAt(cards[index].topLeft()), index);
        }
        QTest::mouseClick(&picture, Qt::LeftButton, {}, cards[299].topLeft());
        QVERIFY(!picture.Positions().Selected(299));
        QVERIFY(picture.Positions().Selected(298));
    }

    void cancelledSelectionChangesNothing()
    {
        PrintFixture fixture;
        DialogScript script({DialogScript::Do([](QDialog &dialog) {
            auto *sheet = Child<QWidget>(dialog, "PaintBox1");
            QTest::mouseClick(sheet, Qt::LeftButton, {}, QPoint(30, 30));
            Click(dialog, "CancelButton");
        })});
        script.Run([&] { fixture.Commands.Print(); });

        QCOMPARE(script.Seen, QStringList({"Print Cards"}));
        QCOMPARE(fixture.Positions, TPrintPositions());
        QVERIFY(!QFile::exists(fixture.OutputFile));
    }

    void printCommandPrintsTheChosenCardsAndSheets()
    {
        PrintFixture fixture;
        fixture.Panel.SetZoom(1.5f);
        QString status;
        DialogScript script({DialogScript::Do([](QDialog &dialog) {
                                 auto *sheet = Child<QWidget>(dialog, "PaintBox1");
                                 QTest::mouseClick(sheet, Qt::LeftButton, {}, QPoint(30, 30));
                                 Child<QSpinBox>(dialog, "pages")->setValue(2);
                                 Click(dialog, "OkButton");
                             }),
                             FinishStatusWindow(&status)});
        script.Run([&] { fixture.Commands.Print(); });

        QCOMPARE(script.Seen.size(), 2);
        QCOMPARE(script.Seen[0], QStringLiteral("Print Cards"));
        QCOMPARE(status, QStringLiteral("Print job completed and sent to printer!"));
        QCOMPARE(fixture.Positions.ToText(10), QStringLiteral("0111111111"));
        QCOMPARE(fixture.Panel.Zoom(), 1.5f);
        const TPdfContents pdf = ReadPdf(fixture.OutputFile, 96);
        QCOMPARE(pdf.Pages, 2);
        QVERIFY(!MarkAt(pdf.FirstPage, 0.75, 0.5, 96));
        QVERIFY(MarkAt(pdf.FirstPage, 4.25, 8.5, 96));
    }

    void printerMarginsAreCompensated()
    {
        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("margins.pdf")));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        printer.setPageMargins(QMarginsF(0.25, 0.4, 0.3, 0.6), QPageLayout::Inch);
        TDesign design;
        AddCornerMark(design);
        TPrinterJobDevice device(printer);
        TReportJob report(device);
        TLabelPrintJob job(design, TLabelJobParameters::FromLayout(TCardLayout(), TPrinterNudges()));
        job.Execute(report);

        QCOMPARE(device.DeviceOriginInches(), QPointF(0.25, 0.4));
        const QImage page = ReadPdf(printer.outputFileName(), 96).FirstPage;
        QVERIFY(MarkAt(page, 4.25, 8.5, 96));
        QVERIFY(MarkAt(page, 0.75, 0.5, 96));
    }

    void statusWindowReportsTheOutcome_data()
    {
        QTest::addColumn<bool>("printing");
        QTest::addColumn<bool>("interrupt");
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QStringList>("questions");

        const QStringList question{QStringLiteral("Cancel Business Card Printing?")};
        QTest::newRow("print") << true << false << QMessageBox::NoButton
                               << "Print job completed and sent to printer!" << QStringList();
        QTest::newRow("print, cancel, yes") << true << true << QMessageBox::Yes << "\rBusiness Card Print Canceled!"
                                            << question;
        QTest::newRow("print, cancel, no") << true << true << QMessageBox::No
                                           << "Print job completed and sent to printer!" << question;
        QTest::newRow("preview") << false << false << QMessageBox::NoButton
                                 << "\rBusiness Card preview ready!\r\rNote: To save time, only a single card is "
                                    "previewed"
                                 << QStringList();
        QTest::newRow("preview, stop") << false << true << QMessageBox::NoButton
                                       << "\rBusiness Card Preview Canceled!" << QStringList();
    }

    void statusWindowReportsTheOutcome()
    {
        QFETCH(bool, printing);
        QFETCH(bool, interrupt);
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(QString, status);
        QFETCH(QStringList, questions);
        QTemporaryDir folder;
        const QString fileName = folder.filePath(QStringLiteral("status.pdf"));
        TDesign design;
        AddCornerMark(design);
        design.Add(std::make_unique<TSlowObject>());
        TLabelJobParameters parameters = TLabelJobParameters::FromLayout(TCardLayout(), TPrinterNudges());
        parameters.Printing = printing;
        TPdfJobDevice device(fileName, TCardLayout::PapersizeLetter);
        TLabelPrinter window(nullptr, design, parameters, device);
        // Presses the button once the job is running.
        QString caption;
        QString button;
        QTimer interrupter;
        interrupter.setInterval(5);
        connect(&interrupter, &QTimer::timeout, [&] {
            if (!interrupt || !caption.isEmpty() || window.Finished() || window.windowTitle() == StatusCaption)
                return;
            caption = window.windowTitle();
            button = Child(window, "CancelButton")->text();
            Child(window, "CancelButton")->click();
        });
        interrupter.start();
        DialogScript script(questions.isEmpty() ? std::vector<DialogScript::Step>()
                                                : std::vector<DialogScript::Step>{DialogScript::Press(answer)});
        QString finalStatus;
        script.Run([&] {
            window.show();
            QTRY_VERIFY_WITH_TIMEOUT(window.Finished(), 20000);
            finalStatus = window.StatusText();
            Click(window, "CancelButton");
        });

        QCOMPARE(script.Seen, questions);
        QCOMPARE(finalStatus, status);
        QVERIFY(!window.isVisible());
        const bool delivered = !status.contains(QLatin1String("Canceled"));
        QCOMPARE(window.Aborted(), !delivered);
        QCOMPARE(QFile::exists(fileName), delivered);
        if (interrupt) {
            QCOMPARE(caption, printing ? QStringLiteral("Print Status ") : QStringLiteral("Preview Status"));
            QCOMPARE(button, printing ? QStringLiteral("Cancel") : QStringLiteral("Stop"));
        }
    }

    void failedJobIsNeverReportedAsCompleted()
    {
        QTemporaryDir folder;
        TDesign design;
        AddCornerMark(design);
        const TLabelJobParameters parameters = TLabelJobParameters::FromLayout(TCardLayout(), TPrinterNudges());
        TPdfJobDevice device(folder.filePath(QStringLiteral("missing/out.pdf")), TCardLayout::PapersizeLetter);
        TLabelPrinter window(nullptr, design, parameters, device);
        DialogScript script({DialogScript::Press(QMessageBox::Ok)});
        script.Run([&] {
            window.show();
            QTRY_VERIFY_WITH_TIMEOUT(window.Finished(), 20000);
        });

        QCOMPARE(script.Seen, QStringList({"Unable to write to " + folder.filePath(QStringLiteral("missing/out.pdf"))}));
        QVERIFY(window.Aborted());
        QCOMPARE(window.StatusText(), QStringLiteral("\rBusiness Card Print Canceled!"));
        QCOMPARE(Child(window, "CancelButton")->text(), QStringLiteral("OK"));
    }

    void previewCommandShowsTheRecordedPage()
    {
        PrintFixture fixture;
        fixture.Positions.SetSelected(1, false);
        QString caption;
        QSize page;
        DialogScript script({FinishStatusWindow(), [&](QDialog &dialog) {
                                 caption = dialog.windowTitle();
                                 page = dynamic_cast<TPreviewForm &>(dialog).PageImage().Page().size();
                                 Click(dialog, "OkButton");
                                 return true;
                             }});
        script.Run([&] { fixture.Commands.Preview(); });

        QCOMPARE(script.Seen.size(), 2);
        QCOMPARE(caption, QStringLiteral("Preview Page 1 of 1"));
        QCOMPARE(page, QSize(816, 1056));
        QVERIFY(fixture.Panel.Previewing());
        QVERIFY(!QFile::exists(fixture.OutputFile));
    }

    void previewZoomsByButtonsAndClicks()
    {
        QTemporaryDir folder;
        const TSettingsFile settings(folder.filePath(QStringLiteral("QDL.INI")));
        TPreviewForm preview(nullptr, TRecordedJob::Encode(QSizeF(8.5, 11), 600, {QByteArray()}), &settings);
        preview.show();
        TPreviewPage &page = preview.PageImage();

        QCOMPARE(preview.ZoomFactor(), 100);
        Click(preview, "sbZoomIn");
        QCOMPARE(preview.ZoomFactor(), 110);
        QCOMPARE(page.Page().size(), QSize(qRound(8.5 * 96 * 1.1), qRound(11 * 96 * 1.1)));
        QTest::mouseClick(&page, Qt::RightButton, {}, QPoint(20, 20));
        QTest::mouseClick(&page, Qt::RightButton, {}, QPoint(20, 20));
        QCOMPARE(preview.ZoomFactor(), 90);
        QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(preview.ZoomFactor(), 100);
        preview.SetZoomFactor(10);
        QTest::mouseClick(&page, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(preview.ZoomFactor(), 10);
        preview.SetZoomFactor(195);
        Click(preview, "sbZoomIn");
        QCOMPARE(preview.ZoomFactor(), 200);

        Click(preview, "sbZoomPageWidth");
        QCOMPARE(preview.ZoomFactor(), preview.PageWidthFactor());
        QVERIFY(page.width() <= preview.ScrollBox().maximumViewportSize().width());
        Click(preview, "sbZoomPage");
        QCOMPARE(preview.ZoomFactor(), preview.WholePageFactor());
        QVERIFY(page.height() <= preview.ScrollBox().maximumViewportSize().height());
        QCOMPARE(page.cursor().shape(), Qt::BitmapCursor);
    }

    void previewArrowKeysScroll()
    {
        TPreviewForm preview(nullptr, TRecordedJob::Encode(QSizeF(8.5, 11), 600, {QByteArray()}), nullptr);
        preview.show();
        preview.SetZoomFactor(200);
        QScrollBar *bar = preview.ScrollBox().verticalScrollBar();
        QVERIFY(bar->maximum() > bar->singleStep());

        QTest::keyClick(&preview, Qt::Key_Up);
        QCOMPARE(bar->value(), 0);
        QTest::keyClick(&preview, Qt::Key_Down);
        QTest::keyClick(&preview, Qt::Key_Down);
        QCOMPARE(bar->value(), 2 * bar->singleStep());
        bar->setValue(bar->maximum());
        QTest::keyClick(&preview, Qt::Key_Down);
        QCOMPARE(bar->value(), bar->maximum());
    }

    void previewOpensWhereItWasLeft()
    {
        QTemporaryDir folder;
        const TSettingsFile settings(folder.filePath(QStringLiteral("QDL.INI")));
        const QByteArray stream = TRecordedJob::Encode(QSizeF(8.5, 11), 600, {QByteArray()});
        const QRect placed(60, 70, 500, 420);
        {
            TPreviewForm preview(nullptr, stream, &settings);
            preview.show();
            preview.setGeometry(placed);
            Click(preview, "OkButton");
        }
        TPreviewForm reopened(nullptr, stream, &settings);
        reopened.show();
        QCOMPARE(reopened.geometry(), placed);
    }
};

QTEST_MAIN(TestPrintDialogs)
#include "tst_print_dialogs.moc"

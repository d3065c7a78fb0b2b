// The main window end to end: drawing, saving and reopening, the questions
// before a design is given up, opening bad files, recent files, zoom and
// keys, the settings commands, start-up and hand-over, help.
#include "MainWindowFixture.h"
#include "ui/SurfaceFixture.h"

#include "core/TGLabelObjectFiler.h"
#include "core/TSettingsFile.h"
#include "objects/StandardClasses.h"
#include "objects/graphics/TBCShapes.h"
#include "objects/graphics/TGImage.h"
#include "platform/TProgramFolder.h"
#include "objects/text/TGBusinessCardLabel.h"
#include "support/SampleDesign.h"
#include "ui/TDialogStrip.h"
#include "ui/TFolderBrowser.h"
#include "ui/TGHandle.h"
#include "ui/TGImageBrowser.h"
#include "ui/TGetBCLabelText.h"
#include "ui/TLoadBackGround.h"
#include "ui/TTipsAssistant.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBrowser>

namespace {

using Step = ModalScript::Step;

// A design file holding one text object with that caption.
void WriteDesign(const QString &fileName, const QString &caption = QStringLiteral("Saved text"))
{
    TDesign design;
    auto label = SampleDesign::Placed<TGBusinessCardLabel>("Label");
    label->SetCaption(caption);
    design.Add(std::move(label));
    TGLabelObjectFiler(StandardClasses()).SaveToFile(design, fileName);
}

QString CaptionOf(const TDesign &design, int index)
{
    auto *label = dynamic_cast<TGBaseLabel *>(design.At(index));
    return label ? label->Caption() : QString();
}

// Answers the text tool's dialog with a text.
Step EnterText(const QString &text)
{
    return [text](QDialog &dialog) {
        auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("LabelText"));
        if (!edit)
            return;
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
    };
}

// A one-colour 8 x 8 bitmap at that path; gives the path.
QString SavePicture(const QString &fileName, QColor colour)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    image.save(fileName, "BMP");
    return fileName;
}

bool UnsavedButtonsShown(const MainWindowFixture &f)
{
    return f.Button("Savebutton")->isVisible() && f.Button("Cancelbutton")->isVisible();
}

bool UnsavedButtonsHidden(const MainWindowFixture &f)
{
    return !f.Button("Savebutton")->isVisible() && !f.Button("Cancelbutton")->isVisible();
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QApplication::setQuitOnLastWindowClosed(false); }

    void drawnTextIsSavedUnderProposedNamesAndReopens()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        QCOMPARE(f.Window->windowTitle(), QStringLiteral("Quandrel"));
        QVERIFY(UnsavedButtonsHidden(f));

        ModalScript text({EnterText(QStringLiteral("Jane Doe"))});
        f.Draw("DrawLabelButton", QPoint(40, 30), QPoint(140, 60), &text);
        QCOMPARE(text.Unused, 0);
        QCOMPARE(f.Design().Count(), 1);
        auto *label = dynamic_cast<TGBusinessCardLabel *>(f.Design().At(0));
        QVERIFY(label);
        QCOMPARE(label->Caption(), QStringLiteral("Jane Doe"));
        QVERIFY(label->Font().SameAs(f.Card().DefaultFont()));
        QCOMPARE(f.Card().PanelState(), TLPanelState::psPointing);
        QVERIFY(f.Button("Pointerbutton")->isChecked());
        QVERIFY(f.Window->ChangesMade());
        QVERIFY(UnsavedButtonsShown(f));
        QCOMPARE(f.Button("Savebutton")->text(), QStringLiteral("Save As"));

        QString proposed;
        ModalScript saveAs({ModalScript::ChooseFile(QStringLiteral("BC0001.QDL"), &proposed)});
        f.ClickWith("Savebutton", saveAs);
        QCOMPARE(proposed, QStringLiteral("BC0001.QDL"));
        const QString first = f.Saved(QStringLiteral("BC0001.QDL"));
        QVERIFY(QFileInfo(first).isFile());
        QCOMPARE(f.Window->CurrentFileName(), first);
        QCOMPARE(f.Window->windowTitle(), QStringLiteral("Quandrel - BC0001.QDL"));
        QVERIFY(UnsavedButtonsHidden(f));
        QCOMPARE(f.RecentEntries(), QStringList{first});

        ModalScript none;
        f.Trigger("New1", none);
        QCOMPARE(none.Unexpected, 0);
        QCOMPARE(f.Design().Count(), 0);
        QCOMPARE(f.Window->windowTitle(), QStringLiteral("Quandrel"));

        f.Draw("DrawRectanglebutton", QPoint(20, 20), QPoint(80, 60));
        QCOMPARE(f.Design().Count(), 1);
        ModalScript saveAgain({ModalScript::ChooseFile(QStringLiteral("BC0002.QDL"), &proposed)});
        f.Trigger("mnuSaveAs", saveAgain);
        QCOMPARE(proposed, QStringLiteral("BC0002.QDL"));
        QVERIFY(QFileInfo::exists(f.Saved(QStringLiteral("BC0002.QDL"))));

        QVERIFY(f.Open(first));
        QCOMPARE(f.Window->windowTitle(), QStringLiteral("Quandrel - BC0001.QDL"));
        QCOMPARE(f.Design().Count(), 1);
        QCOMPARE(CaptionOf(f.Design(), 0), QStringLiteral("Jane Doe"));
        QVERIFY(!f.Window->ChangesMade());
    }

    void saveShortcutSavesTheOpenDesign()
    {
        MainWindowFixture f;
        const QString file = f.Saved(QStringLiteral("card.qdl"));
        WriteDesign(file);
        QVERIFY(f.Start());
        QVERIFY(f.Open(file));
        f.Draw("DrawEllipseButton", QPoint(100, 100), QPoint(150, 130));
        QVERIFY(f.Window->ChangesMade());
        f.Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.Window.get()));
        f.Key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!f.Window->ChangesMade());
        TDesign reread;
        TGLabelObjectFiler(StandardClasses()).LoadFromFile(reread, file);
        QCOMPARE(reread.Count(), 2);
    }

    void openingCorruptFileLeavesEmptyCardAndPreviousName_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("garbage") << QByteArray("this is no design at all");
        QTest::newRow("empty") << QByteArray();
        // A good first record followed by a cut: nothing of it stays.
        QTest::newRow("truncated") << QByteArray();
    }
    void openingCorruptFileLeavesEmptyCardAndPreviousName()
    {
        QFETCH(QByteArray, content);
        MainWindowFixture f;
        const QString good = f.Saved(QStringLiteral("good.qdl"));
        WriteDesign(good);
        const QString bad = f.Saved(QStringLiteral("bad.qdl"));
        if (QByteArray(QTest::currentDataTag()) == "truncated") {
            WriteDesign(bad);
            content = MainWindowFixture::ReadFile(bad);
            content.chop(3);
        }
        MainWindowFixture::WriteFile(bad, content);
        QVERIFY(f.Start());
        QVERIFY(f.Open(good));
        QCOMPARE(f.Design().Count(), 1);

        QString message;
        ModalScript openBad({ModalScript::ChooseFile(bad), ModalScript::Press(QMessageBox::Ok, &message)});
        f.Trigger("Open1", openBad);
        QCOMPARE(message, QStringLiteral("Unable to open ") + bad
                              + QStringLiteral(". Possibly corrupted, possibly not a QDL file"));
        QCOMPARE(f.Design().Count(), 0);
        QVERIFY(f.Card().isVisible());
        QCOMPARE(f.Window->CurrentFileName(), good);
        QCOMPARE(f.Window->windowTitle(), QStringLiteral("Quandrel - good.qdl"));
        QVERIFY(!f.Window->ChangesMade());
        QCOMPARE(f.RecentEntries(), QStringList{good});
    }

    void openAcceptsOnlyDesignExtensions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::newRow("upper case") << QStringLiteral("CARD.QDL") << true;
        QTest::newRow("lower case") << QStringLiteral("card.qdl") << true;
        QTest::newRow("other") << QStringLiteral("card.txt") << false;
    }
    void openAcceptsOnlyDesignExtensions()
    {
        QFETCH(QString, name);
        QFETCH(bool, opens);
        MainWindowFixture f;
        const QString file = f.Saved(name);
        WriteDesign(file);
        QVERIFY(f.Start());
        ModalScript open({ModalScript::ChooseFile(file), ModalScript::Press(QMessageBox::Ok)});
        f.Trigger("Open1", open);
        if (opens) {
            QCOMPARE(open.Seen.size(), 1);
            QCOMPARE(f.Window->CurrentFileName(), file);
        } else {
            QCOMPARE(open.Seen.value(1), QStringLiteral("Must be a QDL (Quandrel) file"));
            QVERIFY(f.Window->CurrentFileName().isEmpty());
        }
    }

    void recentFilesKeepFiveAndReopeningMovesToTop()
    {
        MainWindowFixture f;
        QStringList files;
        for (int i = 1; i <= 6; ++i) {
            files << f.Saved(QStringLiteral("card%1.qdl").arg(i));
            WriteDesign(files.last(), QStringLiteral("card %1").arg(i));
        }
        QVERIFY(f.Start());
        for (const QString &file : files) {
            QVERIFY(f.Open(file));
        }
        QCOMPARE(f.RecentEntries(), (QStringList{files[5], files[4], files[3], files[2], files[1]}));
        QCOMPARE(f.RecentEntry(1)->text(), QStringLiteral("&1 ") + files[5]);

        ModalScript none;
        none.Run([&] { f.RecentEntry(3)->trigger(); });
        QCOMPARE(none.Unexpected, 0);
        QCOMPARE(CaptionOf(f.Design(), 0), QStringLiteral("card 4"));
        const QStringList expected{files[3], files[5], files[4], files[2], files[1]};
        QCOMPARE(f.RecentEntries(), expected);
        QCOMPARE(TSettingsFile(TProgramFolder::SettingsFileName()).LoadRecentFiles(), expected);
    }

    void recentFileThatIsGoneIsDroppedWithMessage()
    {
        MainWindowFixture f;
        const QString file = f.Saved(QStringLiteral("gone.qdl"));
        WriteDesign(file);
        QVERIFY(f.Start());
        QVERIFY(f.Open(file));
        ModalScript none;
        f.Trigger("New1", none);
        QFile::remove(file);
        QString message;
        ModalScript recent({ModalScript::Press(QMessageBox::Ok, &message)});
        recent.Run([&] { f.RecentEntry(1)->trigger(); });
        QCOMPARE(message, file + QStringLiteral(" no longer exists"));
        QVERIFY(f.RecentEntries().isEmpty());
    }

    // Cancel keeps the design and its flag and stops the command; cancelling
    // the Save As that Yes opened does the same.
    void saveChangesQuestionCanStopEveryCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("new") << QStringLiteral("New1");
        QTest::newRow("open") << QStringLiteral("Open1");
        QTest::newRow("recent file") << QStringLiteral("recent");
        QTest::newRow("exit") << QStringLiteral("CloseButton");
    }
    void saveChangesQuestionCanStopEveryCommand()
    {
        QFETCH(QString, command);
        MainWindowFixture f;
        const QString other = f.Saved(QStringLiteral("other.qdl"));
        WriteDesign(other);
        TSettingsFile(TProgramFolder::SettingsFileName()).SaveRecentFiles({other});
        QVERIFY(f.Start());
        ModalScript newDesign;
        f.Trigger("New1", newDesign);
        f.Draw("DrawRectanglebutton", QPoint(20, 20), QPoint(80, 60));
        const auto run = [&](ModalScript &script) {
            script.Run([&] {
                if (command == QLatin1String("recent"))
                    f.RecentEntry(1)->trigger();
                else if (command == QLatin1String("CloseButton"))
                    f.Click("CloseButton");
                else
                    f.Action(command.toLatin1().constData())->trigger();
            });
        };
        for (const Step &refusal : {ModalScript::Press(QMessageBox::Cancel), ModalScript::Reject()}) {
            ModalScript ask({refusal});
            run(ask);
            QCOMPARE(ask.Seen.value(0), QStringLiteral("Save changes?"));
            QCOMPARE(ask.Unexpected, 0);
            QVERIFY(f.Window->isVisible());
            QCOMPARE(f.Design().Count(), 1);
            QVERIFY(f.Window->ChangesMade());
            QVERIFY(UnsavedButtonsShown(f));
            QCOMPARE(f.RecentEntries(), QStringList{other});
        }
        ModalScript yesThenCancelSaveAs({ModalScript::Press(QMessageBox::Yes), ModalScript::Reject()});
        run(yesThenCancelSaveAs);
        QCOMPARE(yesThenCancelSaveAs.Unused, 0);
        QCOMPARE(yesThenCancelSaveAs.Unexpected, 0);
        QVERIFY(f.Window->isVisible());
        QCOMPARE(f.Design().Count(), 1);
        QVERIFY(f.Window->ChangesMade());
    }

    void exitAsksOnceAndNoDiscards()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        f.Draw("DrawRectanglebutton", QPoint(20, 20), QPoint(80, 60));
        ModalScript no({ModalScript::Press(QMessageBox::No)});
        f.ClickWith("CloseButton", no);
        QCOMPARE(no.Seen, QStringList{QStringLiteral("Save changes?")});
        QCOMPARE(no.Unexpected, 0);
        QVERIFY(!f.Window->isVisible());
        QVERIFY(QDir(f.SavedFolder()).entryList(QDir::Files).isEmpty());
        // Closing stores where the window was.
        const TWindowPlacement placement =
            TSettingsFile(TProgramFolder::SettingsFileName()).LoadPlacement(QStringLiteral("TMainScreen"), 96, false);
        QVERIFY(placement.IsStored());
    }

    void exitWithYesSavesFirst()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        f.Draw("DrawRectanglebutton", QPoint(20, 20), QPoint(80, 60));
        ModalScript yes({ModalScript::Press(QMessageBox::Yes), ModalScript::ChooseFile(QStringLiteral("BC0001.QDL"))});
        f.ClickWith("CloseButton", yes);
        QCOMPARE(yes.Unexpected, 0);
        QVERIFY(!f.Window->isVisible());
        TDesign reread;
        TGLabelObjectFiler(StandardClasses()).LoadFromFile(reread, f.Saved(QStringLiteral("BC0001.QDL")));
        QCOMPARE(reread.Count(), 1);
    }

    void failedSaveKeepsUnsavedChanges()
    {
        MainWindowFixture f;
        const QString file = f.Saved(QStringLiteral("card.qdl"));
        WriteDesign(file);
        QVERIFY(f.Start());
        QVERIFY(f.Open(file));
        f.Draw("DrawRectanglebutton", QPoint(20, 60), QPoint(80, 90));
        // The design file's place is taken by a folder: nothing can be written there.
        QVERIFY(QFile::remove(file));
        QVERIFY(QDir().mkdir(file));

        QString error;
        ModalScript save({ModalScript::Press(QMessageBox::Ok, &error)});
        f.ClickWith("Savebutton", save);
        QVERIFY2(error.contains(file), qPrintable(error));
        QVERIFY(f.Window->ChangesMade());
        QVERIFY(UnsavedButtonsShown(f));

        // Yes to "Save changes?" with a save that fails does not go on to
        // throw the design away.
        ModalScript ask({ModalScript::Press(QMessageBox::Yes), ModalScript::Press(QMessageBox::Ok)});
        f.Trigger("New1", ask);
        QCOMPARE(ask.Seen.size(), 2);
        QCOMPARE(f.Design().Count(), 2);
        QVERIFY(f.Window->ChangesMade());
    }

    void companionIsNamedAfterTheDesignItself()
    {
        MainWindowFixture f;
        const QString folder = f.Saved(QStringLiteral("v1.2"));
        QVERIFY(QDir().mkpath(folder));
        const QString design = folder + QStringLiteral("/card.qdl");
        const QString companion = folder + QStringLiteral("/card.QDE");
        const QString cutAtFirstDot = f.Saved(QStringLiteral("v1.QDE"));
        WriteDesign(design);
        MainWindowFixture::WriteFile(companion, "/art/sunset.bmp\r\n");
        MainWindowFixture::WriteFile(cutAtFirstDot, "/art/other.bmp\r\n");
        QVERIFY(f.Start());
        QVERIFY(f.Open(design));
        QCOMPARE(f.Window->BackgroundArtFileName(), QStringLiteral("/art/sunset.bmp"));

        // Saved again, the companion keeps naming the art, in one line.
        f.Draw("DrawRectanglebutton", QPoint(20, 60), QPoint(80, 90));
        f.Click("Savebutton");
        QCOMPARE(MainWindowFixture::ReadFile(companion), QByteArray("/art/sunset.bmp\r\n"));

        // A design without art has no companion; the file beside the folder is not ours.
        ModalScript none;
        f.Trigger("New1", none);
        f.Draw("DrawRectanglebutton", QPoint(20, 60), QPoint(80, 90));
        ModalScript saveAs({ModalScript::ChooseFile(design), ModalScript::Press(QMessageBox::Yes)});
        f.Trigger("mnuSaveAs", saveAs);
        QCOMPARE(saveAs.Unused, 0);
        QVERIFY(!QFileInfo::exists(companion));
        QCOMPARE(MainWindowFixture::ReadFile(cutAtFirstDot), QByteArray("/art/other.bmp\r\n"));
    }

    void openedDesignShowsTheArtItsCompanionNames_data()
    {
        QTest::addColumn<QByteArray>("artBytes"); // empty: the art file is missing
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("reported");
        QTest::newRow("readable") << QByteArray("bmp") << true << false;
        QTest::newRow("missing") << QByteArray() << false << false;
        QTest::newRow("unreadable") << QByteArray("BM not a bitmap") << false << true;
    }
    void openedDesignShowsTheArtItsCompanionNames()
    {
        QFETCH(QByteArray, artBytes);
        QFETCH(bool, shown);
        QFETCH(bool, reported);
        MainWindowFixture f;
        const QString red = f.Saved(QStringLiteral("red.bmp"));
        QImage redImage(8, 8, QImage::Format_RGB32);
        redImage.fill(Qt::red);
        QVERIFY(redImage.save(red, "BMP"));
        const QString art = f.Saved(QStringLiteral("art.bmp"));
        if (artBytes == "bmp")
            QVERIFY(QFile::copy(red, art));
        else if (!artBytes.isEmpty())
            MainWindowFixture::WriteFile(art, artBytes);
        // A design with art is open first: opening the next one must not keep it.
        const QString previous = f.Saved(QStringLiteral("previous.qdl"));
        WriteDesign(previous);
        MainWindowFixture::WriteFile(f.Saved(QStringLiteral("previous.QDE")), red.toUtf8() + "\r\n");
        const QString design = f.Saved(QStringLiteral("card.qdl"));
        WriteDesign(design);
        MainWindowFixture::WriteFile(f.Saved(QStringLiteral("card.QDE")), art.toUtf8() + "\r\n");
        QVERIFY(f.Start());
        QVERIFY(f.Open(previous));
        QCOMPARE(f.Card().RenderToBitmap().pixelColor(2, 2), QColor(Qt::red));

        QString message;
        std::vector<Step> steps{ModalScript::ChooseFile(design)};
        if (reported)
            steps.push_back(ModalScript::Press(QMessageBox::Ok, &message));
        ModalScript open(steps);
        f.Trigger("Open1", open);
        QCOMPARE(open.Unexpected, 0);
        QCOMPARE(open.Unused, 0);
        if (reported)
            QVERIFY2(message.contains(art), qPrintable(message));
        QCOMPARE(f.Card().RenderToBitmap().pixelColor(2, 2), shown ? QColor(Qt::red) : QColor(Qt::white));
        // The design itself opens whatever became of its art, and still names it.
        QCOMPARE(f.Window->CurrentFileName(), design);
        QCOMPARE(f.Design().Count(), 1);
        QCOMPARE(f.Window->BackgroundArtFileName(), art);
        QVERIFY(!f.Window->ChangesMade());

        // New leaves a bare card.
        ModalScript none;
        f.Trigger("New1", none);
        QCOMPARE(f.Card().RenderToBitmap().pixelColor(2, 2), QColor(Qt::white));
    }

    void backgroundArtCommandSetsReplacesAndRemovesTheArt()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        const QString sky = SavePicture(TProgramFolder::BackgroundArtFolder() + "sky.bmp", Qt::red);
        const QString dawn = SavePicture(TProgramFolder::BackgroundArtFolder() + "dawn.BMP", Qt::blue);
        const QString broken = TProgramFolder::BackgroundArtFolder() + "broken.bmp";
        MainWindowFixture::WriteFile(broken, "BM not a bitmap");
        const auto choose = [](const QString &fileName) -> Step {
            return [fileName](QDialog &dialog) {
                auto *chooser = dynamic_cast<TLoadBackGround *>(&dialog);
                if (!chooser)
                    return;
                chooser->SetFileName(fileName);
                QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
            };
        };
        QStringList listed;
        const Step listAndChooseSky = [&](QDialog &dialog) {
            auto *files = dialog.findChild<QListWidget *>(QStringLiteral("FileListBox1"));
            for (int i = 0; files && i < files->count(); ++i)
                listed << files->item(i)->text();
            choose(sky)(dialog);
        };
        ModalScript first({listAndChooseSky});
        f.Trigger("mnuSetorChangeBackgroundArt", first);
        QCOMPARE(listed, (QStringList{"broken.bmp", "dawn.BMP", "sky.bmp"}));
        QCOMPARE(f.Window->BackgroundArtFileName(), sky);
        QCOMPARE(f.Card().RenderToBitmap().pixelColor(5, 100), QColor(Qt::red));
        QVERIFY(f.Window->ChangesMade());

        // Art that cannot be read is reported twice (preview, then taking it
        // over) and the card keeps what it had.
        QString message;
        ModalScript unreadable({choose(broken), ModalScript::Press(QMessageBox::Ok),
                                ModalScript::Press(QMessageBox::Ok, &message)});
        f.ClickWith("SetBackgroundArtButton", unreadable);
        QCOMPARE(unreadable.Unused, 0);
        QVERIFY2(message.contains(QStringLiteral("broken.bmp")), qPrintable(message));
        QCOMPARE(f.Window->BackgroundArtFileName(), sky);
        QCOMPARE(f.Card().RenderToBitmap().pixelColor(5, 100), QColor(Qt::red));

        // Saving names the art in the companion; the chooser opens on it.
        const QString design = f.Saved(QStringLiteral("card.qdl"));
        ModalScript saveAs({ModalScript::ChooseFile(design)});
        f.Trigger("mnuSaveAs", saveAs);
        QCOMPARE(MainWindowFixture::ReadFile(f.Saved(QStringLiteral("card.QDE"))), sky.toUtf8() + "\r\n");
        QString preselected;
        ModalScript none({[&](QDialog &dialog) {
            auto *chooser = dynamic_cast<TLoadBackGround *>(&dialog);
            if (!chooser)
                return;
            preselected = chooser->FileName();
            QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("NoneButton")), Qt::LeftButton);
        }});
        f.Trigger("mnuSetorChangeBackgroundArt", none);
        QCOMPARE(preselected, sky);
        QVERIFY(f.Window->BackgroundArtFileName().isEmpty());
        QCOMPARE(f.Card().RenderToBitmap().pixelColor(5, 100), QColor(Qt::white));
        QVERIFY(f.Window->ChangesMade());
        f.Click("Savebutton");
        QVERIFY(!QFileInfo::exists(f.Saved(QStringLiteral("card.QDE"))));
    }

    void backgroundChooserFindsMovedArtInTheArtFolderAndCancelChangesNothing()
    {
        MainWindowFixture f;
        const QString design = f.Saved(QStringLiteral("moved.qdl"));
        WriteDesign(design);
        MainWindowFixture::WriteFile(f.Saved(QStringLiteral("moved.QDE")), "/another/machine/dawn.bmp\r\n");
        QVERIFY(f.Start());
        const QString dawn = SavePicture(TProgramFolder::BackgroundArtFolder() + "dawn.bmp", Qt::blue);
        QVERIFY(f.Open(design));
        QString preselected;
        ModalScript cancel({[&](QDialog &dialog) {
            if (auto *chooser = dynamic_cast<TLoadBackGround *>(&dialog))
                preselected = chooser->FileName();
            dialog.reject();
        }});
        f.Trigger("mnuSetorChangeBackgroundArt", cancel);
        QCOMPARE(preselected, dawn);
        QCOMPARE(f.Window->BackgroundArtFileName(), QStringLiteral("/another/machine/dawn.bmp"));
        QVERIFY(!f.Window->ChangesMade());
    }

    void clipArtToolOpensTheChooserForTheNewPicture()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        const QString picture = SavePicture(f.Saved(QStringLiteral("logo.bmp")), Qt::green);
        ModalScript script({[&](QDialog &dialog) {
            auto *chooser = dynamic_cast<TGImageBrowser *>(&dialog);
            if (!chooser)
                return;
            chooser->Browser->SetFileName(picture);
            QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
        }});
        f.Draw("DrawImageButton", QPoint(20, 20), QPoint(120, 100), &script);
        QCOMPARE(script.Unused, 0);
        QCOMPARE(f.Design().Count(), 1);
        auto *image = dynamic_cast<TGImage *>(f.Design().At(0));
        QVERIFY(image);
        QVERIFY(image->Picture().IsBitmap());
        QCOMPARE(f.Card().RenderToBitmap().pixelColor(60, 60), QColor(Qt::green));
    }

    void cancelAllChangesReturnsToTheSavedDesign()
    {
        MainWindowFixture f;
        const QString file = f.Saved(QStringLiteral("card.qdl"));
        WriteDesign(file);
        QVERIFY(f.Start());
        QVERIFY(f.Open(file));
        f.Draw("DrawRectanglebutton", QPoint(20, 60), QPoint(80, 90));
        QCOMPARE(f.Design().Count(), 2);
        ModalScript keep({ModalScript::Press(QMessageBox::No)});
        f.ClickWith("Cancelbutton", keep);
        QCOMPARE(keep.Seen, QStringList{QStringLiteral("Cancel all changes?")});
        QCOMPARE(f.Design().Count(), 2);
        ModalScript discard({ModalScript::Press(QMessageBox::Yes)});
        f.ClickWith("Cancelbutton", discard);
        QCOMPARE(f.Design().Count(), 1);
        QCOMPARE(CaptionOf(f.Design(), 0), QStringLiteral("Saved text"));
        QVERIFY(!f.Window->ChangesMade());
        QVERIFY(UnsavedButtonsHidden(f));
    }

    void deleteRemovesDesignAndCompanionOnly()
    {
        MainWindowFixture f;
        const QString file = f.Saved(QStringLiteral("old.qdl"));
        WriteDesign(file);
        MainWindowFixture::WriteFile(f.Saved(QStringLiteral("old.QDE")), "/art/a.bmp\r\n");
        QVERIFY(f.Start());
        QVERIFY(f.Open(file));
        ModalScript no({ModalScript::ChooseFile(file), ModalScript::Press(QMessageBox::No)});
        f.Trigger("Delete1", no);
        QVERIFY(QFileInfo::exists(file));
        QString question;
        ModalScript yes({ModalScript::ChooseFile(file), ModalScript::Press(QMessageBox::Yes, &question)});
        f.Trigger("Delete1", yes);
        QCOMPARE(question, QStringLiteral("Delete ") + file + QStringLiteral("?"));
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(!QFileInfo::exists(f.Saved(QStringLiteral("old.QDE"))));
        QCOMPARE(f.Window->CurrentFileName(), file);
        QCOMPARE(f.Design().Count(), 1);
    }

    void cardPictureIsWrittenAt100PercentAndLeavesTheView_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QString>("untitledName");
        QTest::addColumn<bool>("border");
        QTest::newRow("bitmap, framed") << QByteArray("mnuSaveAsBitmap") << QStringLiteral("BusinessCard.Bmp") << true;
        QTest::newRow("jpg, plain") << QByteArray("mnuSaveAsJPG") << QStringLiteral("BusinessCard.JPG") << false;
    }
    void cardPictureIsWrittenAt100PercentAndLeavesTheView()
    {
        QFETCH(QByteArray, action);
        QFETCH(QString, untitledName);
        QFETCH(bool, border);
        MainWindowFixture f;
        QVERIFY(f.Start());
        for (int i = 0; i < 3; ++i)
            f.Key(Qt::Key_Plus, Qt::KeypadModifier);
        const QSize viewAt130 = f.Card().size();
        QCOMPARE(viewAt130, QSize(437, 250));
        f.Draw("DrawRectanglebutton", QPoint(150, 100), QPoint(250, 150));
        QVERIFY(f.Window->ChangesMade());
        const QRect objectAt130 = f.Design().At(0)->BoundsRect();

        const QString file = f.Saved(QStringLiteral("card.picture"));
        QString proposed;
        QString message;
        ModalScript exportCard({ModalScript::ChooseFile(file, &proposed),
                                ModalScript::Press(border ? QMessageBox::Yes : QMessageBox::No),
                                ModalScript::Press(QMessageBox::Ok, &message)});
        f.Trigger(action.constData(), exportCard);
        QCOMPARE(exportCard.Unused, 0);
        QCOMPARE(QFileInfo(proposed).fileName(), untitledName);
        QCOMPARE(message, QStringLiteral("Saved as ") + file);

        const QImage picture(file);
        QCOMPARE(picture.size(), QSize(336, 192));
        // The frame is exactly the outermost pixels; inside them the card is white.
        const auto dark = [&](int x, int y) { return qGray(picture.pixel(x, y)) < 80; };
        const auto light = [&](int x, int y) { return qGray(picture.pixel(x, y)) > 200; };
        for (const QPoint edge : {QPoint(0, 0), QPoint(335, 191), QPoint(168, 0), QPoint(0, 96), QPoint(335, 96),
                                  QPoint(168, 191)})
            QVERIFY2(border ? dark(edge.x(), edge.y()) : light(edge.x(), edge.y()),
                     qPrintable(QStringLiteral("%1,%2").arg(edge.x()).arg(edge.y())));
        QVERIFY(light(3, 3) && light(332, 188));

        // The view is as it was, and an export is no save of the design.
        QCOMPARE(f.Card().size(), viewAt130);
        QCOMPARE(f.Window->findChild<QLabel *>(QStringLiteral("ZoomCaption"))->text(), QStringLiteral("130%"));
        // Objects scale step by step, so the round trip may leave them a pixel off.
        const QSize objectAfter = f.Design().At(0)->BoundsRect().size();
        QVERIFY(qAbs(objectAfter.width() - objectAt130.width()) <= 1
                && qAbs(objectAfter.height() - objectAt130.height()) <= 1);
        QVERIFY(f.Window->ChangesMade());
        QVERIFY(UnsavedButtonsShown(f));
    }

    void cardPictureOfASavedDesignIsProposedUnderItsNameAndFailuresAreReported()
    {
        MainWindowFixture f;
        const QString design = f.Saved(QStringLiteral("card.qdl"));
        WriteDesign(design);
        QVERIFY(f.Start());
        QVERIFY(f.Open(design));

        // The folder the picture should go to is gone.
        const QString file = f.Saved(QStringLiteral("gone/card.BMP"));
        QString proposed;
        QString message;
        ModalScript exportCard({ModalScript::ChooseFile(file, &proposed), ModalScript::Press(QMessageBox::No),
                                ModalScript::Press(QMessageBox::Ok, &message)});
        f.Trigger("mnuSaveAsBitmap", exportCard);
        QCOMPARE(exportCard.Unused, 0);
        QCOMPARE(exportCard.Unexpected, 0);
        QCOMPARE(proposed, QStringLiteral("card.BMP"));
        QVERIFY2(message.startsWith(QStringLiteral("Unable to save ") + file + QStringLiteral(": ")),
                 qPrintable(message));
        QVERIFY(!QFileInfo::exists(file));
        QVERIFY(!f.Window->ChangesMade());
    }

    void zoomStepsThroughSixLevelsWithoutMarkingChanges()
    {
        MainWindowFixture f;
        const QString file = f.Saved(QStringLiteral("z.qdl"));
        WriteDesign(file);
        QVERIFY(f.Start());
        QVERIFY(f.Open(file));
        auto *caption = f.Window->findChild<QLabel *>(QStringLiteral("ZoomCaption"));
        const QRect objectAt100 = f.Design().At(0)->BoundsRect();
        for (int i = 0; i < 6; ++i)
            f.Key(Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(caption->text(), QStringLiteral("150%"));
        QCOMPARE(f.Card().size(), QSize(504, 288));
        for (int i = 0; i < 5; ++i)
            f.Key(Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(caption->text(), QStringLiteral("100%"));
        QCOMPARE(f.Card().size(), QSize(336, 192));
        QCOMPARE(f.Design().At(0)->BoundsRect(), objectAt100);
        f.Click("ZoomUp");
        QCOMPARE(caption->text(), QStringLiteral("110%"));
        f.Click("ZoomDown");
        f.Click("ZoomDown");
        QCOMPARE(caption->text(), QStringLiteral("100%"));
        QVERIFY(!f.Window->ChangesMade());
    }

    void pageKeysScrollAndOtherKeysReachTheCard()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        f.Window->resize(420, 260);
        for (int i = 0; i < 5; ++i)
            f.Key(Qt::Key_Plus, Qt::KeypadModifier);
        QCoreApplication::processEvents();
        QScrollBar *scroll = f.Window->findChild<QScrollArea *>(QStringLiteral("ScrollBox1"))->verticalScrollBar();
        QVERIFY(scroll->maximum() > scroll->singleStep());
        f.Key(Qt::Key_End);
        QCOMPARE(scroll->value(), scroll->maximum());
        f.Key(Qt::Key_PageUp);
        QCOMPARE(scroll->value(), scroll->maximum() - scroll->singleStep());
        f.Key(Qt::Key_Home);
        QCOMPARE(scroll->value(), 0);
        f.Key(Qt::Key_PageDown);
        QCOMPARE(scroll->value(), scroll->singleStep());

        f.Key(Qt::Key_Home);
        f.Draw("DrawRectanglebutton", QPoint(20, 20), QPoint(80, 60));
        f.Card().SelectAll();
        f.Button("AssistButton")->setFocus();
        f.Key(Qt::Key_Delete);
        QCOMPARE(f.Design().Count(), 0);
    }

    void printingCommandsAreAvailableAndOpenTheirDialogs()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        // "PDF file" is always a printer, so printing is never disabled.
        QVERIFY(f.Button("PrintButton")->isEnabled());
        QVERIFY(f.Button("Previewbutton")->isEnabled());
        QVERIFY(f.Action("mnuPrinterFineTuning")->isEnabled());
        ModalScript fineTuning({ModalScript::Reject()});
        f.Trigger("mnuPrinterFineTuning", fineTuning);
        QCOMPARE(fineTuning.Seen, QStringList{QStringLiteral("Printer Fine-Tuning")});
    }

    void gridButtonsDriveTheCard()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        f.Click("ShowGrid");
        f.Click("SnapToGrid");
        QVERIFY(f.Card().ShowGrid());
        QVERIFY(f.Card().SnapToGrid());
        f.Click("ShowGrid");
        QVERIFY(!f.Card().ShowGrid());
        QVERIFY(f.Card().SnapToGrid());
    }

    void defaultFontChangesCaptionAndAlwaysShowsNote()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        QAction *entry = f.Action("mnuDefaultFont");
        QCOMPARE(entry->text(), QStringLiteral("Default Font: Arial, 10 pt "));
        const QString note = QStringLiteral("Note: the default font is used for NEW objects only.\n"
                                            "To change the font of an existing object, click it\n"
                                            "with the RIGHT MOUSE BUTTON and select FONT");
        ModalScript cancelled({ModalScript::Reject(), ModalScript::Press(QMessageBox::Ok)});
        f.Trigger("mnuDefaultFont", cancelled);
        QCOMPARE(cancelled.Seen.value(1), note);
        QCOMPARE(entry->text(), QStringLiteral("Default Font: Arial, 10 pt "));

        const Step chooseBold = [](QDialog &dialog) {
            auto &fonts = static_cast<QFontDialog &>(dialog);
            QFont font = fonts.currentFont();
            // As picked from the style list: the style name decides.
            font.setStyleName(QString());
            font.setPointSize(12);
            font.setBold(true);
            font.setItalic(true);
            fonts.setCurrentFont(font);
            dialog.accept();
        };
        ModalScript chosen({chooseBold, ModalScript::Press(QMessageBox::Ok)});
        f.Trigger("mnuDefaultFont", chosen);
        QCOMPARE(chosen.Seen.value(1), note);
        QCOMPARE(entry->text(), QStringLiteral("Default Font: Arial, 12 pt , bold, italic"));
        const TPreferences stored = TSettingsFile(TProgramFolder::SettingsFileName()).LoadPreferences();
        QCOMPARE(stored.DefaultFont.Size, 12);
        QVERIFY(stored.DefaultFont.Bold && stored.DefaultFont.Italic);

        ModalScript text({ModalScript::Accept()});
        f.Draw("DrawLabelButton", QPoint(10, 10), QPoint(10, 10), &text);
        auto *label = dynamic_cast<TGBaseLabel *>(f.Design().At(0));
        QVERIFY(label);
        QCOMPARE(label->Font().Size(), 12);
    }

    void personalInformationIsSavedAndOfferedByTheTextTool()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        const Step fillName = [](QDialog &dialog) {
            auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("pPersonalName"));
            if (!name)
                return;
            QTest::keyClicks(name, QStringLiteral("Jane Doe"));
            dialog.accept();
        };
        ModalScript info({fillName});
        f.Trigger("PersonalInformation1", info);
        QCOMPARE(info.Unused, 0);
        QCOMPARE(TSettingsFile(TProgramFolder::SettingsFileName()).LoadPreferences().Personal.Fields[0],
                 QStringLiteral("Jane Doe"));

        QStringList offered;
        const Step lookThenCancel = [&offered](QDialog &dialog) {
            auto *picker = dialog.findChild<QComboBox *>(QStringLiteral("PersonalInfoCombo"));
            for (int i = 0; picker && i < picker->count(); ++i)
                offered << picker->itemText(i);
            dialog.reject();
        };
        ModalScript text({lookThenCancel});
        f.Draw("DrawLabelButton", QPoint(10, 10), QPoint(60, 30), &text);
        QCOMPARE(offered, QStringList{QStringLiteral("Jane Doe")});
        // Cancelled, the new object keeps its first text.
        QCOMPARE(CaptionOf(f.Design(), 0), QStringLiteral("Text"));
    }

    void cardLayoutResizesTheCardAtAnyZoom()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        f.Key(Qt::Key_Plus, Qt::KeypadModifier);
        const Step chooseA4Layout = [](QDialog &dialog) {
            auto *layouts = dialog.findChild<QComboBox *>(QStringLiteral("PredefinedLayouts"));
            if (!layouts)
                return;
            // As the user picks it: 3.543 x 2.126 inches on A4.
            layouts->setFocus();
            while (layouts->currentIndex() < 12)
                QTest::keyClick(layouts, Qt::Key_Down);
            dialog.accept();
        };
        ModalScript layout({chooseA4Layout});
        f.Trigger("ChangeCardLayout1", layout);
        QCOMPARE(layout.Unused, 0);
        QCOMPARE(f.Card().Zoom(), 1.1f);
        f.Key(Qt::Key_Minus, Qt::KeypadModifier);
        QCOMPARE(f.Card().size(), QSize(340, 204));
        const TPreferences stored = TSettingsFile(TProgramFolder::SettingsFileName()).LoadPreferences();
        QCOMPARE(stored.Layout.Width, 3.543f);
        QCOMPARE(stored.Layout.Papersize, 9);
    }

    void startUpReopensTheMostRecentDesignWhenItExists_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("exists") << true;
        QTest::newRow("deleted") << false;
    }
    void startUpReopensTheMostRecentDesignWhenItExists()
    {
        QFETCH(bool, exists);
        MainWindowFixture f;
        const QString file = f.Saved(QStringLiteral("last.qdl"));
        if (exists)
            WriteDesign(file);
        TSettingsFile(TProgramFolder::SettingsFileName()).SaveRecentFiles({file});
        ModalScript quiet;
        QVERIFY(f.Start(&quiet));
        QCOMPARE(quiet.Unexpected, 0);
        QCOMPARE(f.Design().Count(), exists ? 1 : 0);
        QCOMPARE(f.Window->windowTitle(), exists ? QStringLiteral("Quandrel - last.qdl") : QStringLiteral("Quandrel"));
        QVERIFY(!f.Window->ChangesMade());
        for (const char *folder : {"saved", "bg", "bmbrush"})
            QVERIFY(QFileInfo(f.Folder.filePath(QString::fromLatin1(folder))).isDir());
    }

    void designNamedAtStartOpensInPlaceOfTheMostRecent()
    {
        MainWindowFixture f;
        const QString recent = f.Saved(QStringLiteral("recent.qdl"));
        const QString named = f.Saved(QStringLiteral("named.qdl"));
        WriteDesign(recent, QStringLiteral("recent"));
        WriteDesign(named, QStringLiteral("named"));
        TSettingsFile(TProgramFolder::SettingsFileName()).SaveRecentFiles({recent});
        f.Window = std::make_unique<TMainScreen>();
        f.Window->SetStartupFile(named);
        f.Window->show();
        QTRY_VERIFY(!f.Window->Loading());
        QCOMPARE(CaptionOf(f.Design(), 0), QStringLiteral("named"));
        QCOMPARE(f.RecentEntries(), (QStringList{named, recent}));
    }

    void handedOverDesignOpensAfterTheSaveQuestion()
    {
        MainWindowFixture f;
        const QString file = f.Saved(QStringLiteral("handed.qdl"));
        WriteDesign(file, QStringLiteral("handed"));
        QVERIFY(f.Start());
        f.Draw("DrawRectanglebutton", QPoint(20, 20), QPoint(80, 60));
        ModalScript ask({ModalScript::Press(QMessageBox::No)});
        bool opened = false;
        ask.Run([&] {
            f.Window->HandOver(file);
            opened = QTest::qWaitFor([&] { return f.Window->CurrentFileName() == file; }, 3000);
        });
        QVERIFY(opened);
        QCOMPARE(ask.Seen, QStringList{QStringLiteral("Save changes?")});
        QCOMPARE(CaptionOf(f.Design(), 0), QStringLiteral("handed"));

        QString message;
        ModalScript refused({ModalScript::Press(QMessageBox::Ok, &message)});
        refused.Run([&] {
            f.Window->HandOver(f.Saved(QStringLiteral("notes.txt")));
            static_cast<void>(QTest::qWaitFor([&] { return !message.isEmpty(); }, 3000));
        });
        QCOMPARE(message, QStringLiteral("Must be a QDL (Quandrel) file"));
    }

    void helpAboutAndTipsOpen()
    {
        MainWindowFixture f;
        QVERIFY(f.Start());
        QStringList aboutTexts;
        const Step readAbout = [&aboutTexts](QDialog &dialog) {
            aboutTexts << dialog.windowTitle();
            for (QLabel *label : dialog.findChildren<QLabel *>())
                aboutTexts << label->text();
            dialog.accept();
        };
        ModalScript about({readAbout});
        f.Trigger("About1", about);
        QVERIFY(aboutTexts.contains(QStringLiteral("About Quandrel")));
        QVERIFY(aboutTexts.contains(QStringLiteral("32-bit version")));
        QVERIFY(aboutTexts.contains(QStringLiteral("Version 3.2f")));

        QString page;
        const Step readPage = [&page](QDialog &dialog) {
            if (auto *browser = dialog.findChild<QTextBrowser *>(QStringLiteral("HelpBrowser")))
                page = browser->source().toString() + QLatin1Char(' ') + browser->documentTitle()
                    + browser->toPlainText().section(QLatin1Char('\n'), 0, 0);
            dialog.accept();
        };
        ModalScript help({readPage});
        f.ClickWith("Helpbutton", help);
        QCOMPARE(page, QStringLiteral("qrc:/help/topic-2016.html The Quandrel window"));

        // Each control's pop-up holds "What's this?"; the tools stay plain buttons.
        QAbstractButton *tool = f.Button("DrawLabelButton");
        QStringList entries;
        const QPoint onTool = tool->mapTo(f.Window.get(), QPoint(5, 5));
        const bool shown = WithPopupMenu([&] { QTest::mouseClick(f.Handle(), Qt::RightButton, {}, onTool); },
                                         [&](QMenu &menu) { entries = Captions(menu); });
        QVERIFY(shown);
        QCOMPARE(entries, QStringList{QStringLiteral("What's this?")});
        QVERIFY(!tool->whatsThis().isEmpty());
        QVERIFY(tool->actions().isEmpty());

        f.Click("AssistButton");
        auto *tips = f.Window->findChild<TTipsAssistant *>();
        QVERIFY(tips && tips->isVisible());
        QVERIFY(tips->Questions()->count() >= 3);
        tips->Questions()->setCurrentRow(2);
        QVERIFY(tips->Answer()->toPlainText().contains(QStringLiteral("Font")));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"

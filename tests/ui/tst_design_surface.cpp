// The design surface: rubber band, drawing tools, clipboard and its paste
// guard, the surface menu and its commands, zoom, files and painting.
#include "SurfaceFixture.h"

#include "core/TFont.h"
#include "core/TGLabelObjectFiler.h"
#include "objects/StandardClasses.h"
#include "platform/EQuandrelError.h"
#include "objects/graphics/TGLineShape.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDialog>

Q_DECLARE_METATYPE(TGridSize)

namespace {

const QRect ObjectA(40, 30, 50, 20);
const QRect ObjectB(150, 100, 40, 30);
const QRect ObjectC(100, 60, 30, 10);

// Records the drags of a drawing tool and places a shape for each.
class TToolPanel : public TGBasePanel
{
public:
    using TGBasePanel::TGBasePanel;
    std::vector<TRect> Requested;

protected:
    void CreateObjectInRect(const TRect &r) override
    {
        Requested.push_back(r);
        PlaceNewObject(std::make_unique<TBCShapes>(), r);
    }
};

std::unique_ptr<TGBasePanel> MakeToolPanel(TDesign &design, const QString &folder)
{
    return std::make_unique<TToolPanel>(design, folder);
}

// An object kind that only remembers the font it was given.
class TFontRecorder : public TGGraphicControl
{
public:
    const char *ClassName() const override { return "TFontRecorder"; }
    void ApplyFont(const TFont &font) override
    {
        Applied.Assign(font);
        ++Count;
    }
    TFont Applied;
    int Count = 0;
};

QByteArray FileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList EnabledCaptions(const QMenu &menu)
{
    QStringList captions;
    for (const QAction *action : menu.actions())
        if (!action->isSeparator() && action->isEnabled())
            captions << action->text();
    return captions;
}

} // namespace

class TestDesignSurface : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void backgroundArtLoadsKeepsItsPlaceOnAFailureAndClears()
    {
        SurfaceFixture f;
        const QString art = f.Folder.filePath("art.bmp");
        QImage blue(6, 4, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        QVERIFY(blue.save(art, "BMP"));
        const QString broken = f.Folder.filePath("broken.bmp");
        {
            QFile file(broken);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("BM no picture here");
        }
        // The card's middle, away from the outline and any object.
        const QPoint middle(f.Design.Width() / 2, f.Design.Height() / 2);
        QCOMPARE(f.Grab().pixel(middle), qRgb(255, 255, 255));

        f.Panel->LoadColorPicture(art);
        QVERIFY(f.Design.ColorPicture().IsBitmap());
        QCOMPARE(f.Grab().pixel(middle), qRgb(0, 0, 255));

        QVERIFY_THROWS_EXCEPTION(EQuandrelError, f.Panel->LoadColorPicture(broken));
        QCOMPARE(f.Grab().pixel(middle), qRgb(0, 0, 255));

        f.Panel->ClearColorPicture();
        QVERIFY(f.Design.ColorPicture().Data().isEmpty());
        QCOMPARE(f.Grab().pixel(middle), qRgb(255, 255, 255));
    }

    void rubberBandSelectsWhatItTouches_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<bool>("shiftWithASelected");
        QTest::addColumn<QList<int>>("expected");
        // A covers columns 40..89 and rows 30..49. The band's right column
        // and bottom row are not part of it.
        QTest::newRow("last column is A's first") << QPoint(10, 10) << QPoint(41, 35) << false << QList<int>{0};
        QTest::newRow("ends at A's left edge") << QPoint(10, 10) << QPoint(40, 35) << false << QList<int>{};
        QTest::newRow("last row is A's first") << QPoint(10, 10) << QPoint(60, 31) << false << QList<int>{0};
        QTest::newRow("ends at A's top edge") << QPoint(10, 10) << QPoint(60, 30) << false << QList<int>{};
        // Top-most first.
        QTest::newRow("drawn upwards over both") << QPoint(200, 140) << QPoint(60, 40) << false << QList<int>{1, 0};
        QTest::newRow("over nothing clears") << QPoint(200, 20) << QPoint(250, 60) << false << QList<int>{};
        QTest::newRow("shift toggles each") << QPoint(10, 10) << QPoint(200, 140) << true << QList<int>{1};
        QTest::newRow("shift over nothing keeps") << QPoint(200, 20) << QPoint(250, 60) << true << QList<int>{0};
    }

    void rubberBandSelectsWhatItTouches()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(bool, shiftWithASelected);
        QFETCH(QList<int>, expected);
        SurfaceFixture f;
        TGGraphicControl *objects[] = {f.Add(ObjectA), f.Add(ObjectB)};
        Qt::KeyboardModifiers modifiers;
        if (shiftWithASelected) {
            f.Click(QPoint(60, 40));
            modifiers = Qt::ShiftModifier;
        }
        f.Drag(from, to, modifiers);
        std::vector<TGGraphicControl *> wanted;
        for (int index : expected)
            wanted.push_back(objects[index]);
        QCOMPARE(f.Frame().Selection(), wanted);
        QCOMPARE(f.Changes, 0);
    }

    void rubberBandOutlineLeavesNoTrace()
    {
        SurfaceFixture f;
        const QImage before = f.Grab();
        f.Move(QPoint(10, 10));
        f.Press(QPoint(10, 10));
        f.Move(QPoint(100, 80));
        const QImage during = f.Grab();
        QCOMPARE(during.pixelColor(10, 10), QColor(0, 0, 0));
        QCOMPARE(during.pixelColor(50, 50), QColor(255, 255, 255));
        f.Release(QPoint(100, 80));
        QCOMPARE(f.Grab(), before);
    }

    void unselectableObjectsBehaveAsBackground()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        TGGraphicControl *b = f.Add(ObjectB);
        a->SetUnselectable(true);
        f.Click(QPoint(60, 40));
        QCOMPARE(f.Frame().SelectedCount(), 0);
        // A press on it starts a band like the empty card.
        f.Drag(QPoint(60, 40), QPoint(160, 110));
        QCOMPARE(f.Frame().Selection(), std::vector<TGGraphicControl *>{b});
        QVERIFY(ChooseFromContextMenu(f, QPoint(300, 20), QStringLiteral("Select All")));
        QCOMPARE(f.Frame().Selection(), std::vector<TGGraphicControl *>{b});

        QVERIFY(ChooseFromContextMenu(f, QPoint(300, 20), QStringLiteral("Mark All Selectable")));
        f.Click(QPoint(60, 40));
        QCOMPARE(f.Frame().Selection(), std::vector<TGGraphicControl *>{a});
        // Becoming unselectable leaves the selection.
        QVERIFY(ChooseFromContextMenu(f, QPoint(300, 20), QStringLiteral("Select All")));
        QCOMPARE(f.Frame().SelectedCount(), 2);
        QVERIFY(ChooseFromContextMenu(f, QPoint(300, 20), QStringLiteral("Mark All Unselectable")));
        QCOMPARE(f.Frame().SelectedCount(), 0);
        QVERIFY(a->Unselectable() && b->Unselectable());
    }

    void drawingToolCreatesObjectsFromTheNormalisedDrag()
    {
        SurfaceFixture f(&MakeToolPanel);
        auto &panel = static_cast<TToolPanel &>(*f.Panel);
        TGGraphicControl *a = f.Add(ObjectA);
        std::vector<TRect> dropped;
        panel.DroppedObjectEvent = [&dropped](const TRect &r) { dropped.push_back(r); };
        panel.SetPointing(false);

        f.Drag(QPoint(250, 150), QPoint(200, 110));
        // A press on an object draws too, and a click gives the smallest object.
        f.Drag(QPoint(60, 40), QPoint(70, 45));
        f.Click(QPoint(300, 20));
        const std::vector<TRect> expected = {{200, 110, 250, 150}, {60, 40, 70, 45}, {300, 20, 300, 20}};
        QCOMPARE(panel.Requested, expected);
        QCOMPARE(dropped, expected);
        QCOMPARE(f.Design.Count(), 4);
        QCOMPARE(f.Design.At(1)->BoundsRect(), QRect(200, 110, 50, 40));
        QCOMPARE(f.Design.At(1)->Name(), QStringLiteral("Special1"));
        QCOMPARE(f.Design.At(2)->BoundsRect(), QRect(60, 40, 10, 15));
        QCOMPARE(f.Design.At(3)->BoundsRect(), QRect(300, 20, 10, 15));
        QCOMPARE(f.Design.At(3)->Name(), QStringLiteral("Special3"));
        QCOMPARE(f.Frame().SelectedCount(), 0);
        QCOMPARE(a->BoundsRect(), ObjectA);
        QVERIFY(f.Changes > 0);
    }

    void pasteIsGuardedForOneSecondAndOffsetFromTheFile()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        f.Click(QPoint(60, 40));
        f.Key(Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QFileInfo::exists(f.Panel->ClipboardFileName()));

        f.Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.Design.Count(), 2);
        f.Clock.Advance(999);
        f.Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.Design.Count(), 2);
        f.Clock.Advance(1);
        f.Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.Design.Count(), 3);
        // Every paste lands 15 pixels from the copied position: they stack.
        QCOMPARE(f.Design.At(1)->BoundsRect(), ObjectA.translated(15, 15));
        QCOMPARE(f.Design.At(2)->BoundsRect(), ObjectA.translated(15, 15));
        QCOMPARE(f.Frame().Selection(), std::vector<TGGraphicControl *>{a});
    }

    void cutWithAnEmptySelectionKeepsTheClipboard()
    {
        SurfaceFixture f;
        f.Add(ObjectA);
        f.Add(ObjectB);
        f.Click(QPoint(60, 40));
        f.Key(Qt::Key_C, Qt::ControlModifier);
        const QByteArray copied = FileBytes(f.Panel->ClipboardFileName());
        QVERIFY(!copied.isEmpty());

        f.Click(QPoint(300, 20));
        f.Key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(FileBytes(f.Panel->ClipboardFileName()), copied);
        QCOMPARE(f.Design.Count(), 2);

        f.Click(QPoint(160, 110));
        f.Key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(f.Design.Count(), 1);
        QVERIFY(FileBytes(f.Panel->ClipboardFileName()) != copied);
        QCOMPARE(f.Frame().SelectedCount(), 0);
        QCOMPARE(f.Changes, 1);
    }

    void deleteKeyRemovesTheSelection()
    {
        SurfaceFixture f;
        f.Add(ObjectA);
        TGGraphicControl *b = f.Add(ObjectB);
        f.Add(ObjectC);
        f.Click(QPoint(60, 40));
        f.Click(QPoint(110, 65), Qt::ShiftModifier);
        f.Key(Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(f.Design.Count(), 3);
        f.Key(Qt::Key_Delete);
        QCOMPARE(f.Design.Count(), 1);
        QCOMPARE(f.Design.At(0), b);
        QCOMPARE(f.Changes, 2);
        QVERIFY(!f.Frame().isVisible());
    }

    void scratchFilesAreDeletedWithTheSurface()
    {
        SurfaceFixture f;
        f.Add(ObjectA);
        f.Click(QPoint(60, 40));
        f.Key(Qt::Key_C, Qt::ControlModifier);
        QFile scratch(f.Panel->ScratchFileName());
        QVERIFY(scratch.open(QIODevice::WriteOnly));
        scratch.close();
        const QString clipboard = f.Panel->ClipboardFileName();
        QVERIFY(QFileInfo::exists(clipboard));
        f.Panel.reset();
        QVERIFY(!QFileInfo::exists(clipboard));
        QVERIFY(!QFileInfo::exists(scratch.fileName()));
    }

    void surfaceMenuEntriesAndTheirEnabledRules_data()
    {
        QTest::addColumn<int>("objects");
        QTest::addColumn<bool>("selectAndCopy");
        QTest::addColumn<QStringList>("enabled");
        const QStringList always = {"Mark All Selectable", "Mark All Unselectable", "Select All"};
        QTest::newRow("empty card") << 0 << false << always;
        QTest::newRow("nothing selected")
            << 2 << false << QStringList{"Lock All", "Unlock All"} + always;
        QTest::newRow("selection copied")
            << 2 << true
            << QStringList{"Bring To Front", "Send To Back", "Cut", "Copy", "Paste", "Delete", "Align Left",
                           "Align Right", "Align Tops", "Align Bottoms", "Center Vertically",
                           "Center Horizontally", "Lock All", "Unlock All", "Mark All Selectable",
                           "Mark All Unselectable", "Select All", "Font"};
    }

    void surfaceMenuEntriesAndTheirEnabledRules()
    {
        QFETCH(int, objects);
        QFETCH(bool, selectAndCopy);
        QFETCH(QStringList, enabled);
        SurfaceFixture f;
        if (objects > 0)
            f.Add(ObjectA);
        if (objects > 1)
            f.Add(ObjectB);
        if (selectAndCopy) {
            f.Click(QPoint(60, 40));
            f.Key(Qt::Key_C, Qt::ControlModifier);
            // Through the frame, which shows the surface menu for several objects.
            f.Click(QPoint(160, 110), Qt::ShiftModifier);
        }
        QStringList captions, enabledCaptions;
        const QPoint where = selectAndCopy ? QPoint(60, 40) : QPoint(300, 20);
        QVERIFY(WithPopupMenu([&] { f.Press(where, {}, Qt::RightButton); }, [&](QMenu &menu) {
            captions = Captions(menu);
            enabledCaptions = EnabledCaptions(menu);
        }));
        f.Release(where, {}, Qt::RightButton);
        QCOMPARE(captions, (QStringList{"Bring To Front", "Send To Back", "-", "Cut", "Copy", "Paste", "-",
                                        "Delete", "-", "Align Left", "Align Right", "Align Tops",
                                        "Align Bottoms", "-", "Center Vertically", "Center Horizontally", "-",
                                        "Lock All", "Unlock All", "-", "Mark All Selectable",
                                        "Mark All Unselectable", "Select All", "-", "Font"}));
        QCOMPARE(enabledCaptions, enabled);
    }

    void alignmentAndCentring_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<QPoint>>("expected");
        // A (40, 30, 50 x 20), B (150, 100, 40 x 30), C (100, 60, 30 x 10) on a 336 x 192 card.
        QTest::newRow("left") << "Align Left" << QList<QPoint>{{40, 30}, {40, 100}, {40, 60}};
        QTest::newRow("right") << "Align Right" << QList<QPoint>{{140, 30}, {150, 100}, {160, 60}};
        QTest::newRow("tops") << "Align Tops" << QList<QPoint>{{40, 30}, {150, 30}, {100, 30}};
        QTest::newRow("bottoms") << "Align Bottoms" << QList<QPoint>{{40, 110}, {150, 100}, {100, 120}};
        QTest::newRow("vertically") << "Center Vertically" << QList<QPoint>{{40, 86}, {150, 81}, {100, 91}};
        QTest::newRow("horizontally") << "Center Horizontally" << QList<QPoint>{{143, 30}, {148, 100}, {153, 60}};
    }

    void alignmentAndCentring()
    {
        QFETCH(QString, command);
        QFETCH(QList<QPoint>, expected);
        SurfaceFixture f;
        TGGraphicControl *objects[] = {f.Add(ObjectA), f.Add(ObjectB), f.Add(ObjectC)};
        f.Drag(QPoint(20, 20), QPoint(250, 170));
        QCOMPARE(f.Frame().SelectedCount(), 3);
        QVERIFY(ChooseFromContextMenu(f, QPoint(60, 40), command));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(objects[i]->BoundsRect().topLeft(), expected[i]);
        QVERIFY(f.Changes > 0);
        f.Settle();
        QCOMPARE(f.Frame().SelectedCount(), 3);
    }

    void alignmentLeavesObjectsBeyondTheCardAndSingleObjectsAlone()
    {
        SurfaceFixture f;
        TGGraphicControl *far1 = f.Add(QRect(340, 30, 20, 20));
        TGGraphicControl *far2 = f.Add(QRect(350, 60, 20, 20));
        f.Panel->SelectAll();
        f.Panel->AlignLeft();
        QCOMPARE(far1->Left(), 340);
        QCOMPARE(far2->Left(), 350);

        TGGraphicControl *a = f.Add(ObjectA);
        f.Click(QPoint(60, 40));
        for (const char *command : {"Align Left", "Align Right", "Align Tops", "Align Bottoms"})
            QVERIFY(ChooseFromContextMenu(f, QPoint(300, 20), QString::fromLatin1(command)));
        QCOMPARE(a->BoundsRect(), ObjectA);
    }

    void lockAllAndUnlockAll()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        TGGraphicControl *b = f.Add(ObjectB);
        b->SetLocked(true);
        QVERIFY(ChooseFromContextMenu(f, QPoint(300, 20), QStringLiteral("Lock All")));
        QVERIFY(a->Locked() && b->Locked());
        QVERIFY(ChooseFromContextMenu(f, QPoint(300, 20), QStringLiteral("Unlock All")));
        QVERIFY(!a->Locked() && !b->Locked());
    }

    void bringToFrontAndSendToBackFollowTheSelectionOrder()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        TGGraphicControl *b = f.Add(ObjectB);
        TGGraphicControl *c = f.Add(ObjectC);
        f.Click(QPoint(110, 65));
        f.Click(QPoint(60, 40), Qt::ShiftModifier);
        QVERIFY(ChooseFromContextMenu(f, QPoint(60, 40), QStringLiteral("Send To Back")));
        QCOMPARE(f.Design.At(0), a);
        QCOMPARE(f.Design.At(1), c);
        QCOMPARE(f.Design.At(2), b);
        QCOMPARE(f.Frame().SelectedCount(), 0);

        f.Click(QPoint(60, 40));
        f.Click(QPoint(110, 65), Qt::ShiftModifier);
        QVERIFY(ChooseFromContextMenu(f, QPoint(60, 40), QStringLiteral("Bring To Front")));
        QCOMPARE(f.Design.At(0), b);
        QCOMPARE(f.Design.At(1), a);
        QCOMPARE(f.Design.At(2), c);
        QCOMPARE(f.Frame().SelectedCount(), 2);
    }

    void fontCommandAppliesTheChosenFontToTheSelection()
    {
        SurfaceFixture f;
        auto *chosen = f.Add<TFontRecorder>(ObjectA);
        auto *other = f.Add<TFontRecorder>(ObjectB);
        f.Click(QPoint(60, 40));
        QString family;
        bool dialogShown = false;
        QVERIFY(WithPopupMenu([&] { f.Press(QPoint(300, 20), {}, Qt::RightButton); },
                              [&](QMenu &menu) {
                                  dialogShown = WithModalDialog([&] { FindAction(menu, "Font")->trigger(); },
                                                                [&](QDialog &dialog) {
                                                                    auto *fonts = qobject_cast<QFontDialog *>(&dialog);
                                                                    QVERIFY(fonts);
                                                                    QFont font(QStringLiteral("Liberation Serif"));
                                                                    font.setPointSize(14);
                                                                    font.setBold(true);
                                                                    fonts->setCurrentFont(font);
                                                                    family = fonts->currentFont().family();
                                                                    fonts->accept();
                                                                });
                              }));
        f.Release(QPoint(300, 20), {}, Qt::RightButton);
        QVERIFY(dialogShown);
        QCOMPARE(chosen->Count, 1);
        QCOMPARE(chosen->Applied.Name(), family);
        QCOMPARE(chosen->Applied.Size(), 14);
        QVERIFY(chosen->Applied.Style().contains(TFontStyle::fsBold));
        QCOMPARE(other->Count, 0);
    }

    void zoomScalesTheCardAndObjectsWithoutReportingChanges()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(QRect(10, 20, 50, 15));
        f.Click(QPoint(30, 25));
        f.Panel->SetZoom(1.5f);
        QCOMPARE(f.Panel->size(), QSize(504, 288));
        // 22.5 rounds to the even 22.
        QCOMPARE(a->BoundsRect(), QRect(15, 30, 75, 22));
        QCOMPARE(f.Frame().Bounds(), QRect(13, 28, 81, 28));
        f.Panel->SetZoom(1.0f);
        QCOMPARE(f.Panel->size(), QSize(336, 192));
        QCOMPARE(a->BoundsRect(), QRect(10, 20, 50, 15));
        QCOMPARE(f.Changes, 0);
    }

    void refitOfTheFrameWaitsForPendingWork()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        f.Click(QPoint(60, 40));
        a->SetLeft(100);
        QCOMPARE(f.Frame().Bounds(), QRect(38, 28, 55, 25));
        f.Settle();
        QCOMPARE(f.Frame().Bounds(), QRect(98, 28, 56, 26));
    }

    void savingAtZoomWritesFullSizeAndKeepsTheView()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(QRect(10, 20, 50, 15));
        f.Panel->SetZoom(1.2f);
        QCOMPARE(a->BoundsRect(), QRect(12, 24, 60, 18));
        const QString fileName = f.Folder.filePath(QStringLiteral("card.qdl"));
        f.Panel->SaveToFile(fileName);
        QCOMPARE(f.Panel->Zoom(), 1.2f);
        QCOMPARE(a->BoundsRect(), QRect(12, 24, 60, 18));
        QCOMPARE(f.Panel->size(), QSize(403, 230));

        TDesign written;
        TGLabelObjectFiler(StandardClasses()).LoadFromFile(written, fileName);
        QCOMPARE(written.Count(), 1);
        QCOMPARE(written.At(0)->BoundsRect(), QRect(10, 20, 50, 15));

        // Opening at 120 % shows the design at 120 %.
        SurfaceFixture g;
        g.Panel->SetZoom(1.2f);
        g.Panel->LoadFromFile(fileName);
        QCOMPARE(g.Design.Count(), 1);
        QCOMPARE(g.Design.At(0)->BoundsRect(), QRect(12, 24, 60, 18));
        QCOMPARE(g.Design.At(0)->ZoomFactor(), 1.2f);
        g.Panel->LoadFromFile(g.Folder.filePath(QStringLiteral("missing.qdl")));
        QCOMPARE(g.Design.Count(), 1);
    }

    void purgeRemovesObjectsOffTheCardOrWithoutSize()
    {
        SurfaceFixture f;
        TGGraphicControl *kept = f.Add(QRect(-5, -5, 20, 20));
        f.Add(QRect(327, 30, 20, 20));
        f.Add(QRect(30, 183, 20, 20));
        f.Add(QRect(30, 30, 0, 20));
        TGGraphicControl *edge = f.Add(QRect(326, 182, 20, 20));
        f.Panel->SelectAll();
        f.Panel->PurgeStrayObjects();
        QCOMPARE(f.Design.Count(), 2);
        QCOMPARE(f.Design.At(0), kept);
        QCOMPARE(f.Design.At(1), edge);
        QCOMPARE(f.Frame().SelectedCount(), 0);
        QCOMPARE(f.Changes, 0);
    }

    void gridDotsMatchTheSnappingSteps_data()
    {
        QTest::addColumn<TGridSize>("size");
        QTest::addColumn<QList<QPoint>>("dots");
        QTest::addColumn<QList<QPoint>>("blank");
        QTest::newRow("4 x 4") << TGridSize::gs4x4 << QList<QPoint>{{2, 2}, {6, 2}, {2, 6}, {6, 6}, {102, 50}}
                               << QList<QPoint>{{3, 2}, {4, 4}, {5, 6}};
        QTest::newRow("8 x 8") << TGridSize::gs8x8 << QList<QPoint>{{2, 2}, {10, 10}, {106, 50}}
                               << QList<QPoint>{{6, 2}, {2, 6}, {6, 6}};
    }

    void gridDotsMatchTheSnappingSteps()
    {
        QFETCH(TGridSize, size);
        QFETCH(QList<QPoint>, dots);
        QFETCH(QList<QPoint>, blank);
        SurfaceFixture f;
        f.Design.SetShape(TLabelShapeType::lsRectangle);
        f.Panel->SetGridSize(size);
        f.Panel->SetShowGrid(true);
        const QImage image = f.Grab();
        for (const QPoint &p : dots)
            QCOMPARE(image.pixelColor(p), QColor(0, 128, 0));
        for (const QPoint &p : blank)
            QCOMPARE(image.pixelColor(p), QColor(255, 255, 255));
        f.Panel->SetShowGrid(false);
        QCOMPARE(f.Grab().pixelColor(dots.first()), QColor(255, 255, 255));
    }
};

QTEST_MAIN(TestDesignSurface)
#include "tst_design_surface.moc"

// The selection frame driven by mouse and keys on a shown surface: building
// the selection, its squares, moving and resizing with the hit zones, the
// timing rules, nudging, and the right-click menus.
#include "SurfaceFixture.h"

#include "ui/TCursorImages.h"

#include <QCursor>
#include <QPixmap>

Q_DECLARE_METATYPE(TCursor)

namespace {

// The object most tests select: its frame is (38, 28, 55, 25).
const QRect ObjectA(40, 30, 50, 20);
const QRect ObjectB(150, 100, 40, 30);

QList<QRect> Bounds(const std::vector<TGGraphicControl *> &objects)
{
    QList<QRect> result;
    for (const TGGraphicControl *object : objects)
        result << object->BoundsRect();
    return result;
}

} // namespace

class TestSelectionFrame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clickSelectsTopMostObjectAndShiftClickAddsOrRemoves()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        TGGraphicControl *b = f.Add(ObjectB);
        TGGraphicControl *c = f.Add(QRect(70, 35, 50, 20)); // over A's right part

        f.Click(QPoint(50, 40));
        QCOMPARE(f.Frame().Selection(), std::vector<TGGraphicControl *>{a});
        QCOMPARE(f.Frame().Bounds(), QRect(38, 28, 55, 25));
        QVERIFY(f.Frame().isVisible());
        QCOMPARE(QApplication::focusWidget(), &f.Frame());

        f.Click(QPoint(160, 110), Qt::ShiftModifier);
        QCOMPARE(f.Frame().Selection(), (std::vector<TGGraphicControl *>{a, b}));
        // Grown object by object: 2 pixels left and above, 3 right and below.
        QCOMPARE(f.Frame().Bounds(), QRect(38, 28, 155, 105));

        // A lies under the frame now: Shift-click there takes it out again.
        f.Click(QPoint(45, 45), Qt::ShiftModifier);
        QCOMPARE(f.Frame().Selection(), std::vector<TGGraphicControl *>{b});
        QCOMPARE(b->BoundsRect(), ObjectB);

        f.Click(QPoint(300, 20));
        QCOMPARE(f.Frame().SelectedCount(), 0);
        QVERIFY(!f.Frame().isVisible());

        f.Click(QPoint(80, 40));
        QCOMPARE(f.Frame().Selection(), std::vector<TGGraphicControl *>{c});
    }

    void selectionSquaresAreBlackForOneAndGrayForSeveral()
    {
        SurfaceFixture f;
        f.Add(ObjectA);
        f.Add(ObjectB);
        const QColor black(0, 0, 0);
        const QColor gray(128, 128, 128);
        const QColor white(255, 255, 255);
        // A's squares, outside its bounds (40..89, 30..49), at their outer corners.
        const QList<QPoint> cornerPixels = {{38, 28}, {91, 28}, {91, 51}, {38, 51}};
        const QList<QPoint> middlePixels = {{63, 28}, {67, 51}, {38, 38}, {91, 42}};
        // Just beside the squares.
        const QList<QPoint> besidePixels = {{43, 28}, {37, 28}, {62, 28}, {68, 28}, {38, 37}, {38, 43}};

        f.Click(QPoint(50, 40));
        QImage image = f.Grab();
        for (const QPoint &p : cornerPixels + middlePixels)
            QCOMPARE(image.pixelColor(p), black);
        for (const QPoint &p : besidePixels)
            QCOMPARE(image.pixelColor(p), white);

        f.Click(QPoint(160, 110), Qt::ShiftModifier);
        image = f.Grab();
        for (const QPoint &p : cornerPixels)
            QCOMPARE(image.pixelColor(p), gray);
        for (const QPoint &p : middlePixels + besidePixels)
            QCOMPARE(image.pixelColor(p), white);
        QCOMPARE(image.pixelColor(148, 98), gray);
        QCOMPARE(image.pixelColor(191, 131), gray);
    }

    void dragMovesTheSelection_data()
    {
        QTest::addColumn<int>("gridStep");
        QTest::addColumn<QPoint>("expected");
        // Dragged by (+20, +10) from a frame at (38, 28).
        QTest::newRow("no snapping") << 0 << QPoint(60, 40);
        // Snapped frames land on multiples of the step, their objects 2 pixels further.
        QTest::newRow("4 x 4 grid") << 4 << QPoint(58, 38);
        QTest::newRow("8 x 8 grid") << 8 << QPoint(58, 34);
    }

    void dragMovesTheSelection()
    {
        QFETCH(int, gridStep);
        QFETCH(QPoint, expected);
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        if (gridStep) {
            f.Panel->SetGridSize(gridStep == 4 ? TGridSize::gs4x4 : TGridSize::gs8x8);
            f.Panel->SetSnapToGrid(true);
        }
        f.Click(QPoint(60, 40));
        f.Drag(QPoint(60, 40), QPoint(80, 50));
        QCOMPARE(a->BoundsRect(), QRect(expected, ObjectA.size()));
        QCOMPARE(f.Changes, 1);
        f.Settle();
        QCOMPARE(f.Frame().Bounds(), QRect(expected - QPoint(2, 2), ObjectA.size() + QSize(6, 6)));
    }

    void dragPreviewIsDrawnUntilRelease()
    {
        SurfaceFixture f;
        f.Add(ObjectA);
        f.Click(QPoint(60, 40));
        const QImage before = f.Grab();
        f.Move(QPoint(60, 40));
        f.Press(QPoint(60, 40));
        f.Clock.Advance(20);
        f.Move(QPoint(160, 120));
        // The outline the objects would take: (140, 110) to (189, 129).
        const QImage during = f.Grab();
        QVERIFY(during != before);
        QCOMPARE(during.pixelColor(140, 110), QColor(0, 0, 0));
        f.Clock.Advance(200);
        f.Release(QPoint(60, 40));
        QCOMPARE(f.Grab(), before);
    }

    void resizeZones_data()
    {
        QTest::addColumn<QPoint>("grab");
        QTest::addColumn<TCursor>("cursor");
        QTest::addColumn<QPoint>("delta");
        QTest::addColumn<int>("gridStep");
        QTest::addColumn<QRect>("expected");
        // The frame is (38, 28, 55, 25); A is (40, 30, 50, 20). Where the right
        // or bottom edge follows the pointer it ends one pixel short of it.
        const QPoint d(10, 6);
        QTest::newRow("move") << QPoint(58, 40) << TCursorImages::crHandGrab << d << 0 << QRect(50, 36, 50, 20);
        QTest::newRow("top-left") << QPoint(40, 30) << TCursors::crSizeNWSE << d << 0 << QRect(50, 36, 40, 14);
        QTest::newRow("top-right") << QPoint(91, 30) << TCursors::crSizeNESW << d << 0 << QRect(40, 36, 59, 14);
        QTest::newRow("bottom-left") << QPoint(40, 51) << TCursors::crSizeNESW << d << 0 << QRect(50, 30, 40, 25);
        QTest::newRow("bottom-right") << QPoint(91, 51) << TCursors::crSizeNWSE << d << 0 << QRect(40, 30, 59, 25);
        QTest::newRow("top") << QPoint(65, 30) << TCursors::crSizeNS << d << 0 << QRect(40, 36, 50, 14);
        QTest::newRow("left") << QPoint(40, 40) << TCursors::crSizeWE << d << 0 << QRect(50, 30, 40, 20);
        QTest::newRow("bottom") << QPoint(65, 51) << TCursors::crSizeNS << d << 0 << QRect(40, 30, 50, 25);
        QTest::newRow("right") << QPoint(91, 40) << TCursors::crSizeWE << d << 0 << QRect(40, 30, 59, 20);
        QTest::newRow("bottom-right on 8 grid")
            << QPoint(91, 51) << TCursors::crSizeNWSE << d << 8 << QRect(40, 30, 58, 18);
        // The frame stops at 5 pixels, 5 more than the object inside it.
        QTest::newRow("right past left edge")
            << QPoint(91, 40) << TCursors::crSizeWE << QPoint(-80, 0) << 0 << QRect(40, 30, 0, 20);
        QTest::newRow("bottom past top edge")
            << QPoint(65, 51) << TCursors::crSizeNS << QPoint(0, -40) << 0 << QRect(40, 30, 50, 0);
        QTest::newRow("top-left past bottom-right")
            << QPoint(40, 30) << TCursors::crSizeNWSE << QPoint(80, 50) << 0 << QRect(120, 80, 0, 0);
    }

    void resizeZones()
    {
        QFETCH(QPoint, grab);
        QFETCH(TCursor, cursor);
        QFETCH(QPoint, delta);
        QFETCH(int, gridStep);
        QFETCH(QRect, expected);
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        if (gridStep) {
            f.Panel->SetGridSize(TGridSize::gs8x8);
            f.Panel->SetSnapToGrid(true);
        }
        f.Click(QPoint(60, 40));
        f.Move(grab);
        QCOMPARE(f.Panel->ScreenCursor(), cursor);
        f.Drag(grab, grab + delta);
        QCOMPARE(a->BoundsRect(), expected);
    }

    void severalSelectedObjectsOfferNoResizeZones()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        TGGraphicControl *b = f.Add(ObjectB);
        f.Click(QPoint(60, 40));
        f.Click(QPoint(160, 110), Qt::ShiftModifier);
        // The frame's top-left corner.
        f.Move(QPoint(40, 30));
        QCOMPARE(f.Panel->ScreenCursor(), TCursorImages::crHandGrab);
        f.Drag(QPoint(40, 30), QPoint(50, 36));
        QCOMPARE(a->BoundsRect(), ObjectA.translated(10, 6));
        QCOMPARE(b->BoundsRect(), ObjectB.translated(10, 6));
    }

    void lockedObjectStaysWhileTheOthersMove()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        TGGraphicControl *b = f.Add(ObjectB);
        a->SetLocked(true);
        f.Click(QPoint(60, 40));
        f.Click(QPoint(160, 110), Qt::ShiftModifier);
        f.Drag(QPoint(170, 115), QPoint(180, 125));
        QCOMPARE(a->BoundsRect(), ObjectA);
        QCOMPARE(b->BoundsRect(), ObjectB.translated(10, 10));
        f.Settle();
        QCOMPARE(f.Frame().Bounds(), QRect(38, 28, 200 - 40 + 6, 140 - 30 + 6));
    }

    void quickClickNeverMoves()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        f.Click(QPoint(60, 40));
        f.Move(QPoint(60, 40));
        f.Press(QPoint(60, 40));
        f.Clock.Advance(100);
        f.Move(QPoint(90, 60));
        f.Clock.Advance(49);
        f.Release(QPoint(90, 60));
        QCOMPARE(a->BoundsRect(), ObjectA);

        // At 150 ms it is a drag.
        f.Move(QPoint(60, 40));
        f.Press(QPoint(60, 40));
        f.Clock.Advance(150);
        f.Move(QPoint(90, 60));
        f.Release(QPoint(90, 60));
        QCOMPARE(a->BoundsRect(), ObjectA.translated(30, 20));
    }

    void dragFromAClickOnAnObjectStartsAfter10Milliseconds()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        f.Move(QPoint(60, 40));
        f.Press(QPoint(60, 40)); // selects A; the frame takes over the drag
        f.Move(QPoint(65, 40));
        f.Clock.Advance(10);
        f.Move(QPoint(68, 40));
        f.Clock.Advance(1);
        f.Move(QPoint(70, 40)); // the drag starts here
        f.Move(QPoint(90, 45));
        f.Clock.Advance(200);
        f.Release(QPoint(90, 45));
        QCOMPARE(a->BoundsRect(), ObjectA.translated(20, 5));
    }

    void draggedPointerStaysOnTheSurface_data()
    {
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("expected");
        // Grabbed at (60, 40): the pointer stops at (0, 0) and (336, 192).
        QTest::newRow("past top-left") << QPoint(-50, -50) << QPoint(40 - 60, 30 - 40);
        QTest::newRow("past bottom-right") << QPoint(500, 300) << QPoint(40 + 276, 30 + 152);
    }

    void draggedPointerStaysOnTheSurface()
    {
        QFETCH(QPoint, to);
        QFETCH(QPoint, expected);
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        f.Click(QPoint(60, 40));
        f.Drag(QPoint(60, 40), to);
        QCOMPARE(a->BoundsRect().topLeft(), expected);
    }

    void arrowKeysNudgeOnReleaseAndStopAtTheEdges_data()
    {
        QTest::addColumn<QRect>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("presses");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("right") << ObjectA << int(Qt::Key_Right) << 3 << QPoint(43, 30);
        QTest::newRow("down") << ObjectA << int(Qt::Key_Down) << 2 << QPoint(40, 32);
        QTest::newRow("left stops at 0") << QRect(1, 30, 50, 20) << int(Qt::Key_Left) << 3 << QPoint(0, 30);
        QTest::newRow("up stops at 0") << QRect(40, 0, 50, 20) << int(Qt::Key_Up) << 3 << QPoint(40, 0);
        QTest::newRow("right stops at the card's edge")
            << QRect(284, 30, 50, 20) << int(Qt::Key_Right) << 5 << QPoint(286, 30);
        QTest::newRow("down stops at the card's edge")
            << QRect(40, 170, 50, 20) << int(Qt::Key_Down) << 5 << QPoint(40, 172);
    }

    void arrowKeysNudgeOnReleaseAndStopAtTheEdges()
    {
        QFETCH(QRect, start);
        QFETCH(int, key);
        QFETCH(int, presses);
        QFETCH(QPoint, expected);
        SurfaceFixture f;
        TGGraphicControl *object = f.Add(start);
        f.Click(start.center());
        for (int i = 0; i < presses; ++i)
            QTest::keyPress(f.Window(), Qt::Key(key));
        // Held keys move only the preview.
        QCOMPARE(object->BoundsRect(), start);
        QVERIFY(f.Frame().Nudging());
        QTest::keyRelease(f.Window(), Qt::Key(key));
        QCOMPARE(object->BoundsRect(), QRect(expected, start.size()));
        QVERIFY(!f.Frame().Nudging());
    }

    void shiftArrowsResizeASingleObjectDownToNinePixels()
    {
        SurfaceFixture f;
        TGGraphicControl *object = f.Add(QRect(40, 30, 10, 10));
        f.Click(QPoint(45, 35));
        for (int i = 0; i < 4; ++i)
            QTest::keyPress(f.Window(), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyRelease(f.Window(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(object->BoundsRect(), QRect(40, 30, 9, 10));

        f.Click(QPoint(300, 150));
        f.Click(QPoint(44, 35));
        for (int i = 0; i < 4; ++i)
            QTest::keyPress(f.Window(), Qt::Key_Up, Qt::ShiftModifier);
        QTest::keyRelease(f.Window(), Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(object->BoundsRect(), QRect(40, 30, 9, 9));

        for (int i = 0; i < 3; ++i)
            QTest::keyPress(f.Window(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyRelease(f.Window(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(object->BoundsRect(), QRect(40, 30, 12, 9));
    }

    void shiftArrowsMoveWhenSeveralAreSelected()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        TGGraphicControl *b = f.Add(ObjectB);
        f.Click(QPoint(60, 40));
        f.Click(QPoint(160, 110), Qt::ShiftModifier);
        QTest::keyPress(f.Window(), Qt::Key_Left, Qt::ShiftModifier);
        QTest::keyRelease(f.Window(), Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(Bounds(f.Frame().Selection()), (QList<QRect>{ObjectA.translated(-1, 0), ObjectB.translated(-1, 0)}));
        QCOMPARE(a->Width(), ObjectA.width());
        QCOMPARE(b->Width(), ObjectB.width());
    }

    void handCursorsAreTheProgramsOwnPictures()
    {
        for (TCursor hand : {TCursorImages::crHandGrab, TCursorImages::crHandPoint}) {
            const QCursor cursor = TCursorImages::Cursor(hand);
            QCOMPARE(cursor.shape(), Qt::BitmapCursor);
            QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
        }
    }

    void rightClickShowsTheObjectMenuOnlyForASingleSelection()
    {
        SurfaceFixture f;
        f.Add(ObjectA);
        f.Add(ObjectB);
        QStringList captions;
        const auto record = [&captions](QMenu &menu) { captions = Captions(menu); };

        // An unselected object is selected and shows its own menu.
        QVERIFY(WithPopupMenu([&] { f.Press(QPoint(60, 40), {}, Qt::RightButton); }, record));
        f.Release(QPoint(60, 40), {}, Qt::RightButton);
        QVERIFY(captions.contains(QStringLiteral("Clone")));
        QCOMPARE(f.Frame().SelectedCount(), 1);

        // Through the frame, as long as it is the only one selected.
        QVERIFY(WithPopupMenu([&] { f.Press(QPoint(60, 40), {}, Qt::RightButton); }, record));
        f.Release(QPoint(60, 40), {}, Qt::RightButton);
        QVERIFY(captions.contains(QStringLiteral("Clone")));

        f.Click(QPoint(160, 110), Qt::ShiftModifier);
        QVERIFY(WithPopupMenu([&] { f.Press(QPoint(60, 40), {}, Qt::RightButton); }, record));
        f.Release(QPoint(60, 40), {}, Qt::RightButton);
        QVERIFY(captions.contains(QStringLiteral("Align Left")));
        QVERIFY(!captions.contains(QStringLiteral("Clone")));
        QCOMPARE(f.Frame().SelectedCount(), 2);
    }

    void doubleClickOnASelectedObjectOpensItsMenu()
    {
        SurfaceFixture f;
        TGGraphicControl *a = f.Add(ObjectA);
        f.Click(QPoint(60, 40));
        QStringList captions;
        QVERIFY(WithPopupMenu([&] { QTest::mouseDClick(f.Window(), Qt::LeftButton, {}, QPoint(60, 40)); },
                              [&](QMenu &menu) { captions = Captions(menu); }));
        QVERIFY(captions.contains(QStringLiteral("Clone")));
        QCOMPARE(a->BoundsRect(), ObjectA);
    }
};

QTEST_MAIN(TestSelectionFrame)
#include "tst_selection_frame.moc"

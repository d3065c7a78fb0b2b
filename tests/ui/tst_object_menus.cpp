// The pop-up menus of design objects: the shared entries and those of
// shapes and lines, their checks and their commands, opened by right clicks
// on a shown surface.
#include "SurfaceFixture.h"

#include "objects/graphics/TGImage.h"
#include "objects/graphics/TGLabelShapes.h"
#include "objects/graphics/TGLineShape.h"
#include "ui/TDialogStrip.h"
#include "ui/TFolderBrowser.h"
#include "ui/TGImageBrowser.h"

#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

const QRect Bounds(40, 30, 50, 20);
const QPoint Inside(60, 40);

const QStringList CommonEntries = {"Bring To Front", "Send To Back", "Cut",    "Copy",
                                   "Delete",         "Clone",        "-",      "Locked",
                                   "Unselectable",   "-",            "Center Vertically",
                                   "Center Horizontally"};

enum class TKind { Image, Rectangle, RoundRect, RoundSquare, Ellipse, Line };

TGGraphicControl *AddKind(SurfaceFixture &f, TKind kind)
{
    switch (kind) {
    case TKind::Image:
        return f.Add<TGImage>(Bounds);
    case TKind::Line:
        return f.Add<TGLineShape>(Bounds);
    default:
        break;
    }
    TGLabelShapes *shape = kind == TKind::RoundSquare ? f.Add<TGLabelShapes>(Bounds) : f.Add<TBCShapes>(Bounds);
    shape->SetShape(kind == TKind::Rectangle     ? TShapeType::stRectangle
                    : kind == TKind::Ellipse     ? TShapeType::stEllipse
                    : kind == TKind::RoundSquare ? TShapeType::stRoundSquare
                                                 : TShapeType::stRoundRect);
    return shape;
}

// Right-clicks the object and reads its menu through use.
bool InspectObjectMenu(SurfaceFixture &f, const std::function<void(QMenu &)> &use)
{
    const bool shown = WithPopupMenu([&] { f.Press(Inside, {}, Qt::RightButton); }, use);
    f.Release(Inside, {}, Qt::RightButton);
    return shown;
}

// Chooses a colour entry of the object's menu and answers its colour dialog
// with color, or cancels it when color is invalid.
bool ChooseColorEntry(SurfaceFixture &f, const QString &entry, const QColor &color)
{
    bool dialogShown = false;
    const bool menuShown = InspectObjectMenu(f, [&](QMenu &menu) {
        QAction *action = FindAction(menu, entry);
        QVERIFY(action);
        dialogShown = WithModalDialog([action] { action->trigger(); }, [&color](QDialog &dialog) {
            auto *colors = qobject_cast<QColorDialog *>(&dialog);
            QVERIFY(colors);
            if (!color.isValid())
                return;
            colors->setCurrentColor(color);
            colors->accept();
        });
    });
    return menuShown && dialogShown;
}

QStringList SubmenuCaptions(QMenu &menu, const QString &entry)
{
    QAction *action = FindAction(menu, entry);
    return action && action->menu() ? Captions(*action->menu()) : QStringList{"<no submenu>"};
}

QStringList CheckedCaptions(QMenu &menu)
{
    QStringList checked;
    for (QAction *action : menu.actions()) {
        if (action->isChecked())
            checked << action->text();
        if (action->menu())
            for (const QString &caption : CheckedCaptions(*action->menu()))
                checked << action->text() + u'/' + caption;
    }
    return checked;
}

// Chooses "Load Image From Disk" and picks fileName in the clip-art chooser.
bool LoadImageThroughMenu(SurfaceFixture &f, const QString &fileName)
{
    bool dialogShown = false;
    const bool menuShown = InspectObjectMenu(f, [&](QMenu &menu) {
        QAction *action = FindAction(menu, "Load Image From Disk");
        QVERIFY(action);
        dialogShown = WithModalDialog([action] { action->trigger(); }, [&fileName](QDialog &dialog) {
            auto *chooser = dynamic_cast<TGImageBrowser *>(&dialog);
            QVERIFY(chooser);
            chooser->Browser->SetFileName(fileName);
            QCOMPARE(chooser->FileName(), fileName);
            QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
        });
    });
    return menuShown && dialogShown;
}

} // namespace

Q_DECLARE_METATYPE(TKind)
Q_DECLARE_METATYPE(TLineStyle)

class TestObjectMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entriesOfEachKind_data()
    {
        QTest::addColumn<TKind>("kind");
        QTest::addColumn<QStringList>("ownEntries");
        const QStringList shapeEntries = {"-", "Background Color", "Line Color", "Line Thickness", "-", "Transparent"};
        const QStringList rounding = {"-", "Degree of Rounding"};
        QTest::newRow("picture") << TKind::Image
                                 << QStringList{"-",        "Load Image From Disk", "-",      "Border",
                                                "Stretch to Fit", "AutoSize",          "Flip", "Reverse"};
        QTest::newRow("rectangle") << TKind::Rectangle << shapeEntries;
        QTest::newRow("ellipse") << TKind::Ellipse << shapeEntries;
        QTest::newRow("rounded rectangle") << TKind::RoundRect << shapeEntries + rounding;
        QTest::newRow("rounded square") << TKind::RoundSquare << shapeEntries + rounding;
        QTest::newRow("line") << TKind::Line
                              << QStringList{"-", "Style", "Color", "Line Thickness", "-", "Stretch To Edges"};
    }

    void entriesOfEachKind()
    {
        QFETCH(TKind, kind);
        QFETCH(QStringList, ownEntries);
        SurfaceFixture f;
        AddKind(f, kind);
        QStringList captions;
        QVERIFY(InspectObjectMenu(f, [&](QMenu &menu) { captions = Captions(menu); }));
        QCOMPARE(captions, CommonEntries + ownEntries);
    }

    void submenuEntries()
    {
        SurfaceFixture f;
        AddKind(f, TKind::RoundRect);
        QStringList thickness, rounding;
        QVERIFY(InspectObjectMenu(f, [&](QMenu &menu) {
            thickness = SubmenuCaptions(menu, "Line Thickness");
            rounding = SubmenuCaptions(menu, "Degree of Rounding");
        }));
        QCOMPARE(thickness, (QStringList{"1 Point", "2 Point", "3 Point", "4 Point", "5 Point", "6 Point", "7 Point",
                                         "8 Point", "9 Point", "10 Point"}));
        QCOMPARE(rounding, (QStringList{"20 %", "30 %", "40 %", "50 %", "60 %", "70 %", "80 %"}));

        SurfaceFixture g;
        AddKind(g, TKind::Line);
        QStringList style;
        QVERIFY(InspectObjectMenu(g, [&](QMenu &menu) { style = SubmenuCaptions(menu, "Style"); }));
        QCOMPARE(style, (QStringList{"Horizontal", "Vertical", "Angled Sloping Up", "Angled Sloping Down"}));
    }

    void checksFollowTheObjectEachTimeTheMenuOpens()
    {
        SurfaceFixture f;
        auto *shape = static_cast<TGLabelShapes *>(AddKind(f, TKind::Rectangle));
        shape->Pen().SetWidth(3);
        shape->SetTransparent(true);
        shape->SetLocked(true);
        QStringList checked;
        const auto readChecks = [&checked](QMenu &menu) { checked = CheckedCaptions(menu); };
        QVERIFY(InspectObjectMenu(f, readChecks));
        QCOMPARE(checked, (QStringList{"Locked", "Line Thickness/3 Point", "Transparent"}));

        shape->Pen().SetWidth(10);
        shape->SetTransparent(false);
        shape->SetLocked(false);
        QVERIFY(InspectObjectMenu(f, readChecks));
        QCOMPARE(checked, QStringList{"Line Thickness/10 Point"});

        SurfaceFixture g;
        auto *line = static_cast<TGLineShape *>(AddKind(g, TKind::Line));
        line->SetLineStyle(TLineStyle::stAngleSlopingDown);
        QVERIFY(InspectObjectMenu(g, readChecks));
        QCOMPARE(checked, (QStringList{"Style/Angled Sloping Down", "Line Thickness/1 Point"}));
    }

    void pictureEntriesFollowTheObjectAndMirroringNeedsABitmap()
    {
        SurfaceFixture f;
        auto *image = static_cast<TGImage *>(AddKind(f, TKind::Image));
        QList<bool> enabled;
        QStringList checked;
        const auto read = [&](QMenu &menu) {
            checked = CheckedCaptions(menu);
            QVERIFY(FindAction(menu, "Flip") && FindAction(menu, "Reverse"));
            enabled = {FindAction(menu, "Flip")->isEnabled(), FindAction(menu, "Reverse")->isEnabled()};
        };
        QVERIFY(InspectObjectMenu(f, read));
        QCOMPARE(checked, QStringList{"Stretch to Fit"});
        QCOMPARE(enabled, (QList<bool>{false, false}));

        image->Picture().SetBitmap(QImage(8, 6, QImage::Format_RGB32));
        image->SetBounds(Bounds.x(), Bounds.y(), Bounds.width(), Bounds.height());
        QVERIFY(ChooseFromContextMenu(f, Inside, "Border"));
        QCOMPARE(image->BorderStyle(), TBorderStyle::bsSingle);
        QVERIFY(ChooseFromContextMenu(f, Inside, "Flip"));
        QVERIFY(ChooseFromContextMenu(f, Inside, "Reverse"));
        QVERIFY(image->Flip() && image->Reverse());
        QVERIFY(InspectObjectMenu(f, read));
        QCOMPARE(checked, (QStringList{"Border", "Stretch to Fit", "Flip", "Reverse"}));
        QCOMPARE(enabled, (QList<bool>{true, true}));

        // Turning Stretch to Fit off takes the picture's natural size at once.
        QVERIFY(ChooseFromContextMenu(f, Inside, "Stretch to Fit"));
        QVERIFY(image->AutoSize() && !image->Stretch());
        QCOMPARE(image->BoundsRect(), QRect(Bounds.topLeft(), QSize(8, 6)));
        QVERIFY(ChooseFromContextMenu(f, QPoint(42, 32), "AutoSize"));
        QVERIFY(!image->AutoSize() && image->Stretch());
        image->SetBounds(Bounds.x(), Bounds.y(), Bounds.width(), Bounds.height());
        QCOMPARE(image->BoundsRect(), Bounds);
        QVERIFY(InspectObjectMenu(f, read));
        QVERIFY(!checked.contains("AutoSize"));
        QVERIFY(f.Changes > 0);
    }

    void loadImageFromDiskTakesThePictureOrReportsTheFailure()
    {
        QTemporaryDir folder;
        const QString good = folder.filePath("good.bmp");
        QVERIFY(QImage(12, 9, QImage::Format_RGB32).save(good, "BMP"));
        const QString bad = folder.filePath("bad.bmp");
        {
            QFile file(bad);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a picture");
        }
        const QString before = QDir::currentPath();

        SurfaceFixture f;
        auto *image = static_cast<TGImage *>(AddKind(f, TKind::Image));
        QStringList messages = AnswerMessageBoxes([&] { QVERIFY(LoadImageThroughMenu(f, good)); });
        QVERIFY(messages.isEmpty());
        QVERIFY(image->Picture().IsBitmap());
        QCOMPARE(image->Picture().Width(), 12);
        QCOMPARE(QDir::currentPath(), before);

        messages = AnswerMessageBoxes([&] { QVERIFY(LoadImageThroughMenu(f, bad)); });
        QCOMPARE(messages, QStringList{"Error loading file!"});
        QVERIFY(image->PictureEmpty());
    }

    void shapeEntriesChangeTheShape()
    {
        SurfaceFixture f;
        auto *shape = static_cast<TGLabelShapes *>(AddKind(f, TKind::RoundRect));
        QVERIFY(ChooseFromContextMenu(f, Inside, "Line Thickness/4 Point"));
        QCOMPARE(shape->Pen().Width(), 4);
        QVERIFY(f.Changes > 0);
        QVERIFY(ChooseFromContextMenu(f, Inside, "Degree of Rounding/60 %"));
        QCOMPARE(shape->RoundPerc(), 60);
        QVERIFY(ChooseFromContextMenu(f, Inside, "Transparent"));
        QVERIFY(shape->Transparent());
        QCOMPARE(shape->Brush().Style(), TBrushStyle::bsClear);

        // Cancelling changes nothing; a chosen background makes the shape opaque.
        QVERIFY(ChooseColorEntry(f, "Background Color", QColor()));
        QCOMPARE(shape->Brush().Color(), TColors::clWhite);
        QVERIFY(shape->Transparent());
        QVERIFY(ChooseColorEntry(f, "Background Color", QColor(255, 0, 0)));
        QCOMPARE(shape->Brush().Color(), TColors::clRed);
        QVERIFY(!shape->Transparent());
        QCOMPARE(shape->Brush().Style(), TBrushStyle::bsSolid);

        QVERIFY(ChooseColorEntry(f, "Line Color", QColor(0, 0, 255)));
        QCOMPARE(shape->Pen().Color(), TColors::clBlue);
    }

    void lineEntriesChangeTheLine()
    {
        SurfaceFixture f;
        auto *line = static_cast<TGLineShape *>(AddKind(f, TKind::Line));
        QVERIFY(ChooseFromContextMenu(f, Inside, "Style/Angled Sloping Up"));
        QCOMPARE(line->LineStyle(), TLineStyle::stAngleSlopingUp);
        QVERIFY(ChooseFromContextMenu(f, Inside, "Line Thickness/7 Point"));
        QCOMPARE(line->Pen().Width(), 7);
        QVERIFY(ChooseColorEntry(f, "Color", QColor(0, 128, 0)));
        QCOMPARE(line->Pen().Color(), TColors::clGreen);
        QVERIFY(f.Changes > 0);
    }

    void stretchToEdges_data()
    {
        QTest::addColumn<TLineStyle>("style");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("horizontal") << TLineStyle::stHorizontal << QRect(0, 30, 336, 20);
        QTest::newRow("vertical") << TLineStyle::stVertical << QRect(40, 0, 50, 192);
        QTest::newRow("angled") << TLineStyle::stAngleSlopingDown << Bounds;
    }

    void stretchToEdges()
    {
        QFETCH(TLineStyle, style);
        QFETCH(QRect, expected);
        SurfaceFixture f;
        auto *line = static_cast<TGLineShape *>(AddKind(f, TKind::Line));
        line->SetLineStyle(style);
        QVERIFY(ChooseFromContextMenu(f, Inside, "Stretch To Edges"));
        QCOMPARE(line->BoundsRect(), expected);
    }

    void lockedAndUnselectable()
    {
        SurfaceFixture f;
        TGGraphicControl *shape = AddKind(f, TKind::Rectangle);
        QVERIFY(ChooseFromContextMenu(f, Inside, "Locked"));
        QVERIFY(shape->Locked());
        QVERIFY(ChooseFromContextMenu(f, Inside, "Locked"));
        QVERIFY(!shape->Locked());

        QVERIFY(ChooseFromContextMenu(f, Inside, "Unselectable"));
        QVERIFY(shape->Unselectable());
        QCOMPARE(f.Frame().SelectedCount(), 0);
        QVERIFY(!f.Frame().isVisible());
    }

    void clipboardEntriesActOnTheObject()
    {
        SurfaceFixture f;
        AddKind(f, TKind::Rectangle);
        QVERIFY(ChooseFromContextMenu(f, Inside, "Copy"));
        QVERIFY(QFileInfo::exists(f.Panel->ClipboardFileName()));
        QCOMPARE(f.Design.Count(), 1);
        QVERIFY(ChooseFromContextMenu(f, Inside, "Delete"));
        QCOMPARE(f.Design.Count(), 0);
        QCOMPARE(f.Frame().SelectedCount(), 0);

        f.Key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f.Design.Count(), 1);
        QCOMPARE(f.Design.At(0)->BoundsRect(), Bounds.translated(15, 15));
        QFile::remove(f.Panel->ClipboardFileName());
        QVERIFY(ChooseFromContextMenu(f, QPoint(75, 55), "Cut"));
        QCOMPARE(f.Design.Count(), 0);
        QVERIFY(QFileInfo::exists(f.Panel->ClipboardFileName()));
    }

    void zOrderAndCentring()
    {
        SurfaceFixture f;
        TGGraphicControl *shape = AddKind(f, TKind::Rectangle);
        TGGraphicControl *other = f.Add(QRect(200, 100, 30, 30));
        QVERIFY(ChooseFromContextMenu(f, Inside, "Bring To Front"));
        QCOMPARE(f.Design.At(1), shape);
        QCOMPARE(f.Frame().SelectedCount(), 1);
        QVERIFY(ChooseFromContextMenu(f, Inside, "Send To Back"));
        QCOMPARE(f.Design.At(0), shape);
        QCOMPARE(f.Design.At(1), other);
        QCOMPARE(f.Frame().SelectedCount(), 0);

        // Only this object moves; one taller than the card goes above its top.
        shape->SetHeight(300);
        QVERIFY(ChooseFromContextMenu(f, Inside, "Center Vertically"));
        QCOMPARE(shape->Top(), 96 - 150);
        QCOMPARE(other->Top(), 100);
        QVERIFY(ChooseFromContextMenu(f, QPoint(60, 10), "Center Horizontally"));
        QCOMPARE(shape->Left(), 168 - 25);
    }

    void cloneMovesTheSelectionToTheCopyOnlyWhenTheSourceWasSelected()
    {
        SurfaceFixture f;
        TGGraphicControl *source = AddKind(f, TKind::Line);
        static_cast<TGLineShape *>(source)->Pen().SetWidth(3);
        QVERIFY(ChooseFromContextMenu(f, Inside, "Clone"));
        QCOMPARE(f.Design.Count(), 2);
        TGGraphicControl *copy = f.Design.At(1);
        QCOMPARE(copy->BoundsRect(), Bounds.translated(0, 25));
        QCOMPARE(static_cast<TGLineShape *>(copy)->Pen().Width(), 3);
        QVERIFY(copy->Name() != source->Name());
        QCOMPARE(f.Frame().Selection(), std::vector<TGGraphicControl *>{copy});
        QVERIFY(f.Changes > 0);

        TGGraphicControl *second = f.Panel->CloneObject(*source);
        QCOMPARE(f.Design.At(2), second);
        QCOMPARE(f.Frame().Selection(), std::vector<TGGraphicControl *>{copy});
    }
};

QTEST_MAIN(TestObjectMenus)
#include "tst_object_menus.moc"

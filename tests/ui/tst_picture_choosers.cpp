// The picture choosers: the folder and file lists they browse with, the
// clip-art chooser and its hand-over to a picture object, the texture chooser
// of the multi-purpose shape and the background-art chooser.
#include "SurfaceFixture.h"

#include "objects/graphics/TDidedErero.h"
#include "objects/graphics/TGImage.h"
#include "pictures/PictureFixtures.h"
#include "pictures/WmfWriter.h"
#include "platform/TProgramFolder.h"
#include "ui/TDialogStrip.h"
#include "ui/TDirectoryListBox.h"
#include "ui/TDriveComboBox.h"
#include "ui/TFileListBox.h"
#include "ui/TFolderBrowser.h"
#include "ui/TGBrushImageBrowser.h"
#include "ui/TGImageBrowser.h"
#include "ui/TGImageMenu.h"
#include "ui/TLoadBackGround.h"
#include "ui/TPicturePreview.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

using PictureFixtures::WriteFile;

namespace {

QImage Filled(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QByteArray BmpOf(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

QStringList Entries(const QListWidget &list)
{
    QStringList names;
    for (int i = 0; i < list.count(); ++i)
        names << list.item(i)->text();
    return names;
}

// Keeps the test's own current folder whatever a chooser does with it.
class CurrentFolderGuard
{
public:
    ~CurrentFolderGuard() { QDir::setCurrent(FFolder); }

private:
    QString FFolder = QDir::currentPath();
};

} // namespace

class TestPictureChoosers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileListShowsMatchingFilesOfEitherCase()
    {
        QTemporaryDir folder;
        for (const char *name : {"b.bmp", "A.BMP", "c.Wmf", "notes.txt", ".hidden.bmp"})
            WriteFile(folder.path(), QString::fromLatin1(name), "x");
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder.bmp")));

        TFileListBox files;
        int changes = 0;
        files.OnChange = [&changes] { ++changes; };
        files.SetMask(QStringLiteral("*.BMP;*.WMF"));
        files.SetFolder(folder.path());
        QCOMPARE(Entries(files), (QStringList{"A.BMP", "b.bmp", "c.Wmf"}));
        QVERIFY(files.FileName().isEmpty());

        files.SetFileName(folder.filePath(QStringLiteral("c.Wmf")));
        QCOMPARE(files.FileName(), folder.filePath(QStringLiteral("c.Wmf")));
        QVERIFY(changes >= 3);
        files.SetFileName(folder.filePath(QStringLiteral("gone.bmp")));
        QVERIFY(files.FileName().isEmpty());
    }

    void folderListOpensFoldersAndMovesTheCurrentFolder()
    {
        CurrentFolderGuard keep;
        QTemporaryDir root;
        const QString art = QDir(root.path()).filePath(QStringLiteral("art"));
        QVERIFY(QDir().mkpath(art) && QDir().mkpath(root.filePath(QStringLiteral(".secret"))));
        WriteFile(art, QStringLiteral("one.bmp"), "x");

        TFolderBrowser browser(QStringLiteral("*.BMP"));
        browser.SetDirectory(root.path());
        TDirectoryListBox &folders = *browser.DirectoryListBox1;
        QCOMPARE(folders.currentItem()->text(0), QFileInfo(root.path()).fileName());
        QCOMPARE(folders.currentItem()->childCount(), 1);
        QCOMPARE(folders.topLevelItem(0)->text(0), QStringLiteral("/"));
        QCOMPARE(browser.DriveComboBox1->Drive(), QStringLiteral("/"));

        Q_EMIT folders.itemActivated(folders.currentItem()->child(0), 0);
        QCOMPARE(folders.Directory(), art);
        QCOMPARE(QDir::currentPath(), art);
        QCOMPARE(Entries(*browser.FileListBox1), QStringList{"one.bmp"});

        // Going up a level goes back to the parent's files.
        Q_EMIT folders.itemActivated(folders.currentItem()->parent(), 0);
        QCOMPARE(folders.Directory(), QDir(root.path()).absolutePath());
        QVERIFY(Entries(*browser.FileListBox1).isEmpty());
    }

    void clipArtChooserPreviewsEachKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("bitmap");
        QTest::addColumn<bool>("metafile");
        QTest::addColumn<QStringList>("messages");
        const QStringList none;
        const QStringList failed{QStringLiteral("Error loading file!")};
        QTest::newRow("bitmap") << "red.bmp" << BmpOf(Filled(6, 4, Qt::red)) << true << false << none;
        QTest::newRow("icon becomes a bitmap")
            << "blue.ico" << PictureFixtures::Ico(Filled(16, 16, Qt::blue)) << true << false << none;
        QTest::newRow("gif becomes a bitmap") << "small.gif" << PictureFixtures::Gif() << true << false << none;
        QTest::newRow("metafile") << "box.wmf" << WmfWriter().Placeable(QRect(0, 0, 96, 48), 96) << false << true
                                  << none;
        QTest::newRow("broken bitmap is reported") << "broken.bmp" << QByteArray("BM nonsense") << false << false
                                                   << failed;
        QTest::newRow("broken metafile is reported") << "broken.WMF" << QByteArray("nonsense") << false << false
                                                     << failed;
        QTest::newRow("broken jpeg only clears") << "broken.jpg" << QByteArray("nonsense") << false << false
                                                 << none;
    }

    void clipArtChooserPreviewsEachKind()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, bitmap);
        QFETCH(bool, metafile);
        QFETCH(QStringList, messages);
        CurrentFolderGuard keep;
        QTemporaryDir folder;
        const QString fileName = WriteFile(folder.path(), name, bytes);
        const QString other = WriteFile(folder.path(), QStringLiteral("0-first.bmp"), BmpOf(Filled(3, 3, Qt::green)));

        TGImageBrowser chooser;
        chooser.SetDirectory(folder.path());
        chooser.Browser->SetFileName(other);
        QVERIFY(chooser.Picture().IsBitmap());
        const QStringList seen = AnswerMessageBoxes([&] { chooser.Browser->SetFileName(fileName); });
        QCOMPARE(seen, messages);
        QCOMPARE(chooser.Picture().IsBitmap(), bitmap);
        QCOMPARE(chooser.Picture().IsMetafile(), metafile);
        QVERIFY(!chooser.Picture().IsIcon());
        QCOMPARE(chooser.Picture().Data().isEmpty(), !bitmap && !metafile);
    }

    void clipArtSizingBoxesExcludeEachOther()
    {
        TGImageBrowser chooser;
        chooser.StretchCheck->setChecked(true);
        QCOMPARE(chooser.Image1->Sizing(), TPicturePreview::TSizing::Stretch);
        chooser.AutoSizeCheck->setChecked(true);
        QVERIFY(!chooser.StretchCheck->isChecked());
        QCOMPARE(chooser.Image1->Sizing(), TPicturePreview::TSizing::AutoSize);
        chooser.StretchCheck->setChecked(true);
        QVERIFY(!chooser.AutoSizeCheck->isChecked());
        chooser.StretchCheck->setChecked(false);
        QCOMPARE(chooser.Image1->Sizing(), TPicturePreview::TSizing::Natural);
    }

    void previewStretchesOrTakesThePictureSize()
    {
        TPicturePreview preview;
        preview.resize(120, 90);
        preview.show();
        TPicture picture;
        picture.SetBitmap(Filled(40, 30, Qt::red));
        preview.SetPicture(picture);
        auto *image = preview.findChild<QLabel *>(QStringLiteral("PreviewImage"));
        QVERIFY(image);
        QCOMPARE(image->pixmap().size(), preview.viewport()->size());
        preview.SetSizing(TPicturePreview::TSizing::AutoSize);
        QCOMPARE(image->pixmap().size(), QSize(40, 30));
        QCOMPARE(image->size(), QSize(40, 30));
        preview.SetSizing(TPicturePreview::TSizing::Tile);
        const QImage tiled = image->pixmap().toImage();
        QCOMPARE(tiled.size(), preview.viewport()->size());
        QCOMPARE(QColor(tiled.pixel(tiled.width() - 1, tiled.height() - 1)), QColor(Qt::red));
    }

    // "Ok" hands the preview's picture and the sizing to the object; both
    // boxes cleared mean the picture fills the object.
    void chosenClipArtTakesThePictureAndItsSizing_data()
    {
        QTest::addColumn<bool>("stretch");
        QTest::addColumn<bool>("autoSize");
        QTest::addColumn<QRect>("bounds");
        QTest::newRow("AutoSize takes the natural size") << false << true << QRect(20, 20, 40, 30);
        QTest::newRow("Stretch keeps the box") << true << false << QRect(20, 20, 105, 105);
        QTest::newRow("neither means Stretch") << false << false << QRect(20, 20, 105, 105);
    }

    void chosenClipArtTakesThePictureAndItsSizing()
    {
        QFETCH(bool, stretch);
        QFETCH(bool, autoSize);
        QFETCH(QRect, bounds);
        QTemporaryDir folder;
        const QString fileName = WriteFile(folder.path(), QStringLiteral("card.bmp"), BmpOf(Filled(40, 30, Qt::red)));
        const QString before = QDir::currentPath();

        SurfaceFixture f;
        auto *image = f.Add<TGImage>(QRect(20, 20, 105, 105));
        const int changesBefore = f.Changes;
        QVERIFY(WithModalDialog([&] { TGImageMenu(*f.Panel, *image).LoadImageFromDisk(); },
                                [&](QDialog &dialog) {
                                    auto &chooser = dynamic_cast<TGImageBrowser &>(dialog);
                                    QCOMPARE(chooser.windowTitle(), QStringLiteral("Load Image File "));
                                    // The boxes open on the object's own sizing.
                                    QVERIFY(chooser.StretchCheck->isChecked());
                                    QCOMPARE(chooser.Browser->DirectoryListBox1->Directory(), before);
                                    chooser.StretchCheck->setChecked(stretch);
                                    chooser.AutoSizeCheck->setChecked(autoSize);
                                    chooser.Browser->SetFileName(fileName);
                                    QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
                                }));
        QVERIFY(image->Picture().IsBitmap());
        QCOMPARE(image->AutoSize(), autoSize);
        QCOMPARE(image->Stretch(), !autoSize);
        QCOMPARE(image->BoundsRect(), bounds);
        QVERIFY(f.Changes > changesBefore);
        QCOMPARE(QDir::currentPath(), before);
    }

    void cancelledClipArtChooserLeavesTheObject()
    {
        QTemporaryDir folder;
        const QString fileName = WriteFile(folder.path(), QStringLiteral("card.bmp"), BmpOf(Filled(40, 30, Qt::red)));
        const QString before = QDir::currentPath();
        SurfaceFixture f;
        auto *image = f.Add<TGImage>(QRect(20, 20, 105, 105));
        QVERIFY(WithModalDialog([&] { TGImageMenu(*f.Panel, *image).LoadImageFromDisk(); },
                                [&](QDialog &dialog) {
                                    dynamic_cast<TGImageBrowser &>(dialog).Browser->SetFileName(fileName);
                                    dialog.reject();
                                }));
        QVERIFY(image->PictureEmpty());
        QCOMPARE(QDir::currentPath(), before);
    }

    void textureChooserOpensOnTheLastTextureOrTheBrushFolder()
    {
        CurrentFolderGuard keep;
        QTemporaryDir program;
        TProgramFolder::SetOverride(program.path());
        QVERIFY(QDir().mkpath(TProgramFolder::BrushFolder()));
        WriteFile(TProgramFolder::BrushFolder(), QStringLiteral("weave.bmp"), BmpOf(Filled(8, 8, Qt::gray)));
        QTemporaryDir elsewhere;
        const QString last = WriteFile(elsewhere.path(), QStringLiteral("last.bmp"), BmpOf(Filled(4, 4, Qt::red)));

        TDidedErero shape;
        QString shownFolder;
        QString selected;
        const auto look = [&](QDialog &dialog) {
            auto &chooser = dynamic_cast<TGBrushImageBrowser &>(dialog);
            shownFolder = chooser.Browser->DirectoryListBox1->Directory() + u'/';
            selected = chooser.FileName();
            dialog.reject();
        };
        QVERIFY(WithModalDialog([&] { TGBrushImageBrowser::ChooseTexture(shape, nullptr); }, look));
        QCOMPARE(shownFolder, TProgramFolder::BrushFolder());
        QVERIFY(selected.isEmpty());

        shape.SetLastBitmapFileNameandPath(last);
        QVERIFY(WithModalDialog([&] { TGBrushImageBrowser::ChooseTexture(shape, nullptr); }, look));
        QCOMPARE(selected, last);

        // A last texture that has gone falls back to the texture folder.
        QVERIFY(QFile::remove(last));
        QVERIFY(WithModalDialog([&] { TGBrushImageBrowser::ChooseTexture(shape, nullptr); }, look));
        QCOMPARE(shownFolder, TProgramFolder::BrushFolder());
        TProgramFolder::SetOverride(QString());
    }

    void textureChooserHandsTheSampleTextureToTheShape()
    {
        const QString before = QDir::currentPath();
        QTemporaryDir folder;
        const QString red = WriteFile(folder.path(), QStringLiteral("red.bmp"), BmpOf(Filled(4, 4, Qt::red)));
        const QString icon = WriteFile(folder.path(), QStringLiteral("blue.ico"),
                                       PictureFixtures::Ico(Filled(16, 16, Qt::blue)));
        const QString broken = WriteFile(folder.path(), QStringLiteral("broken.bmp"), "BM nonsense");
        TDidedErero shape;
        shape.SetBounds(0, 0, 120, 80);
        shape.Image().SetImage(Filled(2, 2, Qt::green));
        const QByteArray own = shape.Image().Data();

        // Cancel: the shape keeps its texture, though the sample showed another.
        QVERIFY(WithModalDialog([&] { QVERIFY(!TGBrushImageBrowser::ChooseTexture(shape, nullptr)); },
                                [&](QDialog &dialog) {
                                    auto &chooser = dynamic_cast<TGBrushImageBrowser &>(dialog);
                                    QCOMPARE(chooser.windowTitle(), QStringLiteral("Load Texture Image"));
                                    QCOMPARE(chooser.ExampleDidedErero().Width(), 120);
                                    QCOMPARE(chooser.ExampleDidedErero().Image().Data(), own);
                                    chooser.Browser->SetFileName(red);
                                    QCOMPARE(chooser.ExampleDidedErero().Image().Width(), 4);
                                    dialog.reject();
                                }));
        QCOMPARE(shape.Image().Data(), own);

        // A broken bitmap is reported and empties the sample; an icon is drawn on white.
        QStringList messages;
        QVERIFY(WithModalDialog([&] { QVERIFY(TGBrushImageBrowser::ChooseTexture(shape, nullptr)); },
                                [&](QDialog &dialog) {
                                    auto &chooser = dynamic_cast<TGBrushImageBrowser &>(dialog);
                                    messages = AnswerMessageBoxes([&] { chooser.Browser->SetFileName(broken); });
                                    QVERIFY(chooser.ExampleDidedErero().Image().Data().isEmpty());
                                    chooser.Browser->SetFileName(icon);
                                    QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
                                }));
        QCOMPARE(messages, QStringList{"Error loading file!"});
        QCOMPARE(shape.Image().Width(), 16);
        QCOMPARE(QColor(shape.Image().Image().pixel(8, 8)), QColor(Qt::blue));
        QCOMPARE(shape.LastBitmapFileNameandPath(), icon);
        QCOMPARE(QDir::currentPath(), before);
    }

    void backgroundOkNeedsAChosenPicture()
    {
        QTemporaryDir folder;
        const QString art = WriteFile(folder.path(), QStringLiteral("sky.BMP"), BmpOf(Filled(336, 192, Qt::cyan)));
        TLoadBackGround chooser;
        QCOMPARE(chooser.windowTitle(), QStringLiteral("Load  Business Card Background Art "));
        chooser.SetDirectory(folder.path());
        QVERIFY(WithModalDialog([&] { chooser.exec(); },
                                [&](QDialog &dialog) {
                                    QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
                                    // Nothing selected: it only beeps and stays open.
                                    QVERIFY(dialog.isVisible());
                                    chooser.SetFileName(art);
                                    QVERIFY(chooser.Image1->Picture().IsBitmap());
                                    QTest::mouseClick(TDialogStrip::OkButton(dialog), Qt::LeftButton);
                                }));
        QCOMPARE(chooser.result(), int(QDialog::Accepted));
        QCOMPARE(chooser.FileName(), art);

        QVERIFY(WithModalDialog([&] { chooser.exec(); },
                                [](QDialog &dialog) {
                                    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("NoneButton")),
                                                      Qt::LeftButton);
                                }));
        QCOMPARE(chooser.result(), TLoadBackGround::NoneResult);
    }
};

QTEST_MAIN(TestPictureChoosers)
#include "tst_picture_choosers.moc"

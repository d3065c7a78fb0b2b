#include "ui/TGImageMenu.h"

#include "objects/graphics/TGImage.h"
#include "platform/EQuandrelError.h"
#include "ui/TGBasePanel.h"
#include "ui/TMessageBoxes.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>

TGImageMenu::TGImageMenu(TGBasePanel &panel, TGImage &image) : TGObjectMenu(panel, image), FImage(image) {}

void TGImageMenu::AppendKindEntries()
{
    Menu().addSeparator();
    AddCommand(Menu(), QStringLiteral("Load Image From Disk"), [this] { LoadImageFromDisk(); });
    Menu().addSeparator();
    FBorderAction = AddCheckable(Menu(), QStringLiteral("Border"), [this] {
        FImage.SetBorderStyle(FImage.BorderStyle() == TBorderStyle::bsSingle ? TBorderStyle::bsNone
                                                                               : TBorderStyle::bsSingle);
        Panel().update();
    });
    FBorderAction->setChecked(FImage.BorderStyle() == TBorderStyle::bsSingle);
    FStretchAction = AddCheckable(Menu(), QStringLiteral("Stretch to Fit"), [this] {
        FImage.SetStretch(!FImage.Stretch());
        // Stretch's setter leaves the size alone; switching to the natural
        // size has to happen at once.
        FImage.PictureChanged();
        FImage.Changed();
        Panel().update();
    });
    FAutoSizeAction = AddCheckable(Menu(), QStringLiteral("AutoSize"), [this] {
        FImage.SetAutoSize(!FImage.AutoSize());
        Panel().update();
    });
    FFlipAction = AddCheckable(Menu(), QStringLiteral("Flip"), [this] {
        FImage.SetFlip(!FImage.Flip());
        Panel().update();
    });
    FReverseAction = AddCheckable(Menu(), QStringLiteral("Reverse"), [this] {
        FImage.SetReverse(!FImage.Reverse());
        Panel().update();
    });
}

void TGImageMenu::UpdateMenuChecks()
{
    FBorderAction->setChecked(FImage.BorderStyle() == TBorderStyle::bsSingle);
    FStretchAction->setChecked(FImage.Stretch());
    FAutoSizeAction->setChecked(FImage.AutoSize());
    FFlipAction->setChecked(FImage.Flip());
    FReverseAction->setChecked(FImage.Reverse());
    // Metafiles are never mirrored.
    const bool bitmap = FImage.Picture().IsBitmap();
    FFlipAction->setEnabled(bitmap);
    FReverseAction->setEnabled(bitmap);
}

void TGImageMenu::LoadImageFromDisk()
{
    // Browsing may move the current folder; the rest of the program relies on it.
    const QString currentFolder = QDir::currentPath();
    QFileDialog dialog(&Panel(), QStringLiteral("Load Image File "), currentFolder,
                       QStringLiteral("Pictures (*.bmp *.BMP *.dib *.DIB *.jpg *.JPG *.jif *.JIF *.pcx *.PCX "
                                      "*.rle *.RLE *.tga *.TGA *.wmf *.WMF *.ico *.ICO)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        try {
            FImage.Picture().LoadFromFile(dialog.selectedFiles().first());
            // Icons are kept as the bitmap they draw.
            if (FImage.Picture().IsIcon())
                FImage.Picture().SetBitmap(FImage.Picture().Image());
        } catch (const EQuandrelError &) {
            TMessageBoxes::ShowError(&Panel(), QStringLiteral("Error loading file!"));
            FImage.Picture().Clear();
        }
        FImage.PictureChanged();
        FImage.Changed();
        Panel().update();
    }
    QDir::setCurrent(currentFolder);
}

#include "ui/TGImageMenu.h"

#include "objects/graphics/TGImage.h"
#include "ui/TGBasePanel.h"
#include "ui/TGImageBrowser.h"

#include <QAction>
#include <QDir>
#include <QCheckBox>
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
    // Browsing moves the current folder; every choice starts from where it was.
    const QString currentFolder = QDir::currentPath();
    TGImageBrowser dialog(&Panel());
    dialog.StretchCheck->setChecked(FImage.Stretch());
    dialog.AutoSizeCheck->setChecked(FImage.AutoSize());
    dialog.SetDirectory(currentFolder);
    if (dialog.exec() == QDialog::Accepted && !dialog.FileName().isEmpty())
        TakeChosenPicture(dialog);
    QDir::setCurrent(currentFolder);
}

void TGImageMenu::TakeChosenPicture(const TGImageBrowser &dialog)
{
    // A file the preview could not show leaves the object without a picture:
    // the chooser has already said why.
    FImage.Picture().SetData(dialog.Picture().Data());
    // Both boxes cleared means the picture fills the object.
    FImage.SetAutoSize(dialog.AutoSizeCheck->isChecked());
    FImage.SetStretch(!dialog.AutoSizeCheck->isChecked());
    FImage.PictureChanged();
    FImage.Changed();
    Panel().update();
}

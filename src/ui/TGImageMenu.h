#pragma once

#include "ui/TGObjectMenu.h"

class TGImage;
class TGImageBrowser;

// Loading a picture, the border, the sizing mode and mirroring of clip art.
class TGImageMenu : public TGObjectMenu
{
public:
    TGImageMenu(TGBasePanel &panel, TGImage &image);

    // The clip-art chooser; the picture tool runs it on every new object.
    void LoadImageFromDisk();

protected:
    void AppendKindEntries() override;
    void UpdateMenuChecks() override;

private:
    void TakeChosenPicture(const TGImageBrowser &dialog);

    TGImage &FImage;
    QAction *FBorderAction = nullptr;
    QAction *FStretchAction = nullptr;
    QAction *FAutoSizeAction = nullptr;
    QAction *FFlipAction = nullptr;
    QAction *FReverseAction = nullptr;
};

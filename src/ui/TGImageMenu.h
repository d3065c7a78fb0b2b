#pragma once

#include "ui/TGObjectMenu.h"

class TGImage;

// Loading a picture, the border, the sizing mode and mirroring of clip art.
class TGImageMenu : public TGObjectMenu
{
public:
    TGImageMenu(TGBasePanel &panel, TGImage &image);

protected:
    void AppendKindEntries() override;
    void UpdateMenuChecks() override;

private:
    void LoadImageFromDisk();

    TGImage &FImage;
    QAction *FBorderAction = nullptr;
    QAction *FStretchAction = nullptr;
    QAction *FAutoSizeAction = nullptr;
    QAction *FFlipAction = nullptr;
    QAction *FReverseAction = nullptr;
};

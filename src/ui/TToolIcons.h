#pragma once

#include "ui/TGBusinessCardPanel32.h"

#include <QIcon>

// The pictures of the main window's tool bar, drawn here so that they scale
// with the display and need no picture files.
class TToolIcons
{
public:
    static QIcon ToolIcon(TLPanelState tool);
    static QIcon GridIcon();
    static QIcon SnapIcon();
    static QIcon BackgroundArtIcon();
};

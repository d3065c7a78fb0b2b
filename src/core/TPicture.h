#pragma once

#include "core/TStoredData.h"

#include <QByteArray>

// A picture container: its data is the graphic's class name ("TBitmap",
// "TIcon" or "TMetafile") as a short string, then that graphic's own bytes.
class TPicture : public TStoredData
{
public:
    // The graphic's class name, or an empty array when there is none or the
    // data is too short to hold one.
    QByteArray GraphicClassName() const;
};

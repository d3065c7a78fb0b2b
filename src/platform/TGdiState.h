#pragma once

#include "platform/TGdiMapping.h"
#include "platform/TGdiObjectTable.h"

#include <QColor>
#include <QPainterPath>
#include <QVector>
#include <QPointF>
#include <optional>

// Everything a metafile's "save" keeps and its "restore" brings back: the
// selected objects, colours and modes, the coordinate mapping, the current
// position and the clip.
struct TGdiState
{
    TGdiPen Pen;
    TGdiBrush Brush;
    TGdiFont Font;
    QColor TextColor = Qt::black;
    QColor BackgroundColor = Qt::white;
    int BackgroundMode = Gdi::OPAQUE;
    quint32 TextAlign = 0;
    int PolyFillMode = Gdi::ALTERNATE;
    int RasterOp = Gdi::R2_COPYPEN;
    int StretchMode = 0;
    int ArcDirection = Gdi::AD_COUNTERCLOCKWISE;
    QPointF CurrentPosition; // logical units
    TGdiMapping Mapping;
    // The clip is where all these areas (device units) overlap; none: the
    // whole picture.
    std::optional<QVector<QPainterPath>> Clip;
};

#pragma once

#include "platform/GdiConstants.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <QVector>
#include <variant>
#include <vector>

// The drawing objects a metafile creates, described as the metafile
// describes them; lengths are in the metafile's logical units.
struct TGdiPen
{
    quint32 Style = Gdi::PS_SOLID;
    double Width = 0; // 0 is the thinnest line the device draws
    QColor Color = Qt::black;
    QVector<qreal> UserDashes;
};

struct TGdiBrush
{
    quint32 Style = Gdi::BS_SOLID;
    QColor Color = Qt::white;
    quint32 Hatch = Gdi::HS_HORIZONTAL;
    QImage Pattern;
};

struct TGdiFont
{
    QString FaceName;
    double Height = 0; // negative: character height; positive: cell height
    double Width = 0;  // 0: the face's own proportions
    double Escapement = 0; // tenths of a degree, counterclockwise
    int Weight = 0;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
};

// A region as the outline it covers, in the units it was made in.
struct TGdiRegion
{
    QPainterPath Area;
};

// Palettes are accepted and ignored: colours are always drawn as RGB.
struct TGdiPalette
{
};

using TGdiObject = std::variant<std::monostate, TGdiPen, TGdiBrush, TGdiFont, TGdiRegion, TGdiPalette>;

// The object table of one playback. Windows metafiles fill the lowest free
// slot; enhanced metafiles name the slot themselves.
class TGdiObjectTable
{
public:
    static constexpr quint32 MaxObjects = 65536;

    // The slot taken, or -1 when the table is full.
    int Add(TGdiObject object);
    // Slots beyond MaxObjects are ignored.
    void Put(quint32 index, TGdiObject object);
    // Null when the slot is empty or out of range.
    const TGdiObject *Find(quint32 index) const;
    void Remove(quint32 index);

private:
    std::vector<TGdiObject> FObjects;
    size_t FFirstFree = 0; // no slot below this one is free
};

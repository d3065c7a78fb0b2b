#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QPointF>
#include <QRectF>
#include <QSize>

class QPainter;

// A Windows metafile: an enhanced metafile (EMF), or a Windows metafile
// (WMF) with or without its 22-byte placeable header. It draws as vectors
// through our own player onto any QPainter.
class TMetafile
{
public:
    // Units per inch of a Windows metafile that does not say.
    static constexpr int DefaultUnitsPerInch = 2540;

    // Throws EQuandrelError when the bytes are not a metafile Quandrel plays.
    explicit TMetafile(const QByteArray &bytes);

    // True when the bytes start like one of the three kinds.
    static bool LooksLikeMetafile(QByteArrayView bytes);

    bool IsEnhanced() const { return FEnhanced; }
    // Pixels at 96 per inch: from the placeable header's box and units per
    // inch, or the enhanced header's frame.
    QSize NaturalSize() const { return FNaturalSize; }
    // What a design file stores: an enhanced metafile as it is; a Windows
    // metafile with its placeable header, made when it had none.
    const QByteArray &StoredBytes() const { return FBytes; }

    // The picture stretched into target; nothing lands outside it.
    void Draw(QPainter &painter, const QRectF &target) const;

private:
    void ReadPlaceable();
    void ReadEnhanced();
    // The picture's box in its own units, for a metafile without a header
    // that gives one.
    static QRect PlainBox(const QByteArray &records);
    static QByteArray PlaceableHeader(const QRect &box, int unitsPerInch);

    QByteArray FBytes;
    bool FEnhanced = false;
    QRectF FFrame; // the picture's area in device units
    QPointF FDeviceUnitsPerInch;
    QSize FNaturalSize;
};

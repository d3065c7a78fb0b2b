#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;
class TReport;

// The design's background art as a print job draws it under every card: a
// bitmap or a metafile, stretched over the card.
class TBackgroundArt
{
public:
    enum class TKind { bkNone, bkMetafile, bkBitmap };

    // Draws a loaded metafile stretched into a rectangle of device pixels.
    using TMetafileDrawing = std::function<void(QPainter &painter, const QRectF &target)>;
    // Reads a metafile; an empty drawing (or an exception) when it cannot.
    using TMetafileLoader = std::function<TMetafileDrawing(const QString &fileName)>;

    // The metafile player is the picture codecs' business: whoever provides
    // it installs it here. Without one, metafile art is left out like any
    // other file that cannot be read.
    static void SetMetafileLoader(TMetafileLoader loader);

    // The kind follows the upper-cased file name: ".BMP" anywhere in it and
    // an existing file is read as a bitmap; otherwise ".WMF" anywhere in it
    // as a metafile; anything else, or a file that cannot be read, is none.
    // Never fails.
    void Load(const QString &fileName);
    TKind Kind() const { return FKind; }

    // Stretched over the card's rectangle in inches. A failure while drawing
    // leaves the art out; the card prints without it.
    void Print(TReport &report, double x, double y, double width, double height) const;

private:
    TKind FKind = TKind::bkNone;
    QImage FBitmap;
    TMetafileDrawing FMetafile;
};

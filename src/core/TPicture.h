#pragma once

#include "core/TStoredData.h"

#include <QByteArray>
#include <QImage>
#include <memory>

class QPainter;
class QRectF;
class QString;

// A picture container: its data is the graphic's class name ("TBitmap",
// "TIcon" or "TMetafile") as a short string, then that graphic's own bytes.
// The bytes stay exactly as read; they are decoded on first use and the
// result is kept until the data changes. Damaged data decodes to nothing: it
// draws nothing and has no size, and never stops a design from loading.
class TPicture : public TStoredData
{
public:
    // The graphic's class name, or an empty array when there is none or the
    // data is too short to hold one.
    QByteArray GraphicClassName() const;
    bool IsBitmap() const;
    bool IsIcon() const;
    bool IsMetafile() const;

    // The natural size in pixels at 96 per inch; 0 when empty or damaged.
    int Width() const;
    int Height() const;
    // The decoded bitmap or icon; null for a metafile, an empty or a damaged picture.
    QImage Image() const;

    // Reads a picture file into the form a design file keeps: bitmaps of
    // every readable format as "TBitmap", icons as "TIcon", metafiles as
    // "TMetafile". Throws EQuandrelError, leaving the picture as it was,
    // when the file cannot be read.
    void LoadFromFile(const QString &fileName);
    // Stores the image as a bitmap; a null image empties the picture.
    void SetBitmap(const QImage &image);

    // Bitmaps and icons are stretched onto target, bitmaps mirrored as
    // asked; metafiles are drawn as vectors into target and never mirrored.
    void Draw(QPainter &painter, const QRectF &target, bool mirrorX, bool mirrorY) const;

    void PropertyChanged() override;

private:
    struct TDecoded;
    const TDecoded &Decoded() const;
    QByteArray GraphicBytes() const;

    mutable std::shared_ptr<const TDecoded> FDecoded;
};

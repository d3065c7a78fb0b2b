#pragma once

#include "core/TStoredData.h"

#include <QImage>
#include <memory>

class QString;

// A bitmap owned by an object (a texture): its data is a 32-bit byte count
// followed by a complete BMP file. The bytes stay exactly as read; they are
// decoded on first use, and damaged data decodes to no image.
class TBitmap : public TStoredData
{
public:
    // Null when empty or damaged.
    QImage Image() const;
    int Width() const { return Image().width(); }
    int Height() const { return Image().height(); }

    // Reads a bitmap or icon file of any readable format (an icon becomes a
    // bitmap). Throws EQuandrelError, leaving the bitmap as it was, when the
    // file cannot be read or is a metafile.
    void LoadFromFile(const QString &fileName);
    // A null image empties the bitmap.
    void SetImage(const QImage &image);

    void PropertyChanged() override;

private:
    mutable std::shared_ptr<const QImage> FDecoded;
};

#pragma once

#include <QImage>
#include <QString>
#include <memory>

class TPicture;
class TReport;

// The design's background art as a print job draws it under every card: a
// bitmap or a metafile, stretched over the card.
class TBackgroundArt
{
public:
    enum class TKind { bkNone, bkMetafile, bkBitmap };

    TBackgroundArt();
    ~TBackgroundArt();

    // The kind follows the upper-cased file name: ".BMP" anywhere in it and
    // an existing file is read as a bitmap; otherwise ".WMF" anywhere in it
    // as a metafile; any other name is read by its content, as the card reads
    // it. A file that cannot be read is none. Never fails.
    void Load(const QString &fileName);
    TKind Kind() const { return FKind; }

    // Stretched over the card's rectangle in inches, a metafile as vectors.
    // A failure while drawing leaves the art out; the card prints without it.
    void Print(TReport &report, double x, double y, double width, double height) const;

private:
    void LoadOtherFormat(const QString &fileName);

    TKind FKind = TKind::bkNone;
    QImage FBitmap;
    std::shared_ptr<const TPicture> FMetafile;
};

#include "printing/TBackgroundArt.h"

#include "core/TPicture.h"
#include "platform/TReport.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRectF>
#include <exception>

namespace {

// Read as a bitmap file whatever else the name says; a file with the name
// but other content is not a bitmap.
QImage ReadBitmap(const QString &fileName)
{
    QImageReader reader(fileName, "bmp");
    reader.setDecideFormatFromContent(false);
    return reader.read();
}

// The player may leave the painter's state changed, or fail half way.
class TPainterStateGuard
{
public:
    explicit TPainterStateGuard(QPainter &painter) : FPainter(painter) { FPainter.save(); }
    ~TPainterStateGuard() { FPainter.restore(); }
    TPainterStateGuard(const TPainterStateGuard &) = delete;
    TPainterStateGuard &operator=(const TPainterStateGuard &) = delete;

private:
    QPainter &FPainter;
};

// A metafile that cannot be decoded has no size.
std::shared_ptr<const TPicture> ReadMetafile(const QString &fileName)
{
    auto picture = std::make_shared<TPicture>();
    picture->LoadFromFile(fileName);
    if (!picture->IsMetafile() || picture->Width() <= 0 || picture->Height() <= 0)
        return nullptr;
    return picture;
}

} // namespace

TBackgroundArt::TBackgroundArt() = default;

TBackgroundArt::~TBackgroundArt() = default;

void TBackgroundArt::Load(const QString &fileName)
{
    FKind = TKind::bkNone;
    FBitmap = QImage();
    FMetafile = nullptr;
    const QString upper = fileName.toUpper();
    try {
        if (upper.contains(QLatin1String(".BMP")) && QFileInfo(fileName).isFile()) {
            FBitmap = ReadBitmap(fileName);
            if (!FBitmap.isNull())
                FKind = TKind::bkBitmap;
        } else if (upper.contains(QLatin1String(".WMF"))) {
            FMetafile = ReadMetafile(fileName);
            if (FMetafile)
                FKind = TKind::bkMetafile;
        } else if (QFileInfo(fileName).isFile()) {
            LoadOtherFormat(fileName);
        }
    } catch (const std::exception &) {
        FKind = TKind::bkNone;
    }
}

// The card shows art of every format the picture readers know (JPEG, GIF,
// PCX, TGA, EMF ...); it prints the same. A file they cannot read is none.
void TBackgroundArt::LoadOtherFormat(const QString &fileName)
{
    auto picture = std::make_shared<TPicture>();
    picture->LoadFromFile(fileName);
    if (picture->IsMetafile() && picture->Width() > 0 && picture->Height() > 0) {
        FMetafile = std::move(picture);
        FKind = TKind::bkMetafile;
    } else if (!picture->Image().isNull()) {
        FBitmap = picture->Image();
        FKind = TKind::bkBitmap;
    }
}

void TBackgroundArt::Print(TReport &report, double x, double y, double width, double height) const
{
    if (report.Aborted())
        return;
    try {
        if (FKind == TKind::bkBitmap) {
            report.StretchDraw(x, y, x + width, y + height, FBitmap);
        } else if (FKind == TKind::bkMetafile) {
            QPainter &painter = report.Canvas().Painter();
            const TPainterStateGuard guard(painter);
            FMetafile->Draw(painter, QRectF(report.InchRectToDevice(x, y, x + width, y + height)), false, false);
        }
    } catch (const std::exception &) {
        // Art that cannot be drawn is left out.
    }
}

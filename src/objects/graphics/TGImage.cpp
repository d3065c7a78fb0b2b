#include "objects/graphics/TGImage.h"

#include "core/PropertyBuilder.h"
#include "platform/Screen.h"
#include "platform/TCanvas.h"
#include "platform/TReport.h"
#include "platform/WinMath.h"

#include <QPainter>

TGImage::TGImage()
{
    FPicture.OnChange = [this] {
        PictureChanged();
        Changed();
    };
    SetBounds(0, 0, 105, 105);
}

const TPropertyTable &TGImage::Properties()
{
    using T = TGImage;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Boolean("AutoSize", Prop::Methods(&T::AutoSize, &T::SetAutoSize), false),
        Prop::Enumeration("BorderStyle", Prop::Methods(&T::BorderStyle, &T::SetBorderStyle)),
        Prop::Nested("Picture", &T::FPicture),
        Prop::Boolean("Stretch", Prop::Methods(&T::Stretch, &T::SetStretch), true),
        Prop::Boolean("Reverse", Prop::Methods(&T::Reverse, &T::SetReverse)),
        Prop::Boolean("Flip", Prop::Methods(&T::Flip, &T::SetFlip)),
    });
    return table;
}

const TPropertyTable &TGImage::properties() const
{
    return Properties();
}

// Stretch and AutoSize are always opposite: setting either sets both.
void TGImage::SetAutoSize(bool value)
{
    FAutoSize = value;
    FStretch = !value;
    PictureChanged();
    Changed();
}

void TGImage::SetStretch(bool value)
{
    FStretch = value;
    FAutoSize = !value;
    Repaint();
}

void TGImage::SetPicture(const TPicture &picture)
{
    if (picture.Data().isEmpty())
        FPicture.Clear();
    else
        FPicture.SetData(picture.Data());
}

bool TGImage::PictureEmpty() const
{
    return FPicture.Width() <= 0 || FPicture.Height() <= 0;
}

void TGImage::PictureChanged()
{
    // While a stream is read the zoom and bounds are not final yet; the
    // stored bounds stand until the object is next moved or resized.
    if (IsLoading())
        return;
    BoundsChanged();
    FOpaque = FPicture.IsBitmap() && FPicture.Width() == Width() && FPicture.Height() == Height();
    Repaint();
}

void TGImage::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    if (FAutoSize && FPicture.Width() > 0 && FPicture.Height() > 0)
        SetBounds(Left(), Top(), WinMath::RoundHalfEven(FPicture.Width() * double(ZoomFactor())),
                  WinMath::RoundHalfEven(FPicture.Height() * double(ZoomFactor())));
}

QImage TGImage::WorkBitmap() const
{
    QImage work(qMax(Width(), 1), qMax(Height(), 1), QImage::Format_RGB32);
    work.fill(Qt::white);
    QPainter painter(&work);
    // The picture always fills the bounds, whatever Stretch says; only
    // bitmaps mirror.
    const bool bitmap = FPicture.IsBitmap();
    FPicture.Draw(painter, QRectF(0, 0, Width(), Height()), bitmap && FReverse, bitmap && FFlip);
    return work;
}

void TGImage::Paint(QPainter &painter)
{
    if (Width() <= 0 || Height() <= 0)
        return;
    QImage work = WorkBitmap();
    {
        QPainter workPainter(&work);
        TCanvas canvas(workPainter);
        if (PictureEmpty()) {
            canvas.SetPen(TColors::clBlack, TPenStyle::psSolid, 1);
            canvas.SetBrush(TColors::clWhite, TBrushStyle::bsSolid);
            canvas.Rectangle(0, 0, Width(), Height());
        }
        if (FBorderStyle == TBorderStyle::bsSingle) {
            canvas.SetPen(TColors::clBlack, TPenStyle::psSolid, 1);
            canvas.SetBrush(TColors::clWhite, TBrushStyle::bsClear);
            canvas.Rectangle(0, 0, Width(), Height());
        }
    }
    painter.drawImage(0, 0, work);
}

void TGImage::PrintTo(TReport &report, double originX, double originY)
{
    const bool metafile = FPicture.IsMetafile();
    const QImage image = FPicture.Image();
    if (PictureEmpty() || (!metafile && image.isNull()))
        return;
    const double ppi = Screen::PixelsPerInch;
    const double x1 = originX + Left() / ppi;
    const double y1 = originY + Top() / ppi;
    const double x2 = originX + (Left() + Width()) / ppi;
    const double y2 = originY + (Top() + Height()) / ppi;
    if (metafile) {
        // Played straight onto the page so that it stays vectors.
        if (!report.Aborted())
            FPicture.Draw(report.Canvas().Painter(), QRectF(report.InchRectToDevice(x1, y1, x2, y2)), false, false);
    } else if (FPicture.IsBitmap() && (FFlip || FReverse)) {
        report.StretchDraw(x1, y1, x2, y2, WorkBitmap());
    } else {
        report.StretchDraw(x1, y1, x2, y2, image);
    }
    if (FBorderStyle == TBorderStyle::bsSingle) {
        report.SetPen(TColors::clBlack, TPenStyle::psSolid, 1, TPenMode::pmCopy);
        report.SetBrush(TColors::clWhite, TBrushStyle::bsClear);
        report.Rectangle(x1, y1, x2, y2);
    }
}

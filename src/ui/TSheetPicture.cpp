#include "ui/TSheetPicture.h"

#include "platform/TCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

int Scaled(double inches, double scale)
{
    return int(std::trunc(inches * scale));
}

int PositionCount(int count, int largest)
{
    return std::clamp(count, 0, largest);
}

} // namespace

TSheetPicture::TSheetPicture(QWidget *parent, const TCardLayout &layout, QSizeF paperInches, int pixelsPerInch)
    : QWidget(parent), FPaperInches(paperInches), FScale(Scale(layout, paperInches, pixelsPerInch))
{
    const double nominal = 0.2 * pixelsPerInch;
    setFixedSize(Scaled(paperInches.width(), nominal) + 2 * Border, Scaled(paperInches.height(), nominal) + 2 * Border);
    DetermineRectangles(layout);
}

double TSheetPicture::Scale(const TCardLayout &layout, QSizeF paperInches, int pixelsPerInch)
{
    const double nominal = 0.2 * pixelsPerInch;
    const int across = PositionCount(layout.Across, TCardLayout::MaxAcross);
    const int down = PositionCount(layout.Down, TCardLayout::MaxDown);
    const double right = layout.LeftMargin + std::max(0, across - 1) * double(layout.HPitch) + layout.Width;
    const double bottom = layout.TopMargin + std::max(0, down - 1) * double(layout.VPitch) + layout.Height;
    double fit = 1.0;
    if (right > paperInches.width())
        fit = std::min(fit, paperInches.width() / right);
    if (bottom > paperInches.height())
        fit = std::min(fit, paperInches.height() / bottom);
    return nominal * fit;
}

QRect TSheetPicture::CardRect(const TCardLayout &layout, double scale, int row, int column)
{
    const int left = Scaled(layout.LeftMargin, scale) + column * Scaled(layout.HPitch, scale) + Border;
    const int top = Scaled(layout.TopMargin, scale) + row * Scaled(layout.VPitch, scale) + Border;
    // A card never shrinks to nothing: it must stay clickable.
    const int width = std::max(1, Scaled(layout.Width, scale));
    const int height = std::max(1, Scaled(layout.Height, scale));
    return QRect(left, top, width, height);
}

QRect TSheetPicture::PaperRect() const
{
    return QRect(Border, Border, Scaled(FPaperInches.width(), FScale), Scaled(FPaperInches.height(), FScale));
}

void TSheetPicture::DetermineRectangles(const TCardLayout &layout)
{
    const int across = PositionCount(layout.Across, TCardLayout::MaxAcross);
    const int down = PositionCount(layout.Down, TCardLayout::MaxDown);
    FCards.clear();
    for (int row = 0; row < down; ++row)
        for (int column = 0; column < across; ++column)
            FCards.append(CardRect(layout, FScale, row, column));
}

int TSheetPicture::CardAt(QPoint point) const
{
    for (int index = 0; index < FCards.size(); ++index)
        if (FCards[index].contains(point))
            return index;
    return -1;
}

void TSheetPicture::SetPositions(const TPrintPositions &positions)
{
    FPositions = positions;
    update();
}

void TSheetPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    canvas.SetPen(TColors::clBlack, TPenStyle::psSolid, 1);
    canvas.SetBrush(TColors::clWhite, TBrushStyle::bsSolid);
    const QRect paper = PaperRect();
    canvas.Rectangle(paper.left(), paper.top(), paper.left() + paper.width(), paper.top() + paper.height());
    for (int index = 0; index < FCards.size(); ++index) {
        const QRect &card = FCards[index];
        canvas.SetBrush(FPositions.Selected(index) ? TColors::clRed : TColors::clWhite, TBrushStyle::bsSolid);
        canvas.Rectangle(card.left(), card.top(), card.left() + card.width(), card.top() + card.height());
    }
}

void TSheetPicture::mousePressEvent(QMouseEvent *event)
{
    const int index = CardAt(event->position().toPoint());
    if (index < 0)
        return;
    FPositions.Toggle(index);
    update(FCards[index]);
}

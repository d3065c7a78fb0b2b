#pragma once

#include "printing/TCardLayout.h"
#include "printing/TPrintPositions.h"

#include <QList>
#include <QRect>
#include <QSizeF>
#include <QWidget>

// The small picture of the sheet in the card selection dialog: the paper
// in white and every card position on it, red when it prints and white
// when it does not; a click on a card switches it.
class TSheetPicture : public QWidget
{
public:
    // Pixels around the paper.
    static constexpr int Border = 10;

    TSheetPicture(QWidget *parent, const TCardLayout &layout, QSizeF paperInches, int pixelsPerInch);

    // Pixels per inch of paper: a fifth of the screen's pixels per inch,
    // less when the layout reaches past the paper, so that every card of
    // even a 10 × 30 layout is in the picture.
    static double Scale(const TCardLayout &layout, QSizeF paperInches, int pixelsPerInch);
    // Every product truncated, as the picture has always been measured.
    static QRect CardRect(const TCardLayout &layout, double scale, int row, int column);

    double SheetScale() const { return FScale; }
    QRect PaperRect() const;
    // One rectangle per position, index row × Across + column; right and
    // bottom edges lie outside the card.
    const QList<QRect> &CardRects() const { return FCards; }
    // The first card containing the point, or -1.
    int CardAt(QPoint point) const;

    TPrintPositions &Positions() { return FPositions; }
    const TPrintPositions &Positions() const { return FPositions; }
    void SetPositions(const TPrintPositions &positions);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void DetermineRectangles(const TCardLayout &layout);

    QSizeF FPaperInches;
    double FScale;
    QList<QRect> FCards;
    TPrintPositions FPositions;
};

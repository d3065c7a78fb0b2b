#pragma once

#include "core/Enumerations.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// Edges of a rectangle with the right and bottom edges excluded, as the
// label's layout rules count them.
struct TEdges
{
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    TEdges Moved(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    QRect ToRect() const { return QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1)); }
    bool operator==(const TEdges &o) const
    {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
};

// Where a single-line label puts its text and its shadow and highlight
// copies, and how its box adapts to them. Pure geometry: the font enters
// only as the measured line height and text width.
struct TLabelLayout
{
    struct TInput
    {
        int Angle = 0;                     // 0, 90, 180 or 270
        TAlignment Alignment = TAlignment::taLeftJustify;
        QPoint ShadowOffset;
        QPoint HighlightOffset;
        int LineHeight = 0;                // cell height plus both leadings
        int TextWidth = 0;                 // the caption followed by one space
        QSize Box;                         // the object's size before the layout
    };

    QSize Box;
    QPoint TextMargin;
    TEdges TextRect, ShadowRect, HighlightRect;
    QPoint TextOrigin, ShadowOrigin, HighlightOrigin;

    static TLabelLayout Compute(const TInput &input);
    // The displacement of a copy for a direction and depth.
    static QPoint ShadowOffsetFor(TShadowDirection direction, int depth);
    static QPoint HighlightOffsetFor(THighlightDirection direction, int depth);
};

#pragma once

#include <QRect>

// A rectangle by its edges, as the classic rules count them: Right and
// Bottom lie just past the last covered column and row, so a click without
// dragging gives an empty rectangle (Right = Left, Bottom = Top).
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    TRect Moved(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    QRect ToQRect() const { return QRect(QPoint(Left, Top), QPoint(Right - 1, Bottom - 1)); }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect &other) const
    {
        return Left == other.Left && Top == other.Top && Right == other.Right && Bottom == other.Bottom;
    }
    bool operator!=(const TRect &other) const { return !(*this == other); }
};

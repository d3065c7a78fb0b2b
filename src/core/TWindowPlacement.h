#pragma once

#include <QRect>
#include <QSize>
#include <QString>

// A window's normal (not maximised) rectangle and maximised state as the
// settings file keeps them. Right and Bottom are one past the last pixel, so
// Right - Left is the width; a Bottom of 0 means nothing was stored.
struct TWindowPlacement
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool Maximized = false;

    bool IsStored() const { return Bottom != 0; }
    QRect Rect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TWindowPlacement FromRect(const QRect &rect, bool maximized);

    // The window's class name + "_Placement", and the screen's pixels per
    // inch after it when above 96: a layout saved on a screen with larger
    // fonts would not fit a normal one, so each keeps its own record.
    static QString SectionName(const QString &className, int pixelsPerInch);

    // Pulls a rectangle back onto a screen of that size: first so that its
    // right and bottom edges are on the screen, then, where its left or top
    // edge is negative (a window larger than the screen), so that that edge
    // is at 1.
    static QRect KeptOnScreen(const QRect &rect, const QSize &screen);

    bool operator==(const TWindowPlacement &other) const
    {
        return Left == other.Left && Top == other.Top && Right == other.Right && Bottom == other.Bottom
            && Maximized == other.Maximized;
    }
};

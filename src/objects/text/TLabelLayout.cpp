#include "objects/text/TLabelLayout.h"

#include <algorithm>

namespace {

QSize FittedBox(const TLabelLayout::TInput &in, int f)
{
    const double g = f * 1.2;
    const int t = in.TextWidth;
    int width = in.Box.width();
    int height = in.Box.height();
    if (in.Angle == 90 || in.Angle == 270) {
        if (t * 1.2 < height)
            height = int(t * 1.2);
        if (height < 5)
            height = t;
        if (g < width)
            width = int(g);
        if (width < f)
            width = f;
    } else {
        // Unrotated text never narrows the box; its height stays between F and 1.2 F.
        if (in.Angle == 180 && 2 * t < width)
            width = 2 * t;
        if (width <= 5)
            width = t;
        if (g < height)
            height = int(g);
        if (height < f)
            height = f;
    }
    return QSize(width, height);
}

// A copy's displacement turns with the text.
QPoint Turned(QPoint offset, int angle)
{
    switch (angle) {
    case 90: return QPoint(offset.y(), -offset.x());
    case 180: return QPoint(-offset.x(), -offset.y());
    case 270: return QPoint(-offset.y(), offset.x());
    default: return offset;
    }
}

// The reference point of text turned by the angle: its top-left corner.
QPoint OriginOf(const TRect &r, int angle)
{
    switch (angle) {
    case 90: return QPoint(r.Left, r.Bottom);
    case 180: return QPoint(r.Right, r.Bottom);
    case 270: return QPoint(r.Right, r.Top);
    default: return QPoint(r.Left, r.Top);
    }
}

} // namespace

QPoint TLabelLayout::ShadowOffsetFor(TShadowDirection direction, int d)
{
    switch (direction) {
    case TShadowDirection::sdRight: return QPoint(d, 0);
    case TShadowDirection::sdLeft: return QPoint(-d, 0);
    case TShadowDirection::sdDownRight: return QPoint(d, d);
    case TShadowDirection::sdDownLeft: return QPoint(-d, d);
    case TShadowDirection::sdDown: return QPoint(0, d);
    default: return QPoint(0, 0);
    }
}

QPoint TLabelLayout::HighlightOffsetFor(THighlightDirection direction, int e)
{
    switch (direction) {
    case THighlightDirection::hdright: return QPoint(e, 0);
    case THighlightDirection::hdLeft: return QPoint(-e, 0);
    case THighlightDirection::hdUpRight: return QPoint(e, -e);
    case THighlightDirection::hdUpLeft: return QPoint(-e, -e);
    case THighlightDirection::hdUp: return QPoint(0, -e);
    default: return QPoint(0, 0);
    }
}

TLabelLayout TLabelLayout::Compute(const TInput &in)
{
    TLabelLayout out;
    const QPoint s = in.ShadowOffset;
    const QPoint h = in.HighlightOffset;
    // Room at the left and top for copies that move left or up.
    out.TextMargin = QPoint(std::max({0, -s.x(), -h.x()}), std::max({0, -s.y(), -h.y()}));
    const int f = in.LineHeight + s.y() - h.y();
    out.Box = FittedBox(in, f);

    const int width = out.Box.width();
    const int height = out.Box.height();
    const QPoint m = out.TextMargin;
    TRect text;
    if (in.Angle == 90 || in.Angle == 270)
        text = {m.y(), m.x(), m.y() + in.LineHeight, height - m.y()};
    else
        text = {m.x(), m.y(), width, in.LineHeight + m.y()};
    if (in.Angle == 90)
        text = text.Moved(0, height - (text.Bottom - text.Top + 1) + h.x());
    else if (in.Angle == 180)
        text = text.Moved(width - (text.Right - text.Left + 1) - s.y(), 0);
    out.TextRect = text;
    const QPoint shadowShift = Turned(s, in.Angle);
    const QPoint highlightShift = Turned(h, in.Angle);
    out.ShadowRect = text.Moved(shadowShift.x(), shadowShift.y());
    out.HighlightRect = text.Moved(highlightShift.x(), highlightShift.y());
    out.TextOrigin = OriginOf(out.TextRect, in.Angle);
    out.ShadowOrigin = OriginOf(out.ShadowRect, in.Angle);
    out.HighlightOrigin = OriginOf(out.HighlightRect, in.Angle);

    if (in.Angle == 0) {
        int x = text.Left;
        if (in.Alignment == TAlignment::taRightJustify)
            x = text.Right - in.TextWidth;
        else if (in.Alignment == TAlignment::taCenter)
            x = (text.Right - text.Left) / 2 - in.TextWidth / 2; // the left edge is not added
        out.TextOrigin.setX(x);
        out.HighlightOrigin.setX(x + h.x());
        out.ShadowOrigin.setX(x + s.x());
    }
    return out;
}

#pragma once

#include "core/Enumerations.h"
#include "platform/TRect.h"

#include <QPoint>
#include <QRect>
#include <QSize>

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
    TRect TextRect, ShadowRect, HighlightRect;
    QPoint TextOrigin, ShadowOrigin, HighlightOrigin;

    static TLabelLayout Compute(const TInput &input);
    // The displacement of a copy for a direction and depth.
    static QPoint ShadowOffsetFor(TShadowDirection direction, int depth);
    static QPoint HighlightOffsetFor(THighlightDirection direction, int depth);
};

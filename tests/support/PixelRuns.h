#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

// What one row or column of a drawing holds, as runs of one colour other
// than white written "first-last" and separated by blanks: "3-5 6-20 21-23"
// is an outline three pixels wide on each side of a fill. Tests compare
// these to check pen positions and widths at a glance.
namespace PixelRuns {

inline QString Along(const QImage &image, QPoint start, QPoint step, int length)
{
    const QRgb white = qRgb(255, 255, 255);
    QStringList runs;
    int first = -1;
    for (int i = 0; i <= length; ++i) {
        const QRgb colour = i < length ? image.pixel(start + step * i) : white;
        const QRgb previous = i > 0 ? image.pixel(start + step * (i - 1)) : white;
        if (first >= 0 && colour != previous) {
            runs << QStringLiteral("%1-%2").arg(first).arg(i - 1);
            first = -1;
        }
        if (first < 0 && colour != white)
            first = i;
    }
    return runs.join(u' ');
}

inline QString Row(const QImage &image, int y)
{
    return Along(image, QPoint(0, y), QPoint(1, 0), image.width());
}

inline QString Column(const QImage &image, int x)
{
    return Along(image, QPoint(x, 0), QPoint(0, 1), image.height());
}

} // namespace PixelRuns

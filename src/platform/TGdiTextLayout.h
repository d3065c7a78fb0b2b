#pragma once

#include "platform/TGdiObjectTable.h"

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <QVector>

// Where and how large a metafile's text string lands on the device. The
// font is always made at one reference size and scaled by the returned
// transform, so text of any height keeps exact proportions, and it stays
// text (not outlines) on every device. As on Windows, text takes its height
// from the logical-to-device mapping but is not stretched by it.
class TGdiTextLayout
{
public:
    // anchor is the reference point in device units; deviceScale the length
    // of one logical unit across and down on the device; advances, when as
    // many as the text's characters, the logical distance from each
    // character to the next.
    TGdiTextLayout(const TGdiFont &font, quint32 textAlign, const QString &text, QPointF anchor,
                   QPointF deviceScale, double defaultEmHeight, const QVector<double> &advances);

    const QFont &Font() const { return FFont; }
    // Maps the layout's own coordinates, in which the text is drawn at
    // (0, 0) with its baseline on y = 0, onto the device.
    const QTransform &ToDevice() const { return FToDevice; }
    // Character positions along the baseline in layout units, one per
    // character; empty when the text takes its own advances.
    const QVector<double> &Positions() const { return FPositions; }
    QPointF Origin() const { return FOrigin; }
    // The text's cell from ascent to descent, in layout units.
    QRectF Cell() const;
    // How far the device's current position moves along the baseline.
    double DeviceWidth() const;

private:
    static constexpr int ReferencePixelSize = 256;

    QFont FFont;
    QTransform FToDevice;
    QVector<double> FPositions;
    QPointF FOrigin;
    double FWidth = 0;
    double FAscent = 0;
    double FDescent = 0;
    double FScaleX = 1;
};

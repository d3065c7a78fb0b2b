#pragma once

#include "platform/GdiConstants.h"

#include <QPointF>
#include <QSizeF>
#include <QTransform>

// How a metafile's logical coordinates land on its device: the world
// transform (enhanced metafiles only), then the mapping mode with the window
// and viewport. Device units per inch give the fixed mapping modes
// (millimetres, inches, twips) their size.
class TGdiMapping
{
public:
    explicit TGdiMapping(QPointF deviceUnitsPerInch = QPointF(96, 96));

    int MapMode() const { return FMapMode; }
    void SetMapMode(int mode);
    void SetWindowOrigin(QPointF origin) { FWindowOrigin = origin; }
    void SetViewportOrigin(QPointF origin) { FViewportOrigin = origin; }
    // Extents are taken only in the isotropic and anisotropic modes, and
    // never when zero, as on Windows.
    void SetWindowExtent(QSizeF extent);
    void SetViewportExtent(QSizeF extent);
    QPointF WindowOrigin() const { return FWindowOrigin; }
    QSizeF WindowExtent() const { return FWindowExtent; }
    QPointF ViewportOrigin() const { return FViewportOrigin; }
    QSizeF ViewportExtent() const { return FViewportExtent; }

    void SetWorldTransform(const QTransform &transform) { FWorld = transform; }
    const QTransform &WorldTransform() const { return FWorld; }

    QTransform LogicalToDevice() const;

private:
    QPointF PageScale() const;

    QPointF FDeviceUnitsPerInch;
    int FMapMode = Gdi::MM_TEXT;
    QPointF FWindowOrigin;
    QSizeF FWindowExtent = QSizeF(1, 1);
    QPointF FViewportOrigin;
    QSizeF FViewportExtent = QSizeF(1, 1);
    QTransform FWorld;
};

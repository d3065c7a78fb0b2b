#include "platform/TGdiMapping.h"

#include <cmath>

namespace {

// Logical units per inch of the fixed mapping modes.
double UnitsPerInch(int mapMode)
{
    switch (mapMode) {
    case Gdi::MM_LOMETRIC: return 254;
    case Gdi::MM_HIMETRIC: return 2540;
    case Gdi::MM_LOENGLISH: return 100;
    case Gdi::MM_HIENGLISH: return 1000;
    case Gdi::MM_TWIPS: return 1440;
    default: return 0;
    }
}

bool TakesExtents(int mapMode)
{
    return mapMode == Gdi::MM_ISOTROPIC || mapMode == Gdi::MM_ANISOTROPIC;
}

bool IsUsableExtent(QSizeF extent)
{
    return extent.width() != 0 && extent.height() != 0 && std::isfinite(extent.width())
        && std::isfinite(extent.height());
}

} // namespace

TGdiMapping::TGdiMapping(QPointF deviceUnitsPerInch) : FDeviceUnitsPerInch(deviceUnitsPerInch)
{
}

void TGdiMapping::SetMapMode(int mode)
{
    if (mode >= Gdi::MM_TEXT && mode <= Gdi::MM_ANISOTROPIC)
        FMapMode = mode;
}

void TGdiMapping::SetWindowExtent(QSizeF extent)
{
    if (TakesExtents(FMapMode) && IsUsableExtent(extent))
        FWindowExtent = extent;
}

void TGdiMapping::SetViewportExtent(QSizeF extent)
{
    if (TakesExtents(FMapMode) && IsUsableExtent(extent))
        FViewportExtent = extent;
}

QPointF TGdiMapping::PageScale() const
{
    if (FMapMode == Gdi::MM_TEXT)
        return QPointF(1, 1);
    if (!TakesExtents(FMapMode)) {
        // The fixed modes count y upwards.
        const double units = UnitsPerInch(FMapMode);
        return QPointF(FDeviceUnitsPerInch.x() / units, -FDeviceUnitsPerInch.y() / units);
    }
    double scaleX = FViewportExtent.width() / FWindowExtent.width();
    double scaleY = FViewportExtent.height() / FWindowExtent.height();
    if (FMapMode == Gdi::MM_ISOTROPIC) {
        // One logical unit is as long across as down: the larger scale gives way.
        const double common = std::min(std::abs(scaleX), std::abs(scaleY));
        scaleX = std::copysign(common, scaleX);
        scaleY = std::copysign(common, scaleY);
    }
    return QPointF(scaleX, scaleY);
}

QTransform TGdiMapping::LogicalToDevice() const
{
    const QPointF scale = PageScale();
    const QTransform page = QTransform::fromTranslate(-FWindowOrigin.x(), -FWindowOrigin.y())
        * QTransform::fromScale(scale.x(), scale.y())
        * QTransform::fromTranslate(FViewportOrigin.x(), FViewportOrigin.y());
    return FWorld * page;
}

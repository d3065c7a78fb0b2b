#include "core/TWindowPlacement.h"

TWindowPlacement TWindowPlacement::FromRect(const QRect &rect, bool maximized)
{
    TWindowPlacement placement;
    placement.Left = rect.x();
    placement.Top = rect.y();
    placement.Right = rect.x() + rect.width();
    placement.Bottom = rect.y() + rect.height();
    placement.Maximized = maximized;
    return placement;
}

QString TWindowPlacement::SectionName(const QString &className, int pixelsPerInch)
{
    QString name = className + QStringLiteral("_Placement");
    if (pixelsPerInch > 96)
        name += QString::number(pixelsPerInch);
    return name;
}

QRect TWindowPlacement::KeptOnScreen(const QRect &rect, const QSize &screen)
{
    QRect kept = rect;
    if (kept.x() + kept.width() > screen.width())
        kept.moveLeft(screen.width() - kept.width());
    if (kept.x() < 0)
        kept.moveLeft(1);
    if (kept.y() + kept.height() > screen.height())
        kept.moveTop(screen.height() - kept.height());
    if (kept.y() < 0)
        kept.moveTop(1);
    return kept;
}

#include "ui/TAppIcon.h"

#include <QString>

// The pictures live in the static UI library: register them before use.
static void EnsureIconResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(quandrel_icons);
        return true;
    }();
    Q_UNUSED(registered);
}

QIcon TAppIcon::Icon()
{
    EnsureIconResources();
    QIcon icon;
    for (int size : {16, 32, 48, 256})
        icon.addFile(QStringLiteral(":/icons/quandrel-%1.png").arg(size), QSize(size, size));
    return icon;
}

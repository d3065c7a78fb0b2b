#include "ui/TFormPlacement.h"

#include "core/TSettingsFile.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

QScreen *screenOf(const QWidget &form)
{
    QScreen *screen = form.screen();
    return screen ? screen : QGuiApplication::primaryScreen();
}

QRect screenRect(const QWidget &form)
{
    QScreen *screen = screenOf(form);
    return screen ? screen->geometry() : QRect();
}

// Integer division truncates toward zero, as the placement arithmetic always
// has, so a dialog larger than its owner shifts by the same pixel.
QPoint centredOver(const QRect &outer, const QSize &size)
{
    return QPoint(outer.x() + (outer.width() - size.width()) / 2, outer.y() + (outer.height() - size.height()) / 2);
}

} // namespace

int TFormPlacement::ScreenPixelsPerInch(const QWidget &form)
{
    QScreen *screen = screenOf(form);
    return screen ? int(std::lround(screen->logicalDotsPerInch())) : 96;
}

void TFormPlacement::SaveFormPlacement(const QWidget &form, const QString &className, const TSettingsFile &settings)
{
    const bool maximized = form.isMaximized();
    const QRect normal = maximized ? form.normalGeometry() : form.geometry();
    settings.SavePlacement(className, ScreenPixelsPerInch(form), TWindowPlacement::FromRect(normal, maximized));
}

void TFormPlacement::RestoreFormPlacement(QWidget &form, const QString &className, const TSettingsFile &settings)
{
    const TWindowPlacement placement =
        settings.LoadPlacement(className, ScreenPixelsPerInch(form), form.isMaximized());
    if (placement.Maximized) {
        form.setWindowState(form.windowState() | Qt::WindowMaximized);
        return;
    }
    QRect rect = placement.Rect();
    if (!placement.IsStored()) {
        CenterForm(form, nullptr);
        rect = form.geometry();
    }
    form.setGeometry(TWindowPlacement::KeptOnScreen(rect, screenRect(form).size()));
}

void TFormPlacement::CenterForm(QWidget &form, const QWidget *mainWindow)
{
    const bool overMainWindow = mainWindow && mainWindow != &form && !mainWindow->isMaximized();
    const QRect outer = overMainWindow ? mainWindow->frameGeometry() : screenRect(form);
    form.move(centredOver(outer, form.frameGeometry().size()));
}

#include "platform/TProgramFolder.h"
#include "ui/TAppIcon.h"
#include "ui/TMainScreen.h"
#include "ui/TSingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>

namespace {

// The design file named on the command line, made absolute: a running copy
// that takes it over works in another folder.
QString DesignFileArgument()
{
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2 || arguments.at(1).isEmpty())
        return QString();
    return QFileInfo(arguments.at(1)).absoluteFilePath();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quandrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quandrel"));
    QApplication::setWindowIcon(TAppIcon::Icon());
    const QString designFile = DesignFileArgument();

    TSingleInstance guard(TSingleInstance::ServerNameFor(TProgramFolder::Path()));
    if (guard.HandToRunningCopy(designFile))
        return 0;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    TMainScreen window;
    // The clip-art chooser opens on the current folder; starting in the
    // clip art the main window has just made sure of beats the launcher's
    // home folder. File names on the command line are already absolute.
    QDir::setCurrent(TProgramFolder::ClipArtFolder());
    window.SetStartupFile(designFile);
    guard.Listen([&window](const QString &fileName) { window.HandOver(fileName); });
    QApplication::restoreOverrideCursor();
    window.show();
    return app.exec();
}

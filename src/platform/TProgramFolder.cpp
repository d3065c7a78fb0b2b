#include "platform/TProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString &overrideFolder()
{
    static QString folder;
    return folder;
}

QString withSlash(const QString &folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString chooseFolder()
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    if (!executableFolder.isEmpty() && QFileInfo(executableFolder).isWritable())
        return executableFolder;
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(dataFolder);
    return dataFolder;
}

} // namespace

QString TProgramFolder::Path()
{
    if (!overrideFolder().isEmpty())
        return overrideFolder();
    static const QString chosen = withSlash(chooseFolder());
    return chosen;
}

void TProgramFolder::SetOverride(const QString &folder)
{
    overrideFolder() = folder.isEmpty() ? QString() : withSlash(folder);
}

QString TProgramFolder::SettingsFileName()
{
    return Path() + QStringLiteral("QDL.INI");
}

QString TProgramFolder::HelpFileName()
{
    return Path() + QStringLiteral("QDL.HLP");
}

QString TProgramFolder::SavedFolder()
{
    return Path() + QStringLiteral("saved/");
}

QString TProgramFolder::BackgroundArtFolder()
{
    return Path() + QStringLiteral("bg/");
}

QString TProgramFolder::BrushFolder()
{
    return Path() + QStringLiteral("bmbrush/");
}

void TProgramFolder::CreateFolders()
{
    for (const QString &folder : {BrushFolder(), SavedFolder(), BackgroundArtFolder()})
        QDir().mkpath(folder);
}

#include "platform/TProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

// Makes a picture folder that is missing and copies the shipped pictures into
// it; a folder that exists keeps its contents.
void createSeededFolder(const QString &folder, const QString &shippedFolder)
{
    if (QFileInfo::exists(folder) || !QDir().mkpath(folder))
        return;
    const QDir shipped(shippedFolder);
    for (const QString &name : shipped.entryList(QDir::Files))
        QFile::copy(shipped.filePath(name), folder + name);
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

QString TProgramFolder::ClipArtFolder()
{
    return Path() + QStringLiteral("clipart/");
}

QString TProgramFolder::ShippedArtFolder()
{
    return withSlash(QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/quandrel")));
}

void TProgramFolder::CreateFolders(const QString &shippedArtFolder)
{
    QDir().mkpath(SavedFolder());
    // Each picture folder has its namesake among the shipped art.
    for (const QString &folder : {BrushFolder(), BackgroundArtFolder(), ClipArtFolder()})
        createSeededFolder(folder, withSlash(shippedArtFolder) + QDir(folder).dirName());
}

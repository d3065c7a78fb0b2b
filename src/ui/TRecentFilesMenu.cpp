#include "ui/TRecentFilesMenu.h"

#include <QAction>
#include <QMenu>

TRecentFilesMenu::TRecentFilesMenu(QMenu &fileMenu, std::function<void(const QString &)> onClick)
    : FMenu(fileMenu), FOnClick(std::move(onClick))
{
}

TRecentFilesMenu::~TRecentFilesMenu() = default;

void TRecentFilesMenu::SetFiles(const QStringList &files)
{
    FFiles = TRecentFiles(files);
    Rebuild();
}

void TRecentFilesMenu::Add(const QString &fileName)
{
    FFiles.Add(fileName);
    Rebuild();
}

void TRecentFilesMenu::Rebuild()
{
    // The entry being chosen is still delivering its signal: its action
    // goes once that is over.
    for (QAction *entry : FEntries) {
        FMenu.removeAction(entry);
        entry->deleteLater();
    }
    FEntries.clear();
    if (FSeparator) {
        FMenu.removeAction(FSeparator);
        FSeparator->deleteLater();
        FSeparator = nullptr;
    }
    if (FFiles.IsEmpty())
        return;
    FSeparator = FMenu.addSeparator();
    const QStringList &files = FFiles.Files();
    for (int i = 0; i < int(files.size()); ++i) {
        const QString fileName = files[i];
        QAction *entry = FMenu.addAction(TRecentFiles::MenuCaption(i, fileName));
        entry->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        entry->setData(fileName);
        QObject::connect(entry, &QAction::triggered, &FMenu, [this, fileName] { Choose(fileName); });
        FEntries.push_back(entry);
    }
}

void TRecentFilesMenu::Choose(const QString &fileName)
{
    FFiles.Remove(fileName);
    Rebuild();
    if (FOnClick)
        FOnClick(fileName);
}

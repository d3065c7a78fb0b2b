#pragma once

#include "core/TRecentFiles.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QAction;
class QMenu;

// The recent design files at the end of the "&File" menu: a separator, then
// "&1 " and the full path, and so on. Choosing an entry takes it off the list
// and the menu first, then hands its file to OnClick, which puts it back on
// top when the file opens. Nothing here touches the settings file.
class TRecentFilesMenu
{
public:
    TRecentFilesMenu(QMenu &fileMenu, std::function<void(const QString &)> onClick);
    ~TRecentFilesMenu();
    TRecentFilesMenu(const TRecentFilesMenu &) = delete;
    TRecentFilesMenu &operator=(const TRecentFilesMenu &) = delete;

    const QStringList &Files() const { return FFiles.Files(); }
    bool IsEmpty() const { return FFiles.IsEmpty(); }
    void SetFiles(const QStringList &files);
    void Add(const QString &fileName);

private:
    void Rebuild();
    void Choose(const QString &fileName);

    QMenu &FMenu;
    std::function<void(const QString &)> FOnClick;
    TRecentFiles FFiles;
    QAction *FSeparator = nullptr;
    std::vector<QAction *> FEntries;
};

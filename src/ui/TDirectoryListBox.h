#pragma once

#include <QTreeWidget>
#include <functional>

// A folder list: the path from the file system's root down to the open
// folder, one level indented under the other, then that folder's subfolders.
// Activating an entry (double-click or Enter) opens it. The open folder is
// also the process's current folder, as the choosers' callers expect.
class TDirectoryListBox : public QTreeWidget
{
public:
    explicit TDirectoryListBox(QWidget *parent = nullptr);

    const QString &Directory() const { return FDirectory; }
    // A folder that does not exist leaves the list as it was.
    void SetDirectory(const QString &folder);

    // The open folder changed.
    std::function<void()> OnChange;

private:
    void Refill();

    QString FDirectory;
};

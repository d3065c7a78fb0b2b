#include "ui/TDirectoryListBox.h"

#include <QDir>
#include <QFileInfo>
#include <QStyle>

namespace {

constexpr int PathRole = Qt::UserRole;

// "/", then "/home", "/home/ann", ... down to the folder itself.
QStringList PathFromRoot(const QString &folder)
{
    QStringList path;
    for (QDir dir(folder);; dir.cdUp()) {
        path.prepend(dir.absolutePath());
        if (dir.isRoot())
            break;
    }
    return path;
}

QString EntryCaption(const QString &folder)
{
    const QString name = QFileInfo(folder).fileName();
    return name.isEmpty() ? folder : name;
}

} // namespace

TDirectoryListBox::TDirectoryListBox(QWidget *parent) : QTreeWidget(parent)
{
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(12);
    connect(this, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { SetDirectory(item->data(0, PathRole).toString()); });
}

void TDirectoryListBox::SetDirectory(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        return;
    FDirectory = QDir::cleanPath(info.absoluteFilePath());
    QDir::setCurrent(FDirectory);
    Refill();
    if (OnChange)
        OnChange();
}

void TDirectoryListBox::Refill()
{
    clear();
    const QIcon openIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closedIcon = style()->standardIcon(QStyle::SP_DirClosedIcon);
    const auto entry = [](const QString &path, const QIcon &icon) {
        auto *item = new QTreeWidgetItem({EntryCaption(path)});
        item->setIcon(0, icon);
        item->setData(0, PathRole, path);
        return item;
    };
    QTreeWidgetItem *parentItem = nullptr;
    for (const QString &level : PathFromRoot(FDirectory)) {
        QTreeWidgetItem *item = entry(level, openIcon);
        if (parentItem == nullptr)
            addTopLevelItem(item);
        else
            parentItem->addChild(item);
        parentItem = item;
    }
    // Hidden folders stay out of the way, as in every Linux file chooser.
    const QStringList subfolders =
        QDir(FDirectory).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : subfolders)
        parentItem->addChild(entry(QDir(FDirectory).filePath(name), closedIcon));
    expandAll();
    setCurrentItem(parentItem);
}

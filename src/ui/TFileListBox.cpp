#include "ui/TFileListBox.h"

#include <QDir>
#include <QFileInfo>

TFileListBox::TFileListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (OnChange)
            OnChange();
    });
    connect(this, &QListWidget::itemActivated, this, [this] {
        if (OnChoose)
            OnChoose();
    });
}

void TFileListBox::SetMask(const QString &mask)
{
    FMask = mask.split(u';', Qt::SkipEmptyParts);
    Refill();
}

void TFileListBox::SetFolder(const QString &folder)
{
    FFolder = QDir(folder).absolutePath();
    Refill();
}

QString TFileListBox::FileName() const
{
    const QListWidgetItem *item = currentItem();
    return item != nullptr && item->isSelected() ? QDir(FFolder).filePath(item->text()) : QString();
}

void TFileListBox::SetFileName(const QString &fileName)
{
    const QFileInfo file(fileName);
    SetFolder(file.absolutePath());
    const QList<QListWidgetItem *> found = findItems(file.fileName(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!found.isEmpty())
        setCurrentItem(found.first());
}

void TFileListBox::Refill()
{
    // Refilling selects nothing; one change report says so.
    const QSignalBlocker quiet(this);
    clear();
    if (!FFolder.isEmpty()) {
        // Filters match both letter cases unless told otherwise, so "*.BMP"
        // finds "sky.bmp" as well.
        addItems(QDir(FFolder).entryList(FMask, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase));
    }
    setCurrentRow(-1);
    if (OnChange)
        OnChange();
}

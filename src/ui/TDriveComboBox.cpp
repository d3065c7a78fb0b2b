#include "ui/TDriveComboBox.h"

#include <QDir>
#include <QStorageInfo>

namespace {

constexpr int RootRole = Qt::UserRole;

// Mount points that hold the user's removable and network volumes; the rest
// (/proc, /sys, /run, /boot ...) is the system's own business.
bool IsUserVolume(const QStorageInfo &volume)
{
    const QString root = volume.rootPath();
    return volume.isValid() && volume.isReady()
           && (root.startsWith(QStringLiteral("/media/")) || root.startsWith(QStringLiteral("/run/media/"))
               || root.startsWith(QStringLiteral("/mnt/")));
}

bool Contains(const QString &root, const QString &folder)
{
    return folder == root || folder.startsWith(root.endsWith(u'/') ? root : root + u'/');
}

} // namespace

TDriveComboBox::TDriveComboBox(QWidget *parent) : QComboBox(parent)
{
    AddPlace(QStringLiteral("Home"), QDir::homePath());
    AddPlace(QStringLiteral("File System"), QDir::rootPath());
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (IsUserVolume(volume))
            AddPlace(volume.displayName(), volume.rootPath());
    }
    connect(this, QOverload<int>::of(&QComboBox::activated), this, [this] {
        if (OnChange)
            OnChange();
    });
}

QString TDriveComboBox::Drive() const
{
    return currentData(RootRole).toString();
}

void TDriveComboBox::ShowPlaceOf(const QString &folder)
{
    const QString absolute = QDir(folder).absolutePath();
    int best = -1;
    int bestLength = -1;
    for (int i = 0; i < count(); ++i) {
        const QString root = itemData(i, RootRole).toString();
        if (Contains(root, absolute) && root.size() > bestLength) {
            best = i;
            bestLength = int(root.size());
        }
    }
    setCurrentIndex(best);
}

void TDriveComboBox::AddPlace(const QString &caption, const QString &root)
{
    addItem(caption, QDir(root).absolutePath());
}

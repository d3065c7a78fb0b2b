#pragma once

#include <QString>
#include <QStringList>

// The recent design files, most recent first. Names compare without regard
// to case, so one file never shows twice under different spellings.
class TRecentFiles
{
public:
    static constexpr int MaxCount = 5;

    TRecentFiles() = default;
    // Keeps the first MaxCount names that are not empty.
    explicit TRecentFiles(const QStringList &files);

    const QStringList &Files() const { return FFiles; }
    bool IsEmpty() const { return FFiles.isEmpty(); }

    // Puts the file at the top, in the spelling given; a file already listed
    // moves there, and the list never grows beyond MaxCount.
    void Add(const QString &fileName);
    // True when the file was listed.
    bool Remove(const QString &fileName);

    // "&1 " and the full path for the first entry, and so on. Ampersands of
    // the path are doubled so that they show as themselves in a menu.
    static QString MenuCaption(int index, const QString &fileName);

private:
    qsizetype IndexOf(const QString &fileName) const;

    QStringList FFiles;
};

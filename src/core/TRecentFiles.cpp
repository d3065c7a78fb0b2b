#include "core/TRecentFiles.h"

TRecentFiles::TRecentFiles(const QStringList &files)
{
    for (const QString &file : files) {
        if (FFiles.size() == MaxCount)
            break;
        if (!file.isEmpty())
            FFiles.append(file);
    }
}

qsizetype TRecentFiles::IndexOf(const QString &fileName) const
{
    for (qsizetype i = 0; i < FFiles.size(); ++i) {
        if (FFiles[i].compare(fileName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void TRecentFiles::Add(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    const qsizetype index = IndexOf(fileName);
    if (index >= 0)
        FFiles.removeAt(index);
    FFiles.prepend(fileName);
    while (FFiles.size() > MaxCount)
        FFiles.removeLast();
}

bool TRecentFiles::Remove(const QString &fileName)
{
    const qsizetype index = IndexOf(fileName);
    if (index < 0)
        return false;
    FFiles.removeAt(index);
    return true;
}

QString TRecentFiles::MenuCaption(int index, const QString &fileName)
{
    QString path = fileName;
    path.replace(u'&', QStringLiteral("&&"));
    return u'&' + QString::number(index + 1) + u' ' + path;
}

#include "core/TDesignFileNames.h"

#include <QDir>
#include <QFileInfo>

bool TDesignFileNames::HasDesignExtension(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(QStringLiteral("qdl"), Qt::CaseInsensitive) == 0;
}

QString TDesignFileNames::WithDesignExtension(const QString &fileName)
{
    return HasDesignExtension(fileName) ? fileName : fileName + QStringLiteral(".QDL");
}

QString TDesignFileNames::ProposedName(const QString &folder)
{
    const QDir dir(folder);
    for (int number = 1; number <= 9999; ++number) {
        const QString name = QStringLiteral("BC%1.QDL").arg(number, 4, 10, QLatin1Char('0'));
        if (!QFileInfo::exists(dir.filePath(name)))
            return name;
    }
    // Every number is taken: the dialog asks before overwriting the first.
    return QStringLiteral("BC0001.QDL");
}

QString TDesignFileNames::CompanionFileName(const QString &designFileName)
{
    const QFileInfo info(designFileName);
    const QString ownName = info.fileName();
    const qsizetype dot = ownName.lastIndexOf(QLatin1Char('.'));
    // A name that starts with its only dot (".qdl") is all extension.
    const QString base = dot >= 0 ? ownName.left(dot) : ownName;
    const QString companion = base + QStringLiteral(".QDE");
    const qsizetype slash = designFileName.lastIndexOf(QLatin1Char('/'));
    return slash >= 0 ? designFileName.left(slash + 1) + companion : companion;
}

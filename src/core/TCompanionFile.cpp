#include "core/TCompanionFile.h"

#include "core/TDesignFileNames.h"
#include "platform/EQuandrelError.h"
#include "platform/Windows1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

// Far longer than any path; a larger file is not a companion.
constexpr qint64 MaxCompanionSize = 64 * 1024;

// Companions written by the Windows program are in its code page; ours are UTF-8.
QString DecodeLine(const QByteArray &line)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(line);
    return utf8.hasError() ? Windows1252::decode(line) : text;
}

} // namespace

QString TCompanionFile::ReadArtFileName(const QString &designFileName)
{
    QFile file(TDesignFileNames::CompanionFileName(designFileName));
    if (!file.exists() || file.size() > MaxCompanionSize || !file.open(QIODevice::ReadOnly))
        return QString();
    QByteArray line = file.readLine(MaxCompanionSize);
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return DecodeLine(line);
}

void TCompanionFile::Write(const QString &designFileName, const QString &artFileName)
{
    if (artFileName.isEmpty()) {
        Remove(designFileName);
        return;
    }
    const QString fileName = TDesignFileNames::CompanionFileName(designFileName);
    const QByteArray data = artFileName.toUtf8() + "\r\n";
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw EQuandrelError(QStringLiteral("Unable to write %1: %2").arg(fileName, file.errorString()));
}

void TCompanionFile::Remove(const QString &designFileName)
{
    const QString fileName = TDesignFileNames::CompanionFileName(designFileName);
    // A stale companion would give the design someone else's art on reopening.
    if (QFileInfo(fileName).exists() || QFileInfo(fileName).isSymLink()) {
        QFile file(fileName);
        if (!file.remove())
            throw EQuandrelError(QStringLiteral("Unable to delete %1: %2").arg(fileName, file.errorString()));
    }
}

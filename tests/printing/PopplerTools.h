#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What poppler's tools read from a PDF. Text comes from pdftotext rather
// than QPdfDocument::getAllText, which leaks pdfium's text pages in Qt 6.4
// and so fails the leak checker.
namespace PopplerTools {

inline QString Run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every page's text.
inline QString Text(const QString &fileName)
{
    return Run(QStringLiteral("pdftotext"), {fileName, QStringLiteral("-")});
}

// The table of fonts the PDF uses, one line per font after two header lines.
inline QStringList Fonts(const QString &fileName)
{
    return Run(QStringLiteral("pdffonts"), {fileName}).split(u'\n', Qt::SkipEmptyParts).mid(2);
}

} // namespace PopplerTools

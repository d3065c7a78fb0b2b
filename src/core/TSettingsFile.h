#pragma once

#include "core/TPreferences.h"
#include "core/TWindowPlacement.h"

#include <QString>
#include <QStringList>

// The settings file "QDL.INI" of the program folder: which sections and keys
// hold each setting, their defaults and their encoding. Every call reads the
// file afresh and every save reaches the disk before it returns, so the file
// is the only copy that matters; lines the program does not know are kept.
// Saving failures raise EQuandrelError "Unable to write to <file name>";
// reading never fails: a missing file, key or unreadable number gives the
// default.
class TSettingsFile
{
public:
    explicit TSettingsFile(QString fileName);

    const QString &FileName() const { return FFileName; }

    // The "Printer", "Personal", "Layout" and "Default Font" sections.
    TPreferences LoadPreferences() const;
    void SavePreferences(const TPreferences &preferences) const;

    // Section "MRU": the value of every key line, in file order.
    QStringList LoadRecentFiles() const;
    // Replaces the section with "F0", "F1", ... in list order.
    void SaveRecentFiles(const QStringList &files) const;

    // The record of a window class on a screen of that many pixels per
    // inch; a missing "Maximized" gives maximizedNow.
    TWindowPlacement LoadPlacement(const QString &className, int pixelsPerInch, bool maximizedNow) const;
    void SavePlacement(const QString &className, int pixelsPerInch, const TWindowPlacement &placement) const;

private:
    QString FFileName;
};

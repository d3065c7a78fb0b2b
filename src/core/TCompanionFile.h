#pragma once

#include <QString>

// The one-line text file beside a design that names its background art
// (TDesignFileNames::CompanionFileName). It exists only while the design has
// background art.
class TCompanionFile
{
public:
    // The first line of the design's companion, or an empty name when there
    // is none or it cannot be read (the design then simply has no art).
    static QString ReadArtFileName(const QString &designFileName);
    // Writes the art's name as the companion's single line, replacing the
    // file atomically; an empty name removes the companion instead. Raises
    // EQuandrelError when the file cannot be written or removed.
    static void Write(const QString &designFileName, const QString &artFileName);
    // Removes the design's companion when it exists; raises EQuandrelError
    // when it cannot.
    static void Remove(const QString &designFileName);
};

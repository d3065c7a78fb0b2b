#pragma once

#include <QString>

// How design files are named: the extension the file commands insist on,
// the name Save As proposes for a new design, and the companion file that
// names a design's background art.
class TDesignFileNames
{
public:
    // ".qdl" in any case.
    static bool HasDesignExtension(const QString &fileName);
    // The name as given when it already ends in ".qdl", otherwise with
    // ".QDL" added: a design saved under another extension could not be
    // opened again.
    static QString WithDesignExtension(const QString &fileName);
    // "BC0001.QDL", or the next of "BC0002.QDL" ... "BC9999.QDL" that the
    // folder does not hold yet.
    static QString ProposedName(const QString &folder);
    // The design file's own name with its extension replaced by ".QDE", in
    // the same folder; dots in folder names play no part.
    static QString CompanionFileName(const QString &designFileName);
};

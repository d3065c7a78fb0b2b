#include "platform/TCursor.h"

#include <array>

using namespace TCursors;

namespace
{
struct NamedCursor
{
    TCursor FCursor;
    const char *FName;
};

constexpr std::array<NamedCursor, 20> NamedCursors = {{
    {crDefault, "crDefault"},
    {crArrow, "crArrow"},
    {crCross, "crCross"},
    {crIBeam, "crIBeam"},
    {crSize, "crSize"},
    {crSizeNESW, "crSizeNESW"},
    {crSizeNS, "crSizeNS"},
    {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},
    {crUpArrow, "crUpArrow"},
    {crHourGlass, "crHourGlass"},
    {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},
    {crHSplit, "crHSplit"},
    {crVSplit, "crVSplit"},
    {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"},
    {crNo, "crNo"},
    {crAppStart, "crAppStart"},
    {crHelp, "crHelp"},
}};
}

const char *cursorToIdent(TCursor cursor)
{
    for (const NamedCursor &named : NamedCursors)
    {
        if (named.FCursor == cursor)
            return named.FName;
    }
    return nullptr;
}

std::optional<TCursor> identToCursor(QByteArrayView name)
{
    for (const NamedCursor &named : NamedCursors)
    {
        const QByteArrayView candidate(named.FName);
        if (candidate.size() == name.size() && candidate.compare(name, Qt::CaseInsensitive) == 0)
            return named.FCursor;
    }
    return std::nullopt;
}

#pragma once

#include "platform/TCursor.h"

class QCursor;

// The editor's mouse cursors by their cursor number: the standard shapes,
// and the two hand pictures that ship as resources of the program.
class TCursorImages
{
public:
    // The slot the open hand is loaded into.
    static constexpr TCursor crHandGrab = 6;
    // The pointing hand replaces the up-arrow for the whole program.
    static constexpr TCursor crHandPoint = TCursors::crUpArrow;

    static QCursor Cursor(TCursor cursor);
};

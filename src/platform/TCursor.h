#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

// A mouse cursor as design files store it: zero for the default, negative
// numbers for the built-in shapes.
using TCursor = qint16;

namespace TCursors
{
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSize = -5;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
}

// The identifier a design file writes for cursor, or nullptr when it has
// none and must be written as a number.
const char *cursorToIdent(TCursor cursor);

// Case-insensitive, as identifiers in design files are.
std::optional<TCursor> identToCursor(QByteArrayView name);

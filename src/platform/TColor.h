#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <optional>

class QColor;

// A colour as design files store it: 0x00BBGGRR with red in the lowest byte.
// A value with the top bit set names a system colour by the index in its low
// bits, and clNone stands for "no colour at all".
using TColor = qint32;

namespace TColors
{
constexpr TColor clBlack = 0;
constexpr TColor clMaroon = 128;
constexpr TColor clGreen = 32768;
constexpr TColor clOlive = 32896;
constexpr TColor clNavy = 8388608;
constexpr TColor clPurple = 8388736;
constexpr TColor clTeal = 8421376;
constexpr TColor clGray = 8421504;
constexpr TColor clSilver = 12632256;
constexpr TColor clRed = 255;
constexpr TColor clLime = 65280;
constexpr TColor clYellow = 65535;
constexpr TColor clBlue = 16711680;
constexpr TColor clFuchsia = 16711935;
constexpr TColor clAqua = 16776960;
constexpr TColor clWhite = 16777215;
constexpr TColor clNone = 0x1FFFFFFF;

constexpr TColor clScrollBar = qint32(0x80000000u + 0);
constexpr TColor clBackground = qint32(0x80000000u + 1);
constexpr TColor clActiveCaption = qint32(0x80000000u + 2);
constexpr TColor clInactiveCaption = qint32(0x80000000u + 3);
constexpr TColor clMenu = qint32(0x80000000u + 4);
constexpr TColor clWindow = qint32(0x80000000u + 5);
constexpr TColor clWindowFrame = qint32(0x80000000u + 6);
constexpr TColor clMenuText = qint32(0x80000000u + 7);
constexpr TColor clWindowText = qint32(0x80000000u + 8);
constexpr TColor clCaptionText = qint32(0x80000000u + 9);
constexpr TColor clActiveBorder = qint32(0x80000000u + 10);
constexpr TColor clInactiveBorder = qint32(0x80000000u + 11);
constexpr TColor clAppWorkSpace = qint32(0x80000000u + 12);
constexpr TColor clHighlight = qint32(0x80000000u + 13);
constexpr TColor clHighlightText = qint32(0x80000000u + 14);
constexpr TColor clBtnFace = qint32(0x80000000u + 15);
constexpr TColor clBtnShadow = qint32(0x80000000u + 16);
constexpr TColor clGrayText = qint32(0x80000000u + 17);
constexpr TColor clBtnText = qint32(0x80000000u + 18);
constexpr TColor clInactiveCaptionText = qint32(0x80000000u + 19);
constexpr TColor clBtnHighlight = qint32(0x80000000u + 20);
constexpr TColor cl3DDkShadow = qint32(0x80000000u + 21);
constexpr TColor cl3DLight = qint32(0x80000000u + 22);
constexpr TColor clInfoText = qint32(0x80000000u + 23);
constexpr TColor clInfoBk = qint32(0x80000000u + 24);
}

// The identifier a design file writes for color, or nullptr when it has none
// and must be written as a number.
const char *colorToIdent(TColor color);

// Case-insensitive, as identifiers in design files are.
std::optional<TColor> identToColor(QByteArrayView name);

// Resolves a system colour through a fixed table of the classic default
// scheme, so a design looks the same whatever desktop theme it is opened
// under; an index past the table gives black. clNone comes back unchanged,
// any other value with its top byte cleared.
TColor colorToRGB(TColor color);

// An opaque colour, except that clNone gives Qt::transparent, letting callers
// paint it without a special case.
QColor toQColor(TColor color);

// The inverse of toQColor: an invalid or fully transparent colour gives
// clNone; otherwise alpha is dropped.
TColor fromQColor(const QColor &color);

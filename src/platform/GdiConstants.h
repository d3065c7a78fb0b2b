#pragma once

#include <QColor>
#include <QtGlobal>

// Values of the drawing state that Windows metafiles carry, with their
// documented numbers, shared by the WMF and EMF players.
namespace Gdi
{
enum TMapMode : int {
    MM_TEXT = 1,
    MM_LOMETRIC = 2,
    MM_HIMETRIC = 3,
    MM_LOENGLISH = 4,
    MM_HIENGLISH = 5,
    MM_TWIPS = 6,
    MM_ISOTROPIC = 7,
    MM_ANISOTROPIC = 8,
};

enum TBackgroundMode : int { TRANSPARENT = 1, OPAQUE = 2 };
enum TPolyFillMode : int { ALTERNATE = 1, WINDING = 2 };
enum TArcDirection : int { AD_COUNTERCLOCKWISE = 1, AD_CLOCKWISE = 2 };
enum TStretchMode : int { STRETCH_HALFTONE = 4 };

enum TPenStyle : quint32 {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6,
    PS_USERSTYLE = 7,
    PS_ALTERNATE = 8,
    PS_STYLE_MASK = 0x0000000F,
    PS_ENDCAP_SQUARE = 0x00000100,
    PS_ENDCAP_FLAT = 0x00000200,
    PS_ENDCAP_MASK = 0x00000F00,
    PS_JOIN_BEVEL = 0x00001000,
    PS_JOIN_MITER = 0x00002000,
    PS_JOIN_MASK = 0x0000F000,
    PS_GEOMETRIC = 0x00010000,
};

enum TBrushStyle : quint32 {
    BS_SOLID = 0,
    BS_NULL = 1,
    BS_HATCHED = 2,
    BS_PATTERN = 3,
    BS_DIBPATTERN = 5,
    BS_DIBPATTERNPT = 6,
};

enum THatchStyle : quint32 {
    HS_HORIZONTAL = 0,
    HS_VERTICAL = 1,
    HS_FDIAGONAL = 2,
    HS_BDIAGONAL = 3,
    HS_CROSS = 4,
    HS_DIAGCROSS = 5,
};

enum TTextAlign : quint32 {
    TA_UPDATECP = 0x0001,
    TA_RIGHT = 0x0002,
    TA_CENTER = 0x0006,
    TA_HORIZONTAL_MASK = 0x0006,
    TA_BOTTOM = 0x0008,
    TA_BASELINE = 0x0018,
    TA_VERTICAL_MASK = 0x0018,
};

enum TTextOutOptions : quint32 { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004 };

enum TBinaryRasterOp : int {
    R2_BLACK = 1,
    R2_NOTCOPYPEN = 4,
    R2_NOT = 6,
    R2_XORPEN = 7,
    R2_MASKPEN = 9,
    R2_NOP = 11,
    R2_COPYPEN = 13,
    R2_MERGEPEN = 15,
    R2_WHITE = 16,
};

enum TTernaryRasterOp : quint32 {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    SRCERASE = 0x00440328,
    NOTSRCCOPY = 0x00330008,
    NOTSRCERASE = 0x001100A6,
    MERGEPAINT = 0x00BB0226,
    PATCOPY = 0x00F00021,
    PATINVERT = 0x005A0049,
    DSTINVERT = 0x00550009,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

enum TRegionMode : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
// A COLORREF: red in the lowest byte.
inline QColor ColourFromRef(quint32 colourRef)
{
    return QColor(int(colourRef & 0xFF), int((colourRef >> 8) & 0xFF), int((colourRef >> 16) & 0xFF));
}

}

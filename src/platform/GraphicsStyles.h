#pragma once

#include <QtGlobal>
#include <initializer_list>

// The drawing vocabulary of pens, brushes and fonts that design objects and
// the report share. Ordinals are those of the design file.

enum class TFontPitch { fpDefault, fpVariable, fpFixed };
enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
enum class TPenMode {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor
};
enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// The font style set: bit n holds the member of ordinal n, as the file lists
// set members in ordinal order.
class TFontStyles
{
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(std::initializer_list<TFontStyle> styles)
    {
        for (TFontStyle s : styles)
            FBits |= bit(s);
    }
    static constexpr TFontStyles fromMask(quint32 mask)
    {
        TFontStyles s;
        s.FBits = quint8(mask & 0x0F);
        return s;
    }
    constexpr quint32 mask() const { return FBits; }
    constexpr bool contains(TFontStyle s) const { return FBits & bit(s); }
    // This set with the style added (on) or taken out.
    constexpr TFontStyles with(TFontStyle s, bool on) const
    {
        return fromMask(on ? (FBits | bit(s)) : (FBits & ~bit(s)));
    }
    constexpr bool operator==(TFontStyles o) const { return FBits == o.FBits; }
    constexpr bool operator!=(TFontStyles o) const { return FBits != o.FBits; }

private:
    static constexpr quint8 bit(TFontStyle s) { return quint8(1u << int(s)); }
    quint8 FBits = 0;
};


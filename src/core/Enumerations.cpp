#include "core/Enumerations.h"

int TEnumInfo::IndexOf(QByteArrayView name) const
{
    for (int i = 0; i < Count(); ++i)
        if (QByteArrayView(Names[size_t(i)]).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QByteArray TEnumInfo::NameOf(qint64 ordinal) const
{
    if (ordinal < 0 || ordinal >= Count())
        return QByteArray::number(ordinal);
    return Names[size_t(ordinal)];
}

#define QUANDREL_ENUM_INFO(E, ...)                                   \
    template <> const TEnumInfo &EnumInfoOf<E>()                     \
    {                                                                \
        static const TEnumInfo info{#E, {__VA_ARGS__}};              \
        return info;                                                 \
    }

QUANDREL_ENUM_INFO(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")
QUANDREL_ENUM_INFO(TBorderStyle, "bsNone", "bsSingle")
QUANDREL_ENUM_INFO(THighlightDirection, "hdNone", "hdright", "hdLeft", "hdUpRight", "hdUpLeft", "hdUp")
QUANDREL_ENUM_INFO(TShadowDirection, "sdNone", "sdRight", "sdLeft", "sdDownRight", "sdDownLeft", "sdDown")
QUANDREL_ENUM_INFO(TDegrees, "dg90", "dg180", "dg270", "dg360")
QUANDREL_ENUM_INFO(TFontPitch, "fpDefault", "fpVariable", "fpFixed")
QUANDREL_ENUM_INFO(TFontStyle, "fsBold", "fsItalic", "fsUnderline", "fsStrikeOut")
QUANDREL_ENUM_INFO(TPenMode, "pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot",
                   "pmMaskPenNot", "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask",
                   "pmNotMask", "pmXor", "pmNotXor")
QUANDREL_ENUM_INFO(TPenStyle, "psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame")
QUANDREL_ENUM_INFO(TBrushStyle, "bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal",
                   "bsCross", "bsDiagCross")
QUANDREL_ENUM_INFO(TShapeType, "stRectangle", "stSquare", "stRoundRect", "stRoundSquare", "stEllipse", "stCircle")
QUANDREL_ENUM_INFO(TLineStyle, "stHorizontal", "stVertical", "stAngleSlopingUp", "stAngleSlopingDown")
QUANDREL_ENUM_INFO(TFillDirection, "gdUp", "gdDown", "gdLeft", "gdRight")
QUANDREL_ENUM_INFO(TShadowOrient, "soNone", "soLowerRight", "soUpperRight", "soUpperLeft", "soLowerLeft")
QUANDREL_ENUM_INFO(TGPShapeType, "gstRectangle", "gstRoundRect", "gstEllipse", "gstDiamond", "gstStar",
                   "gstTriangleLeft", "gstTriangleRight", "gstTriangleUp", "gstTriangleDown", "gstPolyGon")
QUANDREL_ENUM_INFO(Gsshape::TSurfaceType, "stBrushTransparent", "stBrushPattern", "stBrushImage", "stGradientFill")
QUANDREL_ENUM_INFO(Gsstext::TSurfaceType, "stNormal", "stBrushTransparent", "stBrushImage", "stGradientFill")

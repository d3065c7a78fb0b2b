#pragma once

#include "platform/GraphicsStyles.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>
#include <vector>

// Every enumeration a design object publishes. The member order is the
// ordinal order of the design file, and the names are the identifiers the
// file stores, so neither may change.

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TBorderStyle { bsNone, bsSingle };
enum class THighlightDirection { hdNone, hdright, hdLeft, hdUpRight, hdUpLeft, hdUp };
enum class TShadowDirection { sdNone, sdRight, sdLeft, sdDownRight, sdDownLeft, sdDown };
// Special-effects text names its shadow directions exactly like the labels do.
using TShadowOrientation = TShadowDirection;
enum class TDegrees { dg90, dg180, dg270, dg360 };
enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };
enum class TLineStyle { stHorizontal, stVertical, stAngleSlopingUp, stAngleSlopingDown };
enum class TFillDirection { gdUp, gdDown, gdLeft, gdRight };
enum class TShadowOrient { soNone, soLowerRight, soUpperRight, soUpperLeft, soLowerLeft };
enum class TGPShapeType {
    gstRectangle, gstRoundRect, gstEllipse, gstDiamond, gstStar,
    gstTriangleLeft, gstTriangleRight, gstTriangleUp, gstTriangleDown, gstPolyGon
};

// The multi-purpose shape and the special-effects text each have a surface
// type of that name, with different members; the namespaces are their units.
namespace Gsshape {
enum class TSurfaceType { stBrushTransparent, stBrushPattern, stBrushImage, stGradientFill };
}
namespace Gsstext {
enum class TSurfaceType { stNormal, stBrushTransparent, stBrushImage, stGradientFill };
}

// The names of an enumeration's members as the design file spells them.
struct TEnumInfo
{
    const char *TypeName;
    std::vector<QByteArray> Names;

    int Count() const { return int(Names.size()); }
    // Identifiers compare without regard to case, as the file reader always has.
    int IndexOf(QByteArrayView name) const;
    QByteArray NameOf(qint64 ordinal) const;
};

template <class E> const TEnumInfo &EnumInfoOf();

#define QUANDREL_DECLARE_ENUM_INFO(E) template <> const TEnumInfo &EnumInfoOf<E>();
QUANDREL_DECLARE_ENUM_INFO(TAlignment)
QUANDREL_DECLARE_ENUM_INFO(TBorderStyle)
QUANDREL_DECLARE_ENUM_INFO(THighlightDirection)
QUANDREL_DECLARE_ENUM_INFO(TShadowDirection)
QUANDREL_DECLARE_ENUM_INFO(TDegrees)
QUANDREL_DECLARE_ENUM_INFO(TFontPitch)
QUANDREL_DECLARE_ENUM_INFO(TFontStyle)
QUANDREL_DECLARE_ENUM_INFO(TPenMode)
QUANDREL_DECLARE_ENUM_INFO(TPenStyle)
QUANDREL_DECLARE_ENUM_INFO(TBrushStyle)
QUANDREL_DECLARE_ENUM_INFO(TShapeType)
QUANDREL_DECLARE_ENUM_INFO(TLineStyle)
QUANDREL_DECLARE_ENUM_INFO(TFillDirection)
QUANDREL_DECLARE_ENUM_INFO(TShadowOrient)
QUANDREL_DECLARE_ENUM_INFO(TGPShapeType)
QUANDREL_DECLARE_ENUM_INFO(Gsshape::TSurfaceType)
QUANDREL_DECLARE_ENUM_INFO(Gsstext::TSurfaceType)
#undef QUANDREL_DECLARE_ENUM_INFO

// The card's outline: the background is clipped to it and its outline drawn.
enum class TLabelShapeType { lsRectangle, lsRoundRect, lsEllipse };
// Grid dots and snapping steps of 4 or 8 pixels.
enum class TGridSize { gs4x4, gs8x8 };

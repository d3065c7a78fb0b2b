#include "objects/graphics/TGLabelShapes.h"

#include "core/PropertyBuilder.h"
#include "platform/Screen.h"
#include "platform/TCanvas.h"
#include "platform/TReport.h"
#include "platform/WinMath.h"

#include <algorithm>

namespace {

enum class TOutlineKind { Rectangle, RoundRect, Ellipse };

// The square kinds draw exactly like their plain counterparts: nothing forces equal sides.
TOutlineKind OutlineKind(TShapeType shape)
{
    switch (shape) {
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare: return TOutlineKind::RoundRect;
    case TShapeType::stEllipse:
    case TShapeType::stCircle: return TOutlineKind::Ellipse;
    case TShapeType::stRectangle:
    case TShapeType::stSquare: break;
    }
    return TOutlineKind::Rectangle;
}

} // namespace

TGLabelShapes::TGLabelShapes()
{
    FBrush.OnChange = [this] { PropertyChanged(); };
    FPen.OnChange = [this] { PropertyChanged(); };
    SetBounds(0, 0, 25, 25);
}

const TPropertyTable &TGLabelShapes::Properties()
{
    using T = TGLabelShapes;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Boolean("Transparent", Prop::Methods(&T::Transparent, &T::SetTransparent)),
        Prop::Nested("Brush", &T::FBrush),
        Prop::Nested("Pen", &T::FPen),
        Prop::Integer("RoundPerc", Prop::Methods(&T::RoundPerc, &T::SetRoundPerc), 25),
        Prop::Enumeration("Shape", Prop::Methods(&T::Shape, &T::SetShape), TShapeType::stRectangle),
    });
    return table;
}

const TPropertyTable &TGLabelShapes::properties() const
{
    return Properties();
}

void TGLabelShapes::SetTransparent(bool value)
{
    if (Update(FTransparent, value))
        FBrush.SetStyle(value ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
}

int TGLabelShapes::ZoomedPenWidth(int penWidth, float zoom)
{
    if (zoom == 1.0f)
        return penWidth;
    const int width = WinMath::RoundHalfEven(penWidth * double(zoom));
    return width <= 0 && penWidth > 0 ? 1 : width;
}

QRect TGLabelShapes::OutlineBox(int width, int height, int penWidth)
{
    const int half = penWidth / 2;
    return QRect(half, half, width - penWidth + 1, height - penWidth + 1);
}

int TGLabelShapes::CornerDiameter(int roundPerc, int width, int height)
{
    // Whole-number arithmetic: a percentage that hits a whole pixel exactly
    // must not fall one short through a binary fraction.
    return int(qint64(roundPerc) * std::max(width, height) / 100);
}

void TGLabelShapes::Paint(QPainter &painter)
{
    TCanvas canvas(painter);
    canvas.SetPen(FPen.Color(), FPen.Style(), ZoomedPenWidth(FPen.Width(), ZoomFactor()), FPen.Mode());
    canvas.SetBrush(FBrush.Color(), FBrush.Style());
    const QRect box = OutlineBox(Width(), Height(), canvas.PenWidth());
    const int x2 = box.x() + box.width();
    const int y2 = box.y() + box.height();
    switch (OutlineKind(FShape)) {
    case TOutlineKind::Rectangle:
        canvas.Rectangle(box.x(), box.y(), x2, y2);
        break;
    case TOutlineKind::RoundRect: {
        const int corner = CornerDiameter(FRoundPerc, Width(), Height());
        canvas.RoundRect(box.x(), box.y(), x2, y2, corner, corner);
        break;
    }
    case TOutlineKind::Ellipse:
        canvas.Ellipse(box.x(), box.y(), x2, y2);
        break;
    }
}

void TGLabelShapes::PrintTo(TReport &report, double originX, double originY)
{
    const double ppi = Screen::PixelsPerInch;
    // The report reads a negative width as hundredths of an inch.
    const int hundredths = int(FPen.Width() / ppi * 100);
    report.SetPen(FPen.Color(), FPen.Style(), -hundredths, FPen.Mode());
    report.SetBrush(FBrush.Color(), FBrush.Style());
    // The print box is the object's bounds: no inset for the pen.
    const double x1 = originX + Left() / ppi;
    const double y1 = originY + Top() / ppi;
    const double x2 = originX + (Left() + Width()) / ppi;
    const double y2 = originY + (Top() + Height()) / ppi;
    switch (OutlineKind(FShape)) {
    case TOutlineKind::Rectangle:
        report.Rectangle(x1, y1, x2, y2);
        break;
    case TOutlineKind::RoundRect: {
        const double corner = FRoundPerc * 0.01 * std::max(x2 - x1, y2 - y1);
        report.RoundRect(x1, y1, x2, y2, corner, corner);
        break;
    }
    case TOutlineKind::Ellipse:
        report.Ellipse(x1, y1, x2, y2);
        break;
    }
}

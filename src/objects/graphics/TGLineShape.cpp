#include "objects/graphics/TGLineShape.h"

#include "core/PropertyBuilder.h"
#include "core/TDesign.h"
#include "platform/Screen.h"
#include "platform/TCanvas.h"
#include "platform/TReport.h"
#include "platform/WinMath.h"

TGLineShape::TGLineShape()
{
    FPen.OnChange = [this] { PropertyChanged(); };
    SetBounds(0, 0, 10, 10);
}

const TPropertyTable &TGLineShape::Properties()
{
    using T = TGLineShape;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Enumeration("LineStyle", Prop::Methods(&T::LineStyle, &T::SetLineStyle), TLineStyle::stHorizontal),
        Prop::Nested("Pen", &T::FPen),
    });
    return table;
}

const TPropertyTable &TGLineShape::properties() const
{
    return Properties();
}

int TGLineShape::ZoomedPenWidth(int penWidth, float zoom)
{
    return zoom == 1.0f ? penWidth : WinMath::RoundHalfEven(penWidth * double(zoom));
}

QLine TGLineShape::ScreenLine(TLineStyle style, int width, int height, int penWidth)
{
    // Straight lines sit half a pen width in, so that a wide pen stays within the bounds.
    const int half = penWidth / 2;
    switch (style) {
    case TLineStyle::stHorizontal: return QLine(half, half, width + half - penWidth + 1, half);
    case TLineStyle::stVertical: return QLine(half, half, half, half + height - penWidth + 1);
    case TLineStyle::stAngleSlopingUp: return QLine(width, 0, 0, height);
    case TLineStyle::stAngleSlopingDown: break;
    }
    return QLine(0, 0, width, height);
}

void TGLineShape::Paint(QPainter &painter)
{
    TCanvas canvas(painter);
    canvas.SetPen(FPen.Color(), FPen.Style(), ZoomedPenWidth(FPen.Width(), ZoomFactor()), FPen.Mode());
    const QLine line = ScreenLine(FLineStyle, Width(), Height(), canvas.PenWidth());
    canvas.MoveTo(line.x1(), line.y1());
    canvas.LineTo(line.x2(), line.y2());
}

void TGLineShape::PrintTo(TReport &report, double originX, double originY)
{
    // The pixel width goes to the report as hundredths of an inch unconverted
    // (a negative width), so lines print a little thinner than on screen.
    report.SetPen(FPen.Color(), FPen.Style(), -FPen.Width(), TPenMode::pmCopy);
    const double ppi = Screen::PixelsPerInch;
    const int half = FPen.Width() / 2;
    const double x1 = originX + Left() / ppi;
    const double x2 = originX + (Left() + Width()) / ppi;
    const double y1 = originY + (Top() + half) / ppi;
    const double y2 = originY + (Top() + Height() + half) / ppi;
    switch (FLineStyle) {
    case TLineStyle::stHorizontal:
        report.MoveTo(x1, y1);
        report.LineTo(x2, y1);
        break;
    case TLineStyle::stVertical:
        report.MoveTo(x1, y1);
        report.LineTo(x1, y2);
        break;
    case TLineStyle::stAngleSlopingUp:
        report.MoveTo(x1, y2);
        report.LineTo(x2, y1);
        break;
    case TLineStyle::stAngleSlopingDown:
        report.MoveTo(x1, y1);
        report.LineTo(x2, y2);
        break;
    }
}

void TGLineShape::StretchToEdges()
{
    const TDesign *design = Design();
    if (!design)
        return;
    // The bounds' own repaint and change report follow from SetBounds.
    switch (FLineStyle) {
    case TLineStyle::stHorizontal:
        SetBounds(0, Top(), design->Width(), Height());
        break;
    case TLineStyle::stVertical:
        SetBounds(Left(), 0, Width(), design->Height());
        break;
    case TLineStyle::stAngleSlopingUp:
    case TLineStyle::stAngleSlopingDown:
        break;
    }
}

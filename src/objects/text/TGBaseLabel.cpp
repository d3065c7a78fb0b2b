#include "objects/text/TGBaseLabel.h"

#include "core/PropertyBuilder.h"
#include "platform/Screen.h"
#include "platform/TCanvas.h"
#include "platform/TReport.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPicture>
#include <algorithm>

TGBaseLabel::TGBaseLabel()
{
    FFont.OnChange = [this] {
        FLayoutDirty = true;
        Repaint();
        Changed();
    };
    FFont.SetColor(TColors::clBlack);
    SetBounds(0, 0, 142, 33);
}

const TPropertyTable &TGBaseLabel::Properties()
{
    using T = TGBaseLabel;
    static const TPropertyTable table(TGGraphicControl::Properties(), {
        Prop::Enumeration("Alignment", Prop::Methods(&T::Alignment, &T::SetAlignment), TAlignment::taLeftJustify),
        Prop::Integer("DepthHighlight", Prop::Methods(&T::DepthHighlight, &T::SetDepthHighlight), 0),
        Prop::Integer("DepthShadow", Prop::Methods(&T::DepthShadow, &T::SetDepthShadow), 0),
        Prop::Enumeration("DirectionHighlight", Prop::Methods(&T::DirectionHighlight, &T::SetDirectionHighlight), THighlightDirection::hdUpLeft),
        Prop::Enumeration("DirectionShadow", Prop::Methods(&T::DirectionShadow, &T::SetDirectionShadow), TShadowDirection::sdDownRight),
        Prop::Color("colorHighlight", Prop::Methods(&T::colorHighlight, &T::SetcolorHighlight), TColor(0xFFFF00)),
        Prop::Color("colorShadow", Prop::Methods(&T::colorShadow, &T::SetcolorShadow), TColor(0x808080)),
        Prop::Integer("Angle", Prop::Methods(&T::Angle, &T::SetAngle), 0),
        Prop::String("Caption", Prop::Methods(&T::Caption, &T::SetCaption)),
        Prop::Nested("Font", &T::FFont),
        Prop::Boolean("Transparent", Prop::Methods(&T::Transparent, &T::SetTransparent)),
        Prop::Color("BackColor", Prop::Methods(&T::BackColor, &T::SetBackColor)),
        Prop::Enumeration("BorderStyle", Prop::Methods(&T::BorderStyle, &T::SetBorderStyle)),
    });
    return table;
}

const TPropertyTable &TGBaseLabel::properties() const
{
    return Properties();
}

void TGBaseLabel::SetAlignment(TAlignment value)
{
    UpdateLayout(FAlignment, value);
}

void TGBaseLabel::SetDepthHighlight(qint32 value)
{
    UpdateLayout(FDepthHighlight, value);
}

void TGBaseLabel::SetDepthShadow(qint32 value)
{
    UpdateLayout(FDepthShadow, value);
}

void TGBaseLabel::SetDirectionHighlight(THighlightDirection value)
{
    UpdateLayout(FDirectionHighlight, value);
}

void TGBaseLabel::SetDirectionShadow(TShadowDirection value)
{
    UpdateLayout(FDirectionShadow, value);
}

// Only quarter turns exist. A turn away from upright resets the alignment
// (only upright text is aligned) and stands the box on the matching side.
void TGBaseLabel::SetAngle(qint32 value)
{
    if (value != 0 && value != 90 && value != 180 && value != 270)
        return;
    if (!Update(FAngle, value))
        return;
    FLayoutDirty = true;
    if (value != 0)
        SetAlignment(TAlignment::taLeftJustify);
    const bool upright = value == 0 || value == 180;
    if ((upright && Height() > Width()) || (!upright && Width() > Height()))
        SetBounds(Left(), Top(), Height(), Width());
}

QFont TGBaseLabel::DrawingFont() const
{
    return FFont.ToQFont(ZoomFactor());
}

void TGBaseLabel::LayoutText()
{
    if (!FLayoutDirty)
        return;
    const QFont font = DrawingFont();
    const QFontMetrics metrics(font);
    // The cell height, its internal leading (cell minus character height)
    // and the external leading, as the classic text metrics define them.
    const int cellHeight = metrics.ascent() + metrics.descent();
    const int internalLeading = cellHeight - font.pixelSize();
    TLabelLayout::TInput input;
    input.Angle = FAngle;
    input.Alignment = FAlignment;
    input.ShadowOffset = ShadowOffset();
    input.HighlightOffset = HighlightOffset();
    input.LineHeight = cellHeight + internalLeading + metrics.leading();
    input.TextWidth = metrics.horizontalAdvance(FCaption + QLatin1Char(' '));
    input.Box = QSize(Width(), Height());
    FLayout = TLabelLayout::Compute(input);
    if (FLayout.Box != input.Box)
        SetBounds(Left(), Top(), FLayout.Box.width(), FLayout.Box.height());
    FLayoutDirty = false;
}

const TLabelLayout &TGBaseLabel::Layout()
{
    LayoutText();
    return FLayout;
}

void TGBaseLabel::WriteCaption(QPainter &painter, QPoint origin, const TRect &clip, TColor color) const
{
    painter.save();
    painter.setClipRect(clip.ToQRect(), Qt::IntersectClip);
    painter.translate(origin);
    painter.rotate(-FAngle); // angles turn counter-clockwise
    painter.setPen(toQColor(color));
    painter.drawText(QPointF(0, QFontMetrics(painter.font()).ascent()), FCaption);
    painter.restore();
}

void TGBaseLabel::DrawLabel(QPainter &painter)
{
    LayoutText();
    TCanvas canvas(painter);
    if (!FTransparent)
        canvas.FillRect(QRect(0, 0, Width(), Height()), FBackColor);
    painter.save();
    painter.setFont(DrawingFont());
    if (FDepthShadow > 0 && FDirectionShadow != TShadowDirection::sdNone)
        WriteCaption(painter, FLayout.ShadowOrigin, FLayout.ShadowRect, FcolorShadow);
    if (FDepthHighlight > 0 && FDirectionHighlight != THighlightDirection::hdNone)
        WriteCaption(painter, FLayout.HighlightOrigin, FLayout.HighlightRect, FcolorHighlight);
    WriteCaption(painter, FLayout.TextOrigin, FLayout.TextRect, FFont.Color());
    painter.restore();
    if (FBorderStyle == TBorderStyle::bsSingle) {
        canvas.SetPen(TColors::clBlack, TPenStyle::psSolid, 1);
        canvas.SetBrush(TColors::clWhite, TBrushStyle::bsClear);
        canvas.Rectangle(0, 0, Width(), Height());
    }
}

void TGBaseLabel::Paint(QPainter &painter)
{
    if (Width() < 5 || Height() < 5)
        FLayoutDirty = true;
    DrawLabel(painter);
}

// Printed as the screen drawing recorded at the object's pixel size and
// stretched over its place in inches: text stays text in the print.
void TGBaseLabel::PrintTo(TReport &report, double originX, double originY)
{
    QPicture picture;
    {
        QPainter recorder(&picture);
        DrawLabel(recorder);
    }
    const double ppi = Screen::PixelsPerInch;
    report.DrawPicture(Left() / ppi + originX, Top() / ppi + originY, (Left() + Width()) / ppi + originX,
                       (Top() + Height()) / ppi + originY, picture, QRectF(0, 0, Width(), Height()));
}

void TGBaseLabel::BoundsChanged()
{
    TGGraphicControl::BoundsChanged();
    FLayoutDirty = true;
    if (Width() < 1 || Height() < 1)
        SetBounds(Left(), Top(), qMax(1, Width()), qMax(1, Height()));
}

void TGBaseLabel::ApplyFont(const TFont &font)
{
    FFont.Assign(font);
    FLayoutDirty = true;
}

void TGBaseLabel::FitToText()
{
    // Uses the layout of the last drawing as it stands: fitting never
    // shrinks the box, so it does not lay out anew.
    if (FAngle != 0)
        return;
    const QFontMetrics metrics(DrawingFont());
    const int neededWidth = std::max({FLayout.TextRect.Left, FLayout.ShadowRect.Left, FLayout.HighlightRect.Left})
        + metrics.horizontalAdvance(FCaption + QStringLiteral("     "));
    const int neededHeight = std::max({FLayout.TextRect.Top, FLayout.ShadowRect.Top, FLayout.HighlightRect.Top})
        + metrics.ascent() + metrics.descent();
    SetBounds(Left(), Top(), qMax(Width(), neededWidth), qMax(Height(), neededHeight));
    FLayoutDirty = true;
    Repaint();
}

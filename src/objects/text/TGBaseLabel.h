#pragma once

#include "core/Enumerations.h"
#include "core/TFont.h"
#include "core/TGGraphicControl.h"
#include "objects/text/TLabelLayout.h"
#include "platform/TColor.h"

#include <QString>

class QFont;

// Single-line text: one line in one font, turned by quarter turns, with
// optional shadow and highlight copies, background and border.
class TGBaseLabel : public TGGraphicControl
{
public:
    TGBaseLabel();

    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    qint32 DepthHighlight() const { return FDepthHighlight; }
    void SetDepthHighlight(qint32 value);
    qint32 DepthShadow() const { return FDepthShadow; }
    void SetDepthShadow(qint32 value);
    THighlightDirection DirectionHighlight() const { return FDirectionHighlight; }
    void SetDirectionHighlight(THighlightDirection value);
    TShadowDirection DirectionShadow() const { return FDirectionShadow; }
    void SetDirectionShadow(TShadowDirection value);
    TColor colorHighlight() const { return FcolorHighlight; }
    void SetcolorHighlight(TColor value) { Update(FcolorHighlight, value); }
    TColor colorShadow() const { return FcolorShadow; }
    void SetcolorShadow(TColor value) { Update(FcolorShadow, value); }
    qint32 Angle() const { return FAngle; }
    void SetAngle(qint32 value);
    QString Caption() const { return FCaption; }
    void SetCaption(const QString &value) { Update(FCaption, value); }
    TFont &Font() { return FFont; }
    const TFont &Font() const { return FFont; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { Update(FTransparent, value); }
    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value) { Update(FBackColor, value); }
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value) { Update(FBorderStyle, value); }

    QPoint ShadowOffset() const { return TLabelLayout::ShadowOffsetFor(FDirectionShadow, FDepthShadow); }
    QPoint HighlightOffset() const { return TLabelLayout::HighlightOffsetFor(FDirectionHighlight, FDepthHighlight); }
    // The layout of the last drawing, refreshed first when it is out of date.
    const TLabelLayout &Layout();
    bool LayoutDirty() const { return FLayoutDirty; }
    void SetLayoutDirty() { FLayoutDirty = true; }

    void Paint(QPainter &painter) override;
    void PrintTo(TReport &report, double originX, double originY) override;
    void BoundsChanged() override;
    void ApplyFont(const TFont &font) override;
    // Grows the box to hold unrotated text with its copies; never shrinks it.
    void FitToText();

protected:
    // The font the label draws with at its zoom, turned by its angle when rotated.
    QFont DrawingFont() const;
    // Draws background, shadow, highlight, text and border, laying out first.
    void DrawLabel(QPainter &painter);

private:
    TAlignment FAlignment = TAlignment::taLeftJustify;
    qint32 FDepthHighlight = 0;
    qint32 FDepthShadow = 0;
    THighlightDirection FDirectionHighlight = THighlightDirection::hdUpLeft;
    TShadowDirection FDirectionShadow = TShadowDirection::sdDownRight;
    TColor FcolorHighlight = TColor(0xFFFF00);
    TColor FcolorShadow = TColor(0x808080);
    qint32 FAngle = 0;
    QString FCaption = QStringLiteral("Text");
    TFont FFont;
    bool FTransparent = true;
    TColor FBackColor = TColors::clWhite;
    TBorderStyle FBorderStyle = TBorderStyle::bsNone;

    void LayoutText();
    void WriteCaption(QPainter &painter, QPoint origin, const TRect &clip, TColor color) const;
    // Setters whose value moves the text mark the layout out of date.
    template <class V>
    void UpdateLayout(V &field, const V &value)
    {
        if (Update(field, value))
            FLayoutDirty = true;
    }

    bool FLayoutDirty = true;
    TLabelLayout FLayout;
};

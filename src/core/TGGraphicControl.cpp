#include "core/TGGraphicControl.h"

#include "core/PropertyBuilder.h"
#include "core/TDesign.h"
#include "platform/WinMath.h"

#include <QPainter>

TGGraphicControl::TGGraphicControl() = default;

TGGraphicControl::~TGGraphicControl() = default;

const TPropertyTable &TGGraphicControl::Properties()
{
    using T = TGGraphicControl;
    static const TPropertyTable table({
        Prop::Integer("Tag", Prop::Methods(&T::Tag, &T::SetTag), 0),
        Prop::Integer("Left", Prop::Methods(&T::Left, &T::SetLeft)),
        Prop::Integer("Top", Prop::Methods(&T::Top, &T::SetTop)),
        Prop::Integer("Width", Prop::Methods(&T::Width, &T::SetWidth)),
        Prop::Integer("Height", Prop::Methods(&T::Height, &T::SetHeight)),
        Prop::Cursor("Cursor", Prop::Methods(&T::Cursor, &T::SetCursor), TCursors::crDefault),
        Prop::String("Hint", Prop::Methods(&T::Hint, &T::SetHint)),
        Prop::Boolean("Locked", Prop::Methods(&T::Locked, &T::SetLocked)),
        Prop::Boolean("Unselectable", Prop::Methods(&T::Unselectable, &T::SetUnselectable)),
    });
    return table;
}

const TPropertyTable &TGGraphicControl::properties() const
{
    return Properties();
}

void TGGraphicControl::SetName(const QString &value)
{
    if (FName == value)
        return;
    const QString old = FName;
    FName = value;
    if (FDesign)
        FDesign->ObjectRenamed(old, FName);
}

void TGGraphicControl::SetBounds(qint32 left, qint32 top, qint32 width, qint32 height)
{
    if (left == FLeft && top == FTop && width == FWidth && height == FHeight)
        return;
    FLeft = left;
    FTop = top;
    FWidth = width;
    FHeight = height;
    if (!FLoading) {
        Repaint();
        BoundsChanged();
    }
}

void TGGraphicControl::SetUnselectable(bool value)
{
    if (Update(FUnselectable, value) && value && FDesign && !FLoading)
        FDesign->ObjectBecameUnselectable(this);
}

void TGGraphicControl::Changed()
{
    if (FDesign && !FLoading)
        FDesign->ObjectChanged(this);
}

void TGGraphicControl::Repaint()
{
    if (FDesign)
        FDesign->ObjectNeedsRepaint(this);
}

void TGGraphicControl::PropertyChanged()
{
    Repaint();
    Changed();
}

void TGGraphicControl::Loaded() {}

void TGGraphicControl::Paint(QPainter &) {}

void TGGraphicControl::DrawOnto(QPainter &painter, int x, int y)
{
    painter.save();
    painter.translate(x, y);
    Paint(painter);
    painter.restore();
}

void TGGraphicControl::PrintTo(TReport &, double, double) {}

void TGGraphicControl::ApplyFont(const TFont &) {}

void TGGraphicControl::BeforeWrite() {}

void TGGraphicControl::BoundsChanged()
{
    if (FInBoundsChanged)
        return;
    FInBoundsChanged = true;
    const QRect bounds = BoundsRect();
    if (FLastBounds == QRect(0, 0, 0, 0))
        FLastBounds = bounds;
    if (bounds != FLastBounds) {
        Changed();
        FLastBounds = bounds;
        if (FDesign)
            FDesign->RequestRefit();
    }
    FInBoundsChanged = false;
}

void TGGraphicControl::SetZoom(float newFactor)
{
    if (newFactor == FZoomFactor)
        return;
    const double f = double(newFactor) / double(FZoomFactor);
    FZoomFactor = newFactor;
    // Setting the bounds reports them, when rounding changed them at all.
    SetBounds(WinMath::RoundHalfEven(FLeft * f), WinMath::RoundHalfEven(FTop * f),
              WinMath::RoundHalfEven(FWidth * f), WinMath::RoundHalfEven(FHeight * f));
}

void TGGraphicControl::CenterVertically()
{
    if (!FDesign)
        return;
    SetTop(FDesign->Height() / 2 - FHeight / 2);
    Changed();
}

void TGGraphicControl::CenterHorizontally()
{
    if (!FDesign)
        return;
    SetLeft(FDesign->Width() / 2 - FWidth / 2);
    Changed();
}

QString TGGraphicControl::TrimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

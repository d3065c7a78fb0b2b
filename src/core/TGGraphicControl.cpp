#include "core/TGGraphicControl.h"

#include "core/PropertyBuilder.h"
#include "core/TDesign.h"

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
    Changed();
}

void TGGraphicControl::Changed()
{
    if (FDesign && !FLoading)
        FDesign->ObjectChanged(this);
}

void TGGraphicControl::Loaded() {}

#include "ui/TGHandle.h"

#include "core/TDesign.h"
#include "core/TGGraphicControl.h"
#include "platform/TClock.h"
#include "ui/TCursorImages.h"
#include "ui/TGBasePanel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// A press released sooner than this never moves anything, and a drag from
// a click on an object starts only once this much time has passed.
constexpr qint64 QuickClickMs = 150;
constexpr qint64 DragStartMs = 10;
constexpr int MinimumFrameSize = 5;
// Shift+arrow shrinks a single object no further than this preview size.
constexpr int MinimumNudgeSize = 10;

bool IsArrowKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

TCursor ZoneCursor(TGHandle::THitZone zone)
{
    switch (zone) {
    case TGHandle::hzTopLeft:
    case TGHandle::hzBottomRight:
        return TCursors::crSizeNWSE;
    case TGHandle::hzTopRight:
    case TGHandle::hzBottomLeft:
        return TCursors::crSizeNESW;
    case TGHandle::hzTop:
    case TGHandle::hzBottom:
        return TCursors::crSizeNS;
    case TGHandle::hzLeft:
    case TGHandle::hzRight:
        return TCursors::crSizeWE;
    case TGHandle::hzMove:
        break;
    }
    return TCursorImages::crHandGrab;
}

} // namespace

TGHandle::TGHandle(TGBasePanel &surface) : QWidget(&surface), FSurface(surface)
{
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    // An empty frame stays out of the way until something is selected.
    setEnabled(false);
    hide();
    setGeometry(FBounds);
}

qint64 TGHandle::Now() const
{
    return FSurface.Clock().NowMs();
}

TGGraphicControl *TGHandle::SelectedAt(int index) const
{
    if (index < 0 || index >= SelectedCount())
        return nullptr;
    return FSelection[size_t(index)];
}

int TGHandle::IndexOfSelected(const TGGraphicControl *object) const
{
    const auto it = std::find(FSelection.begin(), FSelection.end(), object);
    return it == FSelection.end() ? -1 : int(it - FSelection.begin());
}

void TGHandle::SetFrameBounds(const QRect &bounds)
{
    FBounds = bounds;
    setGeometry(bounds);
}

void TGHandle::GrowAround(const TGGraphicControl &object)
{
    const int newLeft = std::min(FBounds.x(), object.Left() - 2);
    const int newTop = std::min(FBounds.y(), object.Top() - 2);
    const int rightLimit = std::max(FBounds.x() + FBounds.width() - 3, object.Left() + object.Width());
    const int bottomLimit = std::max(FBounds.y() + FBounds.height() - 3, object.Top() + object.Height());
    SetFrameBounds(QRect(newLeft, newTop, rightLimit - newLeft + 3, bottomLimit - newTop + 3));
}

void TGHandle::AddToSelection(TGGraphicControl *object)
{
    if (!object || object->Unselectable())
        return;
    FPressTime = Now();
    if (IndexOfSelected(object) >= 0)
        return;
    FSurface.SetScreenCursor(TCursorImages::crHandGrab);
    if (FSelection.empty()) {
        FDragShown = false;
        setEnabled(true);
        show();
        SetFrameBounds(QRect(object->Left() - 2, object->Top() - 2, object->Width() + 5, object->Height() + 5));
    } else {
        GrowAround(*object);
    }
    FSelection.push_back(object);
    FHitZone = hzMove;
    raise();
    FCaptured = true;
    if (isVisible() && isEnabled())
        setFocus();
    RepaintSurface();
}

void TGHandle::HideEmptyFrame()
{
    setEnabled(false);
    hide();
    FDragShown = false;
    FCaptured = false;
}

void TGHandle::RemoveFromSelection(TGGraphicControl *object)
{
    const int index = IndexOfSelected(object);
    if (index < 0)
        return;
    FSelection.erase(FSelection.begin() + index);
    if (FSelection.empty()) {
        HideEmptyFrame();
    } else {
        const TGGraphicControl &first = *FSelection.front();
        SetFrameBounds(QRect(first.Left() - 2, first.Top() - 2, first.Width() + 5, first.Height() + 5));
        for (const TGGraphicControl *other : FSelection)
            GrowAround(*other);
    }
    RepaintSurface();
}

void TGHandle::ClearSelection()
{
    FSelection.clear();
    HideEmptyFrame();
    SetFrameBounds(QRect(FBounds.topLeft(), QSize(24, 24)));
    RepaintSurface();
}

void TGHandle::BringSelectionToFront()
{
    if (FSelection.empty())
        return;
    for (TGGraphicControl *object : FSelection)
        FSurface.Design().BringToFront(object);
    raise();
    setFocus();
    RepaintSurface();
}

void TGHandle::SendSelectionToBack()
{
    if (FSelection.empty())
        return;
    for (TGGraphicControl *object : FSelection)
        FSurface.Design().SendToBack(object);
    raise();
    setFocus();
    RepaintSurface();
}

void TGHandle::FitToSelection()
{
    if (FSelection.empty())
        return;
    int minLeft = FSelection.front()->Left();
    int minTop = FSelection.front()->Top();
    int maxRight = minLeft + FSelection.front()->Width();
    int maxBottom = minTop + FSelection.front()->Height();
    for (const TGGraphicControl *object : FSelection) {
        minLeft = std::min(minLeft, object->Left());
        minTop = std::min(minTop, object->Top());
        maxRight = std::max(maxRight, object->Left() + object->Width());
        maxBottom = std::max(maxBottom, object->Top() + object->Height());
    }
    raise();
    // One pixel larger to the right and below than the frame a selection
    // grows to object by object.
    SetFrameBounds(QRect(minLeft - 2, minTop - 2, maxRight - minLeft + 6, maxBottom - minTop + 6));
    RepaintSurface();
}

void TGHandle::SetBounds(int left, int top, int width, int height)
{
    const QRect old = FBounds;
    // Moving objects reports their changes, whose handlers may touch the selection.
    const std::vector<TGGraphicControl *> selection = FSelection;
    for (TGGraphicControl *object : selection) {
        if (object->Locked())
            continue;
        object->SetBounds(left + object->Left() - old.x(), top + object->Top() - old.y(),
                          width + object->Width() - old.width(), height + object->Height() - old.height());
    }
    SetFrameBounds(QRect(left, top, width, height));
}

int TGHandle::SnapX(int v) const
{
    return FSnapX * (v / FSnapX);
}

int TGHandle::SnapY(int v) const
{
    return FSnapY * (v / FSnapY);
}

void TGHandle::SetGridX(int value)
{
    value = std::clamp(value, 1, 32);
    if (value == FGridX)
        return;
    FGridX = value;
    FSnapX = value;
    RepaintSurface();
}

void TGHandle::SetGridY(int value)
{
    value = std::clamp(value, 1, 32);
    if (value == FGridY)
        return;
    FGridY = value;
    FSnapY = value;
    RepaintSurface();
}

void TGHandle::SetSnapToGrid(bool value)
{
    FSnapX = value ? FGridX : 1;
    FSnapY = value ? FGridY : 1;
}

void TGHandle::SetColor(TColor value)
{
    FColor = value;
    RepaintSurface();
}

void TGHandle::SetSecondaryColor(TColor value)
{
    FSecondaryColor = value;
    RepaintSurface();
}

std::vector<QRect> TGHandle::SelectionSquares(const QRect &objectBounds, bool onlyOne)
{
    const int left = objectBounds.x() - 2;
    const int top = objectBounds.y() - 2;
    const int right = objectBounds.x() + objectBounds.width() + 2;
    const int bottom = objectBounds.y() + objectBounds.height() + 2;
    std::vector<QRect> squares = {
        QRect(left, top, 5, 5),
        QRect(right - 5, top, 5, 5),
        QRect(right - 5, bottom - 5, 5, 5),
        QRect(left, bottom - 5, 5, 5),
    };
    if (onlyOne) {
        const int halfWidth = (right - left) / 2;
        const int halfHeight = (bottom - top) / 2;
        squares.emplace_back(left + halfWidth - 2, top, 5, 5);
        squares.emplace_back(left + halfWidth - 2, bottom - 5, 5, 5);
        squares.emplace_back(left, top + halfHeight - 2, 5, 5);
        squares.emplace_back(right - 5, top + halfHeight - 2, 5, 5);
    }
    return squares;
}

void TGHandle::DrawSelectionSquares(QPainter &surfacePainter) const
{
    if (FSelection.empty())
        return;
    const bool onlyOne = FSelection.size() == 1;
    const QColor color = toQColor(colorToRGB(onlyOne ? FColor : FSecondaryColor));
    for (const TGGraphicControl *object : FSelection)
        for (const QRect &square : SelectionSquares(object->BoundsRect(), onlyOne))
            surfacePainter.fillRect(square, color);
}

void TGHandle::DrawPreviews(QPainter &surfacePainter) const
{
    if (FDragShown)
        TGBasePanel::DrawXorOutline(surfacePainter, {FDragBounds.x() + 2, FDragBounds.y() + 2,
                                                     FDragBounds.x() + FDragBounds.width() - 3,
                                                     FDragBounds.y() + FDragBounds.height() - 3});
    if (FNudging)
        TGBasePanel::DrawXorOutline(surfacePainter, {FNudgeLeft, FNudgeTop, FNudgeRight, FNudgeBottom});
}

void TGHandle::RepaintSurface()
{
    FSurface.update();
}

void TGHandle::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    FPressTime = Now();
    if (FSurface.Pointing() && event->button() == Qt::LeftButton) {
        // Anywhere on the frame, also between the selected objects.
        FDragStart = pos;
        FDragging = true;
        if (OnMouseDown)
            OnMouseDown(event->button(), event->modifiers(), pos);
    } else if (event->button() == Qt::RightButton) {
        ShowRightClickMenu(pos + FBounds.topLeft());
    } else {
        FSurface.SetScreenCursor(TCursors::crDefault);
        PassPressThrough(event->button(), pos);
    }
}

void TGHandle::ShowRightClickMenu(QPoint surfacePos)
{
    const QPoint globalPos = FSurface.mapToGlobal(surfacePos);
    if (FSelection.size() == 1 && FSelection.front()->BoundsRect().adjusted(-2, -2, 2, 2).contains(surfacePos))
        FSurface.ShowObjectMenu(*FSelection.front(), globalPos);
    else
        FSurface.ShowSurfaceMenu(globalPos);
}

// Objects are not widgets, so whatever the frame does not handle goes to the
// surface, which finds the object under the point itself. The key state is
// not handed on.
void TGHandle::PassPressThrough(Qt::MouseButton button, QPoint pos)
{
    FCaptured = false;
    FSurface.DispatchMousePress(button, Qt::NoModifier, pos + FBounds.topLeft());
}

void TGHandle::PassReleaseThrough(Qt::MouseButton button, QPoint pos)
{
    FCaptured = false;
    FSurface.SurfaceMouseUp(button, Qt::NoModifier, pos + FBounds.topLeft());
}

void TGHandle::mouseMoveEvent(QMouseEvent *event)
{
    FrameMouseMove(event->position().toPoint(), event->buttons(), event->modifiers());
}

void TGHandle::FrameMouseMove(QPoint pos, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    // The first press of a double click must not leave a drag running.
    if (FAfterDoubleClick)
        FDragging = false;
    FAfterDoubleClick = false;
    const bool leftDown = buttons.testFlag(Qt::LeftButton);
    if (!FSurface.Pointing()) {
        FSurface.SetScreenCursor(TCursors::crDrag);
    } else if (!leftDown || FDragging) {
        if (!leftDown)
            FCaptured = false;
        if (!FDragging)
            FSurface.SetScreenCursor(TCursorImages::crHandGrab);
        const THitZone zone = FSelection.size() == 1 ? ZoneAt(pos) : hzMove;
        if (FDragging) {
            FDragBounds = DraggedBounds(ClampToSurface(pos));
            FDragShown = true;
            RepaintSurface();
        } else {
            FHitZone = zone;
        }
    } else if (FPressTime > 0 && Now() - FPressTime > DragStartMs) {
        FDragging = true;
        FDragStart = pos;
    }
    if (OnMouseMove)
        OnMouseMove(buttons, modifiers, pos);
}

TGHandle::THitZone TGHandle::ZoneAt(QPoint pos)
{
    const int x = pos.x();
    const int y = pos.y();
    const int right = FBounds.width();
    const int bottom = FBounds.height();
    const auto near = [](int a, int b) { return std::abs(a - b) < 8; };
    const bool middleX = std::fabs(x - right / 2.0) < 6;
    const bool middleY = std::fabs(y - bottom / 2.0) < 6;
    // Later matches win, so the edge middles take over from the corners of small frames.
    THitZone zone = hzMove;
    if (near(x, 0) && near(y, 0))
        zone = hzTopLeft;
    if (near(x, right) && near(y, bottom))
        zone = hzBottomRight;
    if (near(x, right) && near(y, 0))
        zone = hzTopRight;
    if (near(x, 0) && near(y, bottom))
        zone = hzBottomLeft;
    if (middleX && near(y, 0))
        zone = hzTop;
    if (middleX && near(y, bottom))
        zone = hzBottom;
    if (middleY && near(x, 0))
        zone = hzLeft;
    if (middleY && near(x, right))
        zone = hzRight;
    if (zone != hzMove)
        FSurface.SetScreenCursor(ZoneCursor(zone));
    return zone;
}

// The pointer may not leave the surface while dragging, so the frame's
// corner stays on the card as far as the pointer can take it.
QPoint TGHandle::ClampToSurface(QPoint pos) const
{
    int x = std::max(pos.x(), -FBounds.x());
    int y = std::max(pos.y(), -FBounds.y());
    x = std::min(x, FSurface.width() - FBounds.x());
    y = std::min(y, FSurface.height() - FBounds.y());
    return QPoint(x, y);
}

QRect TGHandle::DraggedBounds(QPoint pos) const
{
    const int left = FBounds.x();
    const int top = FBounds.y();
    const int width = FBounds.width();
    const int height = FBounds.height();
    const int dx = pos.x() - FDragStart.x();
    const int dy = pos.y() - FDragStart.y();
    int newLeft = left;
    int newTop = top;
    int newWidth = width;
    int newHeight = height;
    // The edge that follows the pointer on the right or at the bottom ends
    // one pixel short of it.
    const bool movesLeft = FHitZone == hzMove || FHitZone == hzTopLeft || FHitZone == hzBottomLeft
        || FHitZone == hzLeft;
    const bool movesTop = FHitZone == hzMove || FHitZone == hzTopLeft || FHitZone == hzTopRight
        || FHitZone == hzTop;
    const bool movesRight = FHitZone == hzTopRight || FHitZone == hzBottomRight || FHitZone == hzRight;
    const bool movesBottom = FHitZone == hzBottomLeft || FHitZone == hzBottomRight || FHitZone == hzBottom;
    if (movesLeft) {
        newLeft = SnapX(left + dx);
        if (FHitZone != hzMove)
            newWidth = width + left - newLeft;
    }
    if (movesTop) {
        newTop = SnapY(top + dy);
        if (FHitZone != hzMove)
            newHeight = height + top - newTop;
    }
    if (movesRight)
        newWidth = SnapX(width + dx) - 1;
    if (movesBottom)
        newHeight = SnapY(height + dy) - 1;
    return QRect(newLeft, newTop, std::max(newWidth, MinimumFrameSize), std::max(newHeight, MinimumFrameSize));
}

void TGHandle::mouseReleaseEvent(QMouseEvent *event)
{
    FrameMouseRelease(event->position().toPoint(), event->button(), event->modifiers());
}

void TGHandle::FrameMouseRelease(QPoint pos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    if (FDragging && Now() - FPressTime < QuickClickMs)
        FDragStart = pos;
    FPressTime = 0;
    if (!FDragging || button != Qt::LeftButton) {
        PassReleaseThrough(button, pos);
    } else {
        const QPoint clamped = ClampToSurface(pos);
        if (clamped != FDragStart) {
            const QRect bounds = DraggedBounds(clamped);
            SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        }
        FDragShown = false;
        setFocus();
        FDragging = false;
        FSurface.SetScreenCursor(TCursors::crDefault);
        FCaptured = false;
        if (OnMouseUp)
            OnMouseUp(button, modifiers, clamped);
    }
    RepaintSurface();
}

void TGHandle::mouseDoubleClickEvent(QMouseEvent *event)
{
    FAfterDoubleClick = true;
    if (OnDblClick)
        OnDblClick(event->position().toPoint());
}

void TGHandle::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (IsArrowKey(key)) {
        if (!FNudging) {
            FNudging = true;
            FNudgeLeft = FBounds.x() + 2;
            FNudgeTop = FBounds.y() + 2;
            FNudgeRight = FBounds.x() + FBounds.width() - 3;
            FNudgeBottom = FBounds.y() + FBounds.height() - 3;
        }
        ApplyNudgeKey(key, event->modifiers().testFlag(Qt::ShiftModifier));
    }
    if (OnKeyDown)
        OnKeyDown(key, event->modifiers());
    if (FNudging)
        RepaintSurface();
}

// Only the preview moves while a key is held; the objects follow once, on
// release. Nudges ignore the grid.
void TGHandle::ApplyNudgeKey(int key, bool shift)
{
    const int width = FNudgeRight - FNudgeLeft + 1;
    const int height = FNudgeBottom - FNudgeTop + 1;
    const bool roomRight = FSurface.width() >= width + FNudgeLeft;
    const bool roomBelow = FSurface.height() >= height + FNudgeTop;
    if (shift && FSelection.size() == 1) {
        if (key == Qt::Key_Left && width > MinimumNudgeSize)
            --FNudgeRight;
        else if (key == Qt::Key_Up && height > MinimumNudgeSize)
            --FNudgeBottom;
        else if (key == Qt::Key_Right && roomRight)
            ++FNudgeRight;
        else if (key == Qt::Key_Down && roomBelow)
            ++FNudgeBottom;
        return;
    }
    int dx = 0;
    int dy = 0;
    if (key == Qt::Key_Left && FNudgeLeft > 0)
        dx = -1;
    else if (key == Qt::Key_Up && FNudgeTop > 0)
        dy = -1;
    else if (key == Qt::Key_Right && roomRight)
        dx = 1;
    else if (key == Qt::Key_Down && roomBelow)
        dy = 1;
    FNudgeLeft += dx;
    FNudgeRight += dx;
    FNudgeTop += dy;
    FNudgeBottom += dy;
}

void TGHandle::keyReleaseEvent(QKeyEvent *event)
{
    // Qt reports a held key as repeated release and press pairs; only the
    // real release ends a nudge.
    if (event->isAutoRepeat())
        return;
    QWidget::keyReleaseEvent(event);
    if (FNudging)
        FinishNudge();
}

void TGHandle::FinishNudge()
{
    FNudging = false;
    SetBounds(FNudgeLeft - 2, FNudgeTop - 2, FNudgeRight - FNudgeLeft + 5, FNudgeBottom - FNudgeTop + 5);
    RepaintSurface();
}

void TGHandle::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (!FDragging)
        FSurface.SetScreenCursor(FSurface.Pointing() ? TCursors::crDefault : TCursors::crDrag);
}

void TGHandle::paintEvent(QPaintEvent *)
{
    // Transparent: the surface draws the squares and previews beneath.
}

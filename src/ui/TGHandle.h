#pragma once

#include "platform/TColor.h"

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

class QPainter;
class TGBasePanel;
class TGGraphicControl;

// The selection frame of a design surface: a transparent child widget laid
// over the common bounding box of the selected objects, 2 pixels left and
// above and 3 right and below, so that it receives the mouse and the keys
// while something is selected. It moves and resizes the selection with the
// mouse (with optional grid snapping) and the arrow keys, shows the right
// menu on a right click and hands every other click to the surface.
//
// The frame paints nothing itself: the surface draws the selection squares
// and the frame's outline previews as the last step of its own painting.
class TGHandle : public QWidget
{
public:
    // Which edges a drag moves, from where the pointer was when it began.
    enum THitZone {
        hzMove, hzTopLeft, hzTopRight, hzBottomLeft, hzBottomRight, hzTop, hzLeft, hzBottom, hzRight
    };

    explicit TGHandle(TGBasePanel &surface);

    // The selection, in the order the objects were added.
    void AddToSelection(TGGraphicControl *object);
    void RemoveFromSelection(TGGraphicControl *object);
    void ClearSelection();
    int SelectedCount() const { return int(FSelection.size()); }
    // nullptr when index is out of range.
    TGGraphicControl *SelectedAt(int index) const;
    int IndexOfSelected(const TGGraphicControl *object) const;
    const std::vector<TGGraphicControl *> &Selection() const { return FSelection; }
    void BringSelectionToFront();
    void SendSelectionToBack();

    // Refits the frame around the selected objects; the surface calls it
    // once objects have reported new bounds.
    void FitToSelection();
    // Moves the frame and every selected object that is not locked by the
    // same offset, growing or shrinking them by the same amount.
    void SetBounds(int left, int top, int width, int height);

    // Effective grid step × (v div step), truncating toward zero.
    int SnapX(int v) const;
    int SnapY(int v) const;
    int GridX() const { return FGridX; }
    void SetGridX(int value);
    int GridY() const { return FGridY; }
    void SetGridY(int value);
    bool SnapToGrid() const { return FSnapX > 1 || FSnapY > 1; }
    void SetSnapToGrid(bool value);

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TColor SecondaryColor() const { return FSecondaryColor; }
    void SetSecondaryColor(TColor value);

    // The squares around each selected object, in surface coordinates: four
    // corners, and four edge middles when it is the only one selected.
    static std::vector<QRect> SelectionSquares(const QRect &objectBounds, bool onlyOne);
    // Draws the squares of every selected object (black for one, gray for several).
    void DrawSelectionSquares(QPainter &surfacePainter) const;
    // The outline a drag or an arrow-key nudge will give the objects, while one is under way.
    void DrawPreviews(QPainter &surfacePainter) const;

    THitZone HitZone() const { return FHitZone; }
    bool Dragging() const { return FDragging; }
    bool Nudging() const { return FNudging; }
    void SetAfterDoubleClick(bool value) { FAfterDoubleClick = value; }

    QRect Bounds() const { return FBounds; }

    // Selecting an object captures the mouse for the frame: the drag that
    // follows a click on an object reaches the frame, although the surface
    // received the press and Qt keeps sending it the moves.
    bool HasCapture() const { return FCaptured; }
    void FrameMouseMove(QPoint framePos, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void FrameMouseRelease(QPoint framePos, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);

    // The surface's handlers; positions are in frame coordinates.
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)> OnMouseDown;
    std::function<void(Qt::MouseButtons, Qt::KeyboardModifiers, QPoint)> OnMouseMove;
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)> OnMouseUp;
    std::function<void(int, Qt::KeyboardModifiers)> OnKeyDown;
    std::function<void(QPoint)> OnDblClick;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    qint64 Now() const;
    void ShowRightClickMenu(QPoint surfacePos);
    void PassPressThrough(Qt::MouseButton button, QPoint pos);
    void PassReleaseThrough(Qt::MouseButton button, QPoint pos);
    void GrowAround(const TGGraphicControl &object);
    void SetFrameBounds(const QRect &bounds);
    void HideEmptyFrame();
    // The zone under pos, when exactly one object is selected; sets the matching cursor.
    THitZone ZoneAt(QPoint pos);
    QPoint ClampToSurface(QPoint pos) const;
    QRect DraggedBounds(QPoint pos) const;
    void ApplyNudgeKey(int key, bool shift);
    void FinishNudge();
    void RepaintSurface();

    TGBasePanel &FSurface;
    qint64 FPressTime = 0;
    // The frame's bounds as the rules compute them; the widget's geometry
    // follows, except that Qt keeps a widget's size from going negative.
    QRect FBounds{0, 0, 24, 24};
    QPoint FDragStart;
    THitZone FHitZone = hzMove;
    bool FDragging = false;
    bool FNudging = false;
    bool FCaptured = false;
    bool FAfterDoubleClick = false;
    // Left, top, right, bottom of the nudge preview in surface coordinates,
    // right and bottom being the last covered column and row plus one.
    int FNudgeLeft = 0, FNudgeTop = 0, FNudgeRight = 0, FNudgeBottom = 0;
    // The bounds a drag would give the frame, while its preview is shown.
    QRect FDragBounds;
    bool FDragShown = false;
    TColor FColor = TColors::clBlack;
    TColor FSecondaryColor = TColors::clGray;
    int FGridX = 8;
    int FGridY = 8;
    int FSnapX = 1;
    int FSnapY = 1;
    std::vector<TGGraphicControl *> FSelection;
};

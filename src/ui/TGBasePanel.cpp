#include "ui/TGBasePanel.h"

#include "core/TCardPainter.h"
#include "core/TDesign.h"
#include "core/TGGraphicControl.h"
#include "objects/StandardClasses.h"
#include "platform/TClock.h"
#include "ui/FontConversion.h"
#include "ui/TCursorImages.h"
#include "ui/TGHandle.h"
#include "ui/TGObjectMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace {

// Two deliveries of one Ctrl+V (the main window and the focused frame both
// hand keys to the surface) come closer together than this.
constexpr qint64 PasteGuardMs = 1000;

// Runs a step whose failure must not stop the caller.
template <class F>
void IgnoringFailure(F step)
{
    try {
        step();
    } catch (...) {
    }
}

} // namespace

TGBasePanel::TGBasePanel(TDesign &design, const QString &programFolder, QWidget *parent)
    : QWidget(parent),
      FDesign(design),
      FFrame(new TGHandle(*this)),
      FFiler(StandardClasses()),
      FClock(&TClock::System()),
      FClipboardFileName(QDir(programFolder).filePath(QStringLiteral("Clipbrd.tmp"))),
      FScratchFileName(QDir(programFolder).filePath(QStringLiteral("TempFile.tmp")))
{
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(FDesign.Width(), FDesign.Height());
    FFrame->OnMouseDown = [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
        FrameMouseDown(button, modifiers, pos);
    };
    FFrame->OnMouseMove = [this](Qt::MouseButtons, Qt::KeyboardModifiers, QPoint pos) {
        SurfaceMouseMove(pos + FFrame->Bounds().topLeft());
    };
    FFrame->OnMouseUp = [this](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
        SurfaceMouseUp(button, modifiers, pos + FFrame->Bounds().topLeft());
    };
    FFrame->OnKeyDown = [this](int key, Qt::KeyboardModifiers modifiers) { HandleKey(key, modifiers); };
    FFrame->OnDblClick = [this](QPoint pos) { FrameDoubleClick(pos); };
    FFrame->SetSnapToGrid(false);
    BuildSurfaceMenu();
    ConnectDesign();
}

TGBasePanel::~TGBasePanel()
{
    DisconnectDesign();
    // The frame calls back into the surface; it goes while the surface is whole.
    delete FFrame;
    FFrame = nullptr;
    QFile::remove(FClipboardFileName);
    QFile::remove(FScratchFileName);
}

void TGBasePanel::ConnectDesign()
{
    FDesign.OnLabelChanged = [this] {
        if (LabelChangedEvent)
            LabelChangedEvent();
    };
    FDesign.OnRefitRequested = [this] { RequestFit(); };
    FDesign.OnRepaintRequested = [this](TGGraphicControl *) { update(); };
    FDesign.OnObjectBecameUnselectable = [this](TGGraphicControl *object) { FFrame->RemoveFromSelection(object); };
    FDesign.OnObjectRemoving = [this](TGGraphicControl *object) { FFrame->RemoveFromSelection(object); };
}

void TGBasePanel::DisconnectDesign()
{
    FDesign.OnLabelChanged = nullptr;
    FDesign.OnRefitRequested = nullptr;
    FDesign.OnRepaintRequested = nullptr;
    FDesign.OnObjectBecameUnselectable = nullptr;
    FDesign.OnObjectRemoving = nullptr;
}

// ---------------------------------------------------------------- card state

void TGBasePanel::SetCardSize(int width, int height)
{
    FDesign.SetSize(width, height);
    resize(FDesign.Width(), FDesign.Height());
    update();
}

float TGBasePanel::Zoom() const
{
    return FDesign.Zoom();
}

void TGBasePanel::SetZoom(float newZoom)
{
    if (newZoom == FDesign.Zoom())
        return;
    FDesign.SetZoom(newZoom);
    resize(FDesign.Width(), FDesign.Height());
    QCoreApplication::processEvents();
    update();
}

TLabelShapeType TGBasePanel::Shape() const
{
    return FDesign.Shape();
}

void TGBasePanel::SetShape(TLabelShapeType value)
{
    if (value == FDesign.Shape())
        return;
    FDesign.SetShape(value);
    update();
}

void TGBasePanel::SetShowGrid(bool value)
{
    if (value == FShowGrid)
        return;
    FShowGrid = value;
    update();
}

void TGBasePanel::ApplyFrameGrid()
{
    const int step = FGridSize == TGridSize::gs4x4 ? 4 : 8;
    FFrame->SetGridX(step);
    FFrame->SetGridY(step);
}

void TGBasePanel::SetGridSize(TGridSize value)
{
    if (value == FGridSize)
        return;
    FGridSize = value;
    ApplyFrameGrid();
    update();
}

void TGBasePanel::SetSnapToGrid(bool value)
{
    if (value == FSnapToGrid)
        return;
    FSnapToGrid = value;
    FFrame->SetSnapToGrid(value);
    // Snapping steps always match the grid dots.
    if (value)
        ApplyFrameGrid();
}

void TGBasePanel::SetDrawOutline(bool value)
{
    if (value == FDrawOutline)
        return;
    FDrawOutline = value;
    update();
}

bool TGBasePanel::Printing() const
{
    return FDesign.Printing();
}

void TGBasePanel::SetPrinting(bool value)
{
    FDesign.SetPrinting(value);
}

void TGBasePanel::SetScreenCursor(TCursor cursor)
{
    if (cursor == FScreenCursor)
        return;
    FScreenCursor = cursor;
    const QCursor shape = TCursorImages::Cursor(cursor);
    setCursor(shape);
    if (FFrame)
        FFrame->setCursor(shape);
}

// ---------------------------------------------------------------- painting

void TGBasePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    TCardPaintOptions options;
    options.DrawOutline = FDrawOutline;
    options.ShowGrid = FShowGrid;
    options.GridSize = FGridSize;
    // The background pictures (Picture, then ColorPicture, stretched over the
    // card inside its shape) belong between the ground and the outline; they
    // will travel to the card painter with the options.
    TCardPainter::Paint(painter, FDesign, options);
    FFrame->DrawSelectionSquares(painter);
    FFrame->DrawPreviews(painter);
    if (FSelecting)
        DrawXorOutline(painter, NormalizedBand());
}

void TGBasePanel::DrawXorOutline(QPainter &painter, const TRect &r)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    // A one-pixel outline of a QRect covers one column and row more than the
    // rectangle: this one ends at Right - 1 and Bottom - 1.
    painter.drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
    painter.restore();
}

// ---------------------------------------------------------------- mouse

TGGraphicControl *TGBasePanel::ObjectAt(QPoint pos) const
{
    for (int i = FDesign.Count() - 1; i >= 0; --i) {
        TGGraphicControl *object = FDesign.At(i);
        if (object->BoundsRect().contains(pos))
            return object;
    }
    return nullptr;
}

void TGBasePanel::mousePressEvent(QMouseEvent *event)
{
    DispatchMousePress(event->button(), event->modifiers(), event->position().toPoint());
}

void TGBasePanel::DispatchMousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos)
{
    if (TGGraphicControl *object = ObjectAt(pos))
        ObjectMouseDown(object, button, modifiers, pos - QPoint(object->Left(), object->Top()));
    else
        SurfaceMouseDown(button, pos);
}

void TGBasePanel::ObjectMouseDown(TGGraphicControl *sender, Qt::MouseButton button,
                                  Qt::KeyboardModifiers modifiers, QPoint pos)
{
    const QPoint surfacePos = pos + QPoint(sender->Left(), sender->Top());
    // With a tool active, or for an unselectable object, the object is part
    // of the background.
    if (!FPointing || sender->Unselectable()) {
        SurfaceMouseDown(button, surfacePos);
        return;
    }
    if (!modifiers.testFlag(Qt::ShiftModifier))
        FFrame->ClearSelection();
    FFrame->AddToSelection(sender);
    update();
    if (FFrame->SelectedCount() == 1 && button == Qt::RightButton)
        ShowObjectMenu(*sender, mapToGlobal(surfacePos));
}

void TGBasePanel::SurfaceMouseDown(Qt::MouseButton button, QPoint pos)
{
    FRubberRect = {pos.x(), pos.y(), pos.x(), pos.y()};
    if (button != Qt::LeftButton) {
        ShowSurfaceMenu(mapToGlobal(pos));
        return;
    }
    FSelecting = true;
    SetScreenCursor(TCursorImages::crHandPoint);
}

void TGBasePanel::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (FFrame->HasCapture()) {
        FFrame->FrameMouseMove(pos - FFrame->Bounds().topLeft(), event->buttons(), event->modifiers());
        return;
    }
    UpdateHoverCursor(pos);
    SurfaceMouseMove(pos);
}

void TGBasePanel::UpdateHoverCursor(QPoint pos)
{
    if (FSelecting)
        return;
    if (FPointing && ObjectAt(pos))
        SetScreenCursor(TCursorImages::crHandPoint);
    else
        SetScreenCursor(FPointing ? TCursors::crDefault : TCursors::crDrag);
}

TRect TGBasePanel::NormalizedBand() const
{
    TRect r = FRubberRect;
    if (r.Right < r.Left)
        std::swap(r.Left, r.Right);
    if (r.Bottom < r.Top)
        std::swap(r.Top, r.Bottom);
    return r;
}

void TGBasePanel::SurfaceMouseMove(QPoint pos)
{
    if (!FSelecting)
        return;
    SetScreenCursor(TCursorImages::crHandPoint);
    FRubberRect.Right = pos.x();
    FRubberRect.Bottom = pos.y();
    update();
}

void TGBasePanel::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (FFrame->HasCapture()) {
        FFrame->FrameMouseRelease(pos - FFrame->Bounds().topLeft(), event->button(), event->modifiers());
        return;
    }
    SurfaceMouseUp(event->button(), event->modifiers(), pos);
}

void TGBasePanel::SurfaceMouseUp(Qt::MouseButton, Qt::KeyboardModifiers modifiers, QPoint pos)
{
    if (FSelecting) {
        FRubberRect.Right = pos.x();
        FRubberRect.Bottom = pos.y();
        FRubberRect = NormalizedBand();
        FSelecting = false;
        update();
        if (FPointing) {
            SelectInRect(FRubberRect, modifiers.testFlag(Qt::ShiftModifier));
        } else {
            const TRect r = FRubberRect;
            CreateObjectInRect(r);
            if (DroppedObjectEvent)
                DroppedObjectEvent(r);
        }
    }
    if (FPointing)
        SetScreenCursor(TCursors::crDefault);
}

bool TGBasePanel::BandTouches(const TRect &band, const QRect &objectBounds)
{
    if (objectBounds.width() <= 0 || objectBounds.height() <= 0)
        return false;
    const int objectRight = objectBounds.x() + objectBounds.width();
    const int objectBottom = objectBounds.y() + objectBounds.height();
    return band.Left < objectRight && objectBounds.x() < band.Right && band.Top < objectBottom
        && objectBounds.y() < band.Bottom;
}

void TGBasePanel::SelectInRect(const TRect &r, bool shift)
{
    std::vector<TGGraphicControl *> chosen;
    if (shift)
        chosen = FFrame->Selection();
    FFrame->ClearSelection();
    for (int i = FDesign.Count() - 1; i >= 0; --i) {
        TGGraphicControl *object = FDesign.At(i);
        if (!BandTouches(r, object->BoundsRect()))
            continue;
        const auto it = std::find(chosen.begin(), chosen.end(), object);
        if (it != chosen.end() && shift)
            chosen.erase(it);
        else
            chosen.push_back(object);
    }
    // Unselectable objects are refused here.
    for (TGGraphicControl *object : chosen)
        FFrame->AddToSelection(object);
    update();
}

// Shift-click on the frame takes the clicked objects out of the selection.
void TGBasePanel::FrameMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint framePos)
{
    const QPoint pos = framePos + FFrame->Bounds().topLeft();
    if (!FPointing) {
        DispatchMousePress(button, modifiers, pos);
        return;
    }
    if (!modifiers.testFlag(Qt::ShiftModifier))
        return;
    std::vector<TGGraphicControl *> kept = FFrame->Selection();
    FFrame->ClearSelection();
    QCoreApplication::processEvents();
    const bool shiftStillHeld = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
    for (int i = int(kept.size()) - 1; i >= 0; --i) {
        if (shiftStillHeld && kept[size_t(i)]->BoundsRect().contains(pos))
            kept.erase(kept.begin() + i);
    }
    for (TGGraphicControl *object : kept)
        FFrame->AddToSelection(object);
    QCoreApplication::processEvents();
}

void TGBasePanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (TGGraphicControl *object = ObjectAt(pos)) {
        ShowObjectMenu(*object, mapToGlobal(pos));
        FFrame->SetAfterDoubleClick(true);
    } else if (OnDblClick) {
        OnDblClick(pos);
    }
}

void TGBasePanel::FrameDoubleClick(QPoint framePos)
{
    const QPoint pos = framePos + FFrame->Bounds().topLeft();
    if (FFrame->SelectedCount() == 1) {
        TGGraphicControl *object = FFrame->SelectedAt(0);
        if (object->BoundsRect().adjusted(-2, -2, 2, 2).contains(pos)) {
            std::unique_ptr<TGObjectMenu> menu = TGObjectMenu::Create(*this, *object);
            if (!menu->RunDoubleClickAction())
                menu->Exec(mapToGlobal(pos));
        }
    }
    FFrame->SetAfterDoubleClick(true);
}

// ---------------------------------------------------------------- keys

void TGBasePanel::keyPressEvent(QKeyEvent *event)
{
    HandleKey(event->key(), event->modifiers());
}

void TGBasePanel::HandleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    if (control && key == Qt::Key_C)
        ClipboardOperation(TClipboardKind::ckCopy);
    else if (control && key == Qt::Key_V)
        ClipboardOperation(TClipboardKind::ckPaste);
    else if (control && key == Qt::Key_X)
        ClipboardOperation(TClipboardKind::ckCut);
    else if (!control && key == Qt::Key_Delete)
        ClipboardOperation(TClipboardKind::ckDelete);
}

// ---------------------------------------------------------------- clipboard

void TGBasePanel::WriteSelectionToClipboard()
{
    std::vector<const TGGraphicControl *> objects(FFrame->Selection().begin(), FFrame->Selection().end());
    FFiler.WriteSelection(objects, FClipboardFileName);
}

void TGBasePanel::DestroyObject(TGGraphicControl *object)
{
    IgnoringFailure([&] { FDesign.Remove(object); });
}

void TGBasePanel::DeleteSelection()
{
    const std::vector<TGGraphicControl *> selection = FFrame->Selection();
    for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
        FFrame->RemoveFromSelection(*it);
        DestroyObject(*it);
        FireLabelChanged();
    }
    update();
}

void TGBasePanel::PasteFromClipboard()
{
    if (!QFileInfo::exists(FClipboardFileName))
        return;
    FFiler.PasteFromFile(FDesign, FClipboardFileName);
    HookAllObjects();
    FireLabelChanged();
    QCoreApplication::processEvents();
    update();
}

void TGBasePanel::ClipboardOperation(TClipboardKind kind)
{
    switch (kind) {
    case TClipboardKind::ckCopy:
        WriteSelectionToClipboard();
        break;
    case TClipboardKind::ckCut:
        WriteSelectionToClipboard();
        DeleteSelection();
        break;
    case TClipboardKind::ckDelete:
        DeleteSelection();
        break;
    case TClipboardKind::ckPaste: {
        const qint64 now = FClock->NowMs();
        if (FLastPasteTime == 0)
            FLastPasteTime = now;
        else if (now - FLastPasteTime < PasteGuardMs)
            return;
        PasteFromClipboard();
        FLastPasteTime = FClock->NowMs();
        break;
    }
    }
}

void TGBasePanel::ObjectClipboardOperation(TGGraphicControl *object, TClipboardKind kind)
{
    if (!object)
        return;
    if (FFrame->IndexOfSelected(object) >= 0) {
        ClipboardOperation(kind);
        return;
    }
    if (kind == TClipboardKind::ckPaste) {
        PasteFromClipboard();
        return;
    }
    if (kind == TClipboardKind::ckCopy || kind == TClipboardKind::ckCut)
        FFiler.WriteObject(*object, FClipboardFileName);
    if (kind == TClipboardKind::ckCut || kind == TClipboardKind::ckDelete) {
        FireLabelChanged();
        FFrame->RemoveFromSelection(object);
        DestroyObject(object);
        update();
    }
}

// ---------------------------------------------------------------- objects

QString TGBasePanel::UniqueName(const QString &prefix) const
{
    return FDesign.UniqueName(prefix);
}

TGGraphicControl *TGBasePanel::PlaceNewObject(std::unique_ptr<TGGraphicControl> object, const TRect &r)
{
    if (!object)
        return nullptr;
    object->SetName(UniqueName(QStringLiteral("Special")));
    TGGraphicControl *placed = FDesign.Add(std::move(object));
    placed->SetBounds(r.Left, r.Top, std::max(r.Width(), 10), std::max(r.Height(), 15));
    // The tool drew it at the current zoom.
    placed->SetZoomFactor(Zoom());
    FireLabelChanged();
    QCoreApplication::processEvents();
    update();
    return placed;
}

TGGraphicControl *TGBasePanel::CloneObject(TGGraphicControl &source)
{
    TGGraphicControl *copy = FFiler.CloneObject(source, FDesign);
    QCoreApplication::processEvents();
    if (!copy)
        return nullptr;
    copy->SetTop(source.Top() + 25);
    FDesign.BringToFront(copy);
    if (FFrame->IndexOfSelected(&source) >= 0) {
        FFrame->RemoveFromSelection(&source);
        FFrame->AddToSelection(copy);
    }
    HookAllObjects();
    AfterStreamIn();
    source.Changed();
    update();
    return copy;
}

void TGBasePanel::HookAllObjects()
{
    for (int i = FDesign.Count() - 1; i >= 0; --i)
        FDesign.At(i)->SetZoomFactor(Zoom());
}

void TGBasePanel::FireLabelChanged()
{
    FDesign.FireLabelChanged();
}

void TGBasePanel::RequestFit()
{
    if (FRefitPending)
        return;
    FRefitPending = true;
    // A queued call: every object of a moved group reports first.
    QMetaObject::invokeMethod(
        this,
        [this] {
            FRefitPending = false;
            FFrame->FitToSelection();
        },
        Qt::QueuedConnection);
}

void TGBasePanel::CreateObjectInRect(const TRect &) {}

void TGBasePanel::AfterStreamIn() {}

// ---------------------------------------------------------------- files

void TGBasePanel::RestoreZoom(float zoom)
{
    if (zoom != 1.0f)
        SetZoom(zoom);
}

void TGBasePanel::SaveToFile(const QString &fileName)
{
    const float zoom = Zoom();
    SetZoom(1.0f);
    try {
        for (int i = 0; i < FDesign.Count(); ++i)
            FDesign.At(i)->BeforeWrite();
        FFiler.SaveToFile(FDesign, fileName);
        AfterStreamIn();
    } catch (...) {
        RestoreZoom(zoom);
        throw;
    }
    RestoreZoom(zoom);
}

void TGBasePanel::LoadFromFile(const QString &fileName)
{
    if (!QFileInfo::exists(fileName))
        return;
    const float zoom = Zoom();
    SetZoom(1.0f);
    try {
        FFiler.LoadFromFile(FDesign, fileName);
    } catch (...) {
        // What was read before the faulty record stays, at the view's zoom.
        HookAllObjects();
        RestoreZoom(zoom);
        throw;
    }
    HookAllObjects();
    AfterStreamIn();
    RestoreZoom(zoom);
    update();
}

void TGBasePanel::ClearAll()
{
    FFrame->ClearSelection();
    for (int i = FDesign.Count() - 1; i >= 0; --i)
        DestroyObject(FDesign.At(i));
    update();
}

void TGBasePanel::LoadColorPicture(const QString &fileName)
{
    FDesign.ColorPicture().LoadFromFile(fileName);
    update();
}

void TGBasePanel::ClearColorPicture()
{
    FDesign.ColorPicture().Clear();
    update();
}

void TGBasePanel::PurgeStrayObjects()
{
    FFrame->ClearSelection();
    FDesign.PurgeStrayObjects();
    update();
}

void TGBasePanel::ClampObjects()
{
    FFrame->ClearSelection();
    FDesign.ClampObjects();
    update();
}

void TGBasePanel::PrintObjects(TReport &report, double originX, double originY)
{
    FDesign.PrintObjects(report, originX, originY);
}

// ---------------------------------------------------------------- surface menu

QAction *TGBasePanel::AddMenuCommand(const char *caption, std::function<void()> command)
{
    QAction *action = FSurfaceMenu->addAction(QString::fromLatin1(caption));
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    return action;
}

void TGBasePanel::BuildSurfaceMenu()
{
    FSurfaceMenu = std::make_unique<QMenu>(this);
    FBringToFrontAction = AddMenuCommand("Bring To Front", [this] {
        FFrame->BringSelectionToFront();
        FireLabelChanged();
    });
    FSendToBackAction = AddMenuCommand("Send To Back", [this] {
        FFrame->SendSelectionToBack();
        FFrame->ClearSelection();
        FireLabelChanged();
    });
    FSurfaceMenu->addSeparator();
    FCutAction = AddMenuCommand("Cut", [this] { ClipboardOperation(TClipboardKind::ckCut); });
    FCopyAction = AddMenuCommand("Copy", [this] { ClipboardOperation(TClipboardKind::ckCopy); });
    FPasteAction = AddMenuCommand("Paste", [this] { ClipboardOperation(TClipboardKind::ckPaste); });
    FSurfaceMenu->addSeparator();
    FDeleteAction = AddMenuCommand("Delete", [this] { ClipboardOperation(TClipboardKind::ckDelete); });
    FSurfaceMenu->addSeparator();
    FAlignLeftAction = AddMenuCommand("Align Left", [this] { AlignLeft(); });
    FAlignRightAction = AddMenuCommand("Align Right", [this] { AlignRight(); });
    FAlignTopsAction = AddMenuCommand("Align Tops", [this] { AlignTops(); });
    FAlignBottomsAction = AddMenuCommand("Align Bottoms", [this] { AlignBottoms(); });
    FSurfaceMenu->addSeparator();
    FCenterVerticallyAction = AddMenuCommand("Center Vertically", [this] { CenterSelectionVertically(); });
    FCenterHorizontallyAction = AddMenuCommand("Center Horizontally", [this] { CenterSelectionHorizontally(); });
    FSurfaceMenu->addSeparator();
    FLockAllAction = AddMenuCommand("Lock All", [this] { LockAll(true); });
    FUnlockAllAction = AddMenuCommand("Unlock All", [this] { LockAll(false); });
    FSurfaceMenu->addSeparator();
    AddMenuCommand("Mark All Selectable", [this] { MarkAllUnselectable(false); });
    AddMenuCommand("Mark All Unselectable", [this] { MarkAllUnselectable(true); });
    AddMenuCommand("Select All", [this] { SelectAll(); });
    FSurfaceMenu->addSeparator();
    FFontAction = AddMenuCommand("Font", [this] { ChooseFont(); });
    connect(FSurfaceMenu.get(), &QMenu::aboutToShow, this, [this] { UpdateSurfaceMenu(); });
}

void TGBasePanel::UpdateSurfaceMenu()
{
    const bool selected = FFrame->SelectedCount() > 0;
    for (QAction *action : {FBringToFrontAction, FSendToBackAction, FCutAction, FCopyAction, FDeleteAction,
                            FAlignLeftAction, FAlignRightAction, FAlignTopsAction, FAlignBottomsAction,
                            FCenterVerticallyAction, FCenterHorizontallyAction, FFontAction})
        action->setEnabled(selected);
    FPasteAction->setEnabled(QFileInfo::exists(FClipboardFileName));
    // Locking needs something on the card to lock.
    FLockAllAction->setEnabled(FDesign.Count() > 0);
    FUnlockAllAction->setEnabled(FDesign.Count() > 0);
}

void TGBasePanel::ShowSurfaceMenu(QPoint globalPos)
{
    FSurfaceMenu->exec(globalPos);
}

void TGBasePanel::ShowObjectMenu(TGGraphicControl &object, QPoint globalPos)
{
    std::unique_ptr<TGObjectMenu> menu = TGObjectMenu::Create(*this, object);
    menu->Exec(globalPos);
}

// Each alignment finds the extreme edge among the selected objects, starting
// from the far side of the card; when no object lies beyond that start,
// nothing moves.
void TGBasePanel::AlignLeft()
{
    if (FFrame->SelectedCount() == 0)
        return;
    FireLabelChanged();
    int m = width();
    for (const TGGraphicControl *object : FFrame->Selection())
        m = std::min(m, object->Left());
    if (m < width())
        for (TGGraphicControl *object : FFrame->Selection())
            object->SetLeft(m);
    update();
}

void TGBasePanel::AlignRight()
{
    if (FFrame->SelectedCount() == 0)
        return;
    FireLabelChanged();
    int m = 0;
    for (const TGGraphicControl *object : FFrame->Selection())
        m = std::max(m, object->Left() + object->Width());
    if (m > 0)
        for (TGGraphicControl *object : FFrame->Selection())
            object->SetLeft(m - object->Width());
    update();
}

void TGBasePanel::AlignTops()
{
    if (FFrame->SelectedCount() == 0)
        return;
    FireLabelChanged();
    int m = height();
    for (const TGGraphicControl *object : FFrame->Selection())
        m = std::min(m, object->Top());
    if (m < height())
        for (TGGraphicControl *object : FFrame->Selection())
            object->SetTop(m);
    update();
}

void TGBasePanel::AlignBottoms()
{
    if (FFrame->SelectedCount() == 0)
        return;
    FireLabelChanged();
    int m = 0;
    for (const TGGraphicControl *object : FFrame->Selection())
        m = std::max(m, object->Top() + object->Height());
    if (m > 0)
        for (TGGraphicControl *object : FFrame->Selection())
            object->SetTop(m - object->Height());
    update();
}

void TGBasePanel::CenterSelectionVertically()
{
    const std::vector<TGGraphicControl *> selection = FFrame->Selection();
    for (TGGraphicControl *object : selection)
        object->CenterVertically();
    QCoreApplication::processEvents();
    update();
}

void TGBasePanel::CenterSelectionHorizontally()
{
    const std::vector<TGGraphicControl *> selection = FFrame->Selection();
    for (TGGraphicControl *object : selection)
        object->CenterHorizontally();
    QCoreApplication::processEvents();
    update();
}

void TGBasePanel::LockAll(bool locked)
{
    for (int i = 0; i < FDesign.Count(); ++i)
        FDesign.At(i)->SetLocked(locked);
}

void TGBasePanel::MarkAllUnselectable(bool unselectable)
{
    for (int i = 0; i < FDesign.Count(); ++i)
        FDesign.At(i)->SetUnselectable(unselectable);
    update();
}

void TGBasePanel::SelectAll()
{
    FFrame->ClearSelection();
    for (int i = 0; i < FDesign.Count(); ++i)
        FFrame->AddToSelection(FDesign.At(i));
}

void TGBasePanel::ChooseFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, FontConversion::ToQFont(FDefaultFont), this);
    if (ok) {
        TFont font;
        font.Assign(FDefaultFont);
        FontConversion::AssignFromQFont(font, chosen);
        const std::vector<TGGraphicControl *> selection = FFrame->Selection();
        for (TGGraphicControl *object : selection)
            object->ApplyFont(font);
    }
    update();
}

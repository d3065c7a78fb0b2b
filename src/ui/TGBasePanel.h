#pragma once

#include "core/Enumerations.h"
#include "core/TFont.h"
#include "core/TGLabelObjectFiler.h"
#include "platform/TCursor.h"
#include "platform/TRect.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QPainter;
class TClock;
class TDesign;
class TGGraphicControl;
class TGHandle;
class TReport;

// The design surface: shows a card's design and edits it with the mouse,
// the keyboard and its pop-up menu. The design objects are not widgets: the
// surface paints them in z-order and finds the top-most one under the
// pointer; a TGHandle child widget holds the selection, its focus and keys.
//
// The surface works on a design it is given and does not own: the design
// must outlive the surface (the main window keeps both, and tests make the
// design first). The surface installs its handlers on the design's
// notifications and removes them again when it is destroyed.
//
// The clipboard is the scratch file "Clipbrd.tmp" in the program folder, in
// the design stream format, so that it survives from one command to the
// next; it and "TempFile.tmp" are deleted when the surface is destroyed.
class TGBasePanel : public QWidget
{
public:
    enum class TClipboardKind { ckCut, ckCopy, ckPaste, ckDelete };

    // programFolder holds the scratch files; tests give a temporary folder.
    TGBasePanel(TDesign &design, const QString &programFolder, QWidget *parent = nullptr);
    ~TGBasePanel() override;

    TDesign &Design() const { return FDesign; }
    TGHandle &Frame() const { return *FFrame; }

    // The timing rules (paste guard, quick clicks, drag start) read this
    // clock; tests set their own. It must outlive the surface.
    const TClock &Clock() const { return *FClock; }
    void SetClock(const TClock &clock) { FClock = &clock; }

    // The card's size in pixels at the current zoom; the widget takes it.
    void SetCardSize(int width, int height);
    float Zoom() const;
    // Scales the card and every object; the widget takes the new size.
    void SetZoom(float newZoom);

    // True in selection mode, false while a drawing tool is active.
    bool Pointing() const { return FPointing; }
    void SetPointing(bool value) { FPointing = value; }
    TLabelShapeType Shape() const;
    void SetShape(TLabelShapeType value);
    bool ShowGrid() const { return FShowGrid; }
    void SetShowGrid(bool value);
    TGridSize GridSize() const { return FGridSize; }
    void SetGridSize(TGridSize value);
    bool SnapToGrid() const { return FSnapToGrid; }
    void SetSnapToGrid(bool value);
    bool DrawOutline() const { return FDrawOutline; }
    void SetDrawOutline(bool value);
    bool Printing() const;
    void SetPrinting(bool value);
    // Set while a print preview is produced; kinds that draw differently
    // for the preview read it.
    bool Previewing() const { return FPreviewing; }
    void SetPreviewing(bool value) { FPreviewing = value; }
    // The font the "Font" command starts from (the program's default font).
    const TFont &DefaultFont() const { return FDefaultFont; }
    void SetDefaultFont(const TFont &font) { FDefaultFont.Assign(font); }

    QString ClipboardFileName() const { return FClipboardFileName; }
    QString ScratchFileName() const { return FScratchFileName; }

    // Designs are written and read at 100 %; the view keeps its zoom.
    void SaveToFile(const QString &fileName);
    // Nothing happens when the file does not exist; read errors propagate.
    void LoadFromFile(const QString &fileName);
    void ClearAll();
    // The background art: loads the file into the design's ColorPicture,
    // raising EQuandrelError (and keeping the art shown so far) when it
    // cannot be read; or removes it.
    void LoadColorPicture(const QString &fileName);
    void ClearColorPicture();
    void PurgeStrayObjects();
    void ClampObjects();
    void PrintObjects(TReport &report, double originX, double originY);

    void ClipboardOperation(TClipboardKind kind);
    // From an object's own menu: the whole selection when the object is part
    // of it, otherwise the object alone.
    void ObjectClipboardOperation(TGGraphicControl *object, TClipboardKind kind);

    // Adds an object a drawing tool created, under a fresh "Special" + N
    // name, at r with at least 10 × 15 pixels.
    TGGraphicControl *PlaceNewObject(std::unique_ptr<TGGraphicControl> object, const TRect &r);
    QString UniqueName(const QString &prefix) const;
    // Copies the object 25 pixels lower, on top of the z-order; the selection
    // moves to the copy when the source was selected.
    TGGraphicControl *CloneObject(TGGraphicControl &source);
    // Gives every object the surface's zoom (objects read from a stream
    // come at 1.0).
    void HookAllObjects();

    // Reports a change of the design unless the zoom is being applied.
    void FireLabelChanged();
    // Refits the frame once the current event is done, so that a whole group
    // of moved objects settles first.
    void RequestFit();

    // The top-most object whose bounds contain pos, or nullptr.
    TGGraphicControl *ObjectAt(QPoint pos) const;

    // The surface menu's commands.
    void AlignLeft();
    void AlignRight();
    void AlignTops();
    void AlignBottoms();
    void CenterSelectionVertically();
    void CenterSelectionHorizontally();
    void LockAll(bool locked);
    void MarkAllUnselectable(bool unselectable);
    void SelectAll();
    void ChooseFont();

    QMenu &SurfaceMenu() const { return *FSurfaceMenu; }
    void ShowSurfaceMenu(QPoint globalPos);
    void ShowObjectMenu(TGGraphicControl &object, QPoint globalPos);

    // The cursor the editor shows over the surface and the frame: a
    // TCursors value, or one of TCursorImages' hands.
    TCursor ScreenCursor() const { return FScreenCursor; }
    void SetScreenCursor(TCursor cursor);

    // A press or release as if it had reached the surface at pos (surface
    // coordinates): the frame hands on what it does not handle itself.
    void DispatchMousePress(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void SurfaceMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    // The surface's shortcuts: Ctrl+C, Ctrl+V, Ctrl+X and Delete.
    void HandleKey(int key, Qt::KeyboardModifiers modifiers);

    // The dotted outline a band or a preview draws, exclusive of its right
    // and bottom edge; XOR, so drawing it twice leaves the pixels as they were.
    static void DrawXorOutline(QPainter &painter, const TRect &r);
    // Whether a band selects an object: the band's right column and bottom
    // row are not part of it.
    static bool BandTouches(const TRect &band, const QRect &objectBounds);

    // A drawing tool finished its drag (r normalised).
    std::function<void(const TRect &)> DroppedObjectEvent;
    // The design changed; not raised while zooming or for objects while printing.
    std::function<void()> LabelChangedEvent;
    // A double click on the empty surface.
    std::function<void(QPoint)> OnDblClick;

protected:
    // Creates the object for the active drawing tool; nothing here.
    virtual void CreateObjectInRect(const TRect &r);
    // After a design was written or read, or an object cloned.
    virtual void AfterStreamIn();
    // A press on a design object (pos in the object's coordinates).
    virtual void ObjectMouseDown(TGGraphicControl *sender, Qt::MouseButton button,
                                 Qt::KeyboardModifiers modifiers, QPoint pos);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void ConnectDesign();
    void DisconnectDesign();
    void BuildSurfaceMenu();
    QAction *AddMenuCommand(const char *caption, std::function<void()> command);
    void UpdateSurfaceMenu();
    void SurfaceMouseDown(Qt::MouseButton button, QPoint pos);
    void SurfaceMouseMove(QPoint pos);
    void FrameMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint framePos);
    void FrameDoubleClick(QPoint framePos);
    void SelectInRect(const TRect &r, bool shift);
    TRect NormalizedBand() const;
    void UpdateHoverCursor(QPoint pos);
    void WriteSelectionToClipboard();
    void DeleteSelection();
    void PasteFromClipboard();
    void DestroyObject(TGGraphicControl *object);
    void RestoreZoom(float zoom);
    void ApplyFrameGrid();

    TDesign &FDesign;
    TGHandle *FFrame;
    std::unique_ptr<QMenu> FSurfaceMenu;
    TGLabelObjectFiler FFiler;
    const TClock *FClock;
    TFont FDefaultFont;
    QString FClipboardFileName;
    QString FScratchFileName;
    bool FPointing = true;
    bool FShowGrid = false;
    TGridSize FGridSize = TGridSize::gs4x4;
    bool FSnapToGrid = false;
    bool FDrawOutline = false;
    bool FPreviewing = false;
    bool FSelecting = false;
    bool FRefitPending = false;
    TRect FRubberRect;
    qint64 FLastPasteTime = 0;
    TCursor FScreenCursor = TCursors::crDefault;

    QAction *FBringToFrontAction = nullptr;
    QAction *FSendToBackAction = nullptr;
    QAction *FCutAction = nullptr;
    QAction *FCopyAction = nullptr;
    QAction *FPasteAction = nullptr;
    QAction *FDeleteAction = nullptr;
    QAction *FAlignLeftAction = nullptr;
    QAction *FAlignRightAction = nullptr;
    QAction *FAlignTopsAction = nullptr;
    QAction *FAlignBottomsAction = nullptr;
    QAction *FCenterVerticallyAction = nullptr;
    QAction *FCenterHorizontallyAction = nullptr;
    QAction *FLockAllAction = nullptr;
    QAction *FUnlockAllAction = nullptr;
    QAction *FFontAction = nullptr;
};

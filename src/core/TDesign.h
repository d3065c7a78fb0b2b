#pragma once

#include "core/Enumerations.h"
#include "core/TPicture.h"

#include <QString>
#include <QStringView>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QPainter;
class TGGraphicControl;
class TReport;

// One card: its design objects in z-order (bottom first), its size in
// pixels at the current zoom, its outline shape and the zoom itself. The
// design owns the objects and keeps their names unique. It holds no widget:
// the editor shows and edits it, and the batch tool draws and prints it
// without a display.
class TDesign
{
public:
    // Names "Component0" to "Component1000" are tried for a new object.
    static constexpr int MaxComponentNumber = 1000;

    TDesign();
    ~TDesign();
    TDesign(const TDesign &) = delete;
    TDesign &operator=(const TDesign &) = delete;

    int Count() const { return int(FObjects.size()); }
    TGGraphicControl *At(int index) const { return FObjects[size_t(index)].get(); }
    int IndexOf(const TGGraphicControl *object) const;
    // Names compare without regard to case.
    TGGraphicControl *FindObject(QStringView name) const;

    // Adds on top of the z-order.
    TGGraphicControl *Add(std::unique_ptr<TGGraphicControl> object);
    std::unique_ptr<TGGraphicControl> Remove(TGGraphicControl *object);
    void Clear();
    void BringToFront(TGGraphicControl *object);
    void SendToBack(TGGraphicControl *object);

    // The first "Component" + N that no object bears, or an empty string
    // when all of them are taken.
    QString UniqueComponentName() const;
    // The first prefix + N, N from 1 to 1000, that no object bears; empty when all are taken.
    QString UniqueName(const QString &prefix) const;

    // The card's size in pixels at the current zoom.
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    void SetSize(int width, int height);
    TLabelShapeType Shape() const { return FShape; }
    void SetShape(TLabelShapeType value) { FShape = value; }

    // The background layers, stretched over the card in this order under
    // the objects. Only ColorPicture, the background art, is ever loaded;
    // Picture stays empty but is drawn when something fills it.
    TPicture &Picture() { return FPicture; }
    const TPicture &Picture() const { return FPicture; }
    TPicture &ColorPicture() { return FColorPicture; }
    const TPicture &ColorPicture() const { return FColorPicture; }

    float Zoom() const { return FZoom; }
    // Scales the card and every object; changes made by zooming are not
    // reported as changes of the design.
    void SetZoom(float newZoom);

    // While printing, objects report no changes.
    bool Printing() const { return FPrinting; }
    void SetPrinting(bool value) { FPrinting = value; }
    // Reports a change of the design unless the zoom is being applied.
    void FireLabelChanged();
    // Asks the editor to refit its selection frame once pending work is done.
    void RequestRefit();

    // Every object in z-order, each at its position.
    void PaintObjects(QPainter &painter) const;
    // Every object on the report with the card's top-left corner at (x, y) inches.
    void PrintObjects(TReport &report, double originX, double originY) const;

    // Removes objects that lie off the card or have no size (nothing is reported).
    void PurgeStrayObjects();
    // Pulls objects that lie past the card's right or bottom edge back onto it.
    void ClampObjects();

    // Raised for every change of the design the user should save.
    std::function<void()> OnLabelChanged;
    std::function<void()> OnRefitRequested;
    std::function<void(TGGraphicControl *)> OnObjectBecameUnselectable;
    // Raised when an object's appearance changed and it must be drawn again.
    std::function<void(TGGraphicControl *)> OnRepaintRequested;
    // Raised before an object is removed and destroyed (the editor drops it from its selection).
    std::function<void(TGGraphicControl *)> OnObjectRemoving;

private:
    friend class TGGraphicControl;
    void ObjectChanged(TGGraphicControl *object);
    void ObjectBecameUnselectable(TGGraphicControl *object);
    void ObjectNeedsRepaint(TGGraphicControl *object);
    void ObjectRenamed(const QString &oldName, const QString &newName);
    void CountName(const QString &name, int delta);

    std::vector<std::unique_ptr<TGGraphicControl>> FObjects;
    // How many objects bear each "Component" + N name: naming stays cheap
    // however many objects a design holds.
    std::array<int, MaxComponentNumber + 1> FComponentNumberUse{};
    int FWidth = 336;
    int FHeight = 192;
    TLabelShapeType FShape = TLabelShapeType::lsRoundRect;
    float FZoom = 1.0f;
    bool FZooming = false;
    bool FPrinting = false;
    TPicture FPicture;
    TPicture FColorPicture;
};

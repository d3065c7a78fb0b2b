#pragma once

#include "core/TPersistent.h"
#include "platform/TCursor.h"

#include <QByteArray>
#include <QRect>
#include <QString>

class QPainter;
class TDesign;
class TReport;

// The common base of every object a user places on a card. It is not a
// widget: it holds integer bounds in surface pixels at its zoom, and the
// design it belongs to draws and edits it.
class TGGraphicControl : public TPersistent
{
public:
    TGGraphicControl();
    ~TGGraphicControl() override;

    // The registered class name a design file stores for this kind.
    virtual const char *ClassName() const = 0;

    static const TPropertyTable &Properties();
    const TPropertyTable &properties() const override;

    // The component name; the design file keeps it in the record, not as a property.
    QString Name() const { return FName; }
    void SetName(const QString &value);

    // The name the object bore in the stream it was read from (the design
    // gives it a fresh one); empty for objects that were not read.
    QString StoredName() const { return FStoredName; }
    void SetStoredName(const QString &value) { FStoredName = value; }

    qint32 Tag() const { return FTag; }
    void SetTag(qint32 value) { Update(FTag, value); }
    qint32 Left() const { return FLeft; }
    void SetLeft(qint32 value) { SetBounds(value, FTop, FWidth, FHeight); }
    qint32 Top() const { return FTop; }
    void SetTop(qint32 value) { SetBounds(FLeft, value, FWidth, FHeight); }
    qint32 Width() const { return FWidth; }
    void SetWidth(qint32 value) { SetBounds(FLeft, FTop, value, FHeight); }
    qint32 Height() const { return FHeight; }
    void SetHeight(qint32 value) { SetBounds(FLeft, FTop, FWidth, value); }
    // Moving or resizing reports BoundsChanged, except while a stream is read.
    void SetBounds(qint32 left, qint32 top, qint32 width, qint32 height);
    QRect BoundsRect() const { return QRect(FLeft, FTop, FWidth, FHeight); }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value) { Update(FCursor, value); }
    QString Hint() const { return FHint; }
    void SetHint(const QString &value) { Update(FHint, value); }
    bool Locked() const { return FLocked; }
    void SetLocked(bool value) { Update(FLocked, value); }
    bool Unselectable() const { return FUnselectable; }
    // Becoming unselectable also takes the object out of the selection.
    void SetUnselectable(bool value);

    // The zoom at which the bounds are expressed. SetZoom rescales them;
    // SetZoomFactor only records the zoom an object was drawn at.
    float ZoomFactor() const { return FZoomFactor; }
    void SetZoom(float newFactor);
    void SetZoomFactor(float value) { FZoomFactor = value; }

    TDesign *Design() const { return FDesign; }
    // While a stream is being read into the object no change is reported.
    bool IsLoading() const { return FLoading; }
    void SetLoading(bool value) { FLoading = value; }

    // Tells the design that the user's work was modified.
    void Changed();
    // Asks whoever shows the design to draw the object again.
    void Repaint();
    void PropertyChanged() override;

    // Runs once the object is complete: after a stream was read into it, or
    // after a tool created it.
    virtual void Loaded();

    // The one drawing routine: the object's content in its own pixels, origin
    // at its top-left corner, at its current zoom. Screen, picture export,
    // preview and print all come here. Not const: kinds that lay out their
    // content (text) refresh a cached layout, and may fit their box, first.
    virtual void Paint(QPainter &painter);
    // Paint with the object's top-left corner at (x, y) of the painter.
    void DrawOnto(QPainter &painter, int x, int y);
    // Draws the object on the report with the card's top-left corner at
    // (originX, originY) inches; pixels convert at the screen's pixels per inch.
    virtual void PrintTo(TReport &report, double originX, double originY);
    // Applies a font chosen for a whole selection; kinds without text ignore it.
    virtual void ApplyFont(const class TFont &font);
    // Called on every object just before a design is written.
    virtual void BeforeWrite();

    // The first report of the bounds only records them; every later one that
    // differs reports a change and asks the design to refit the selection.
    virtual void BoundsChanged();

    // Centre within the design's card (division truncates, so an object
    // larger than the card gets a negative position).
    void CenterVertically();
    void CenterHorizontally();

    // Leading and trailing spaces (character 32 only) removed.
    static QString TrimSpaces(const QString &text);

private:
    friend class TDesign;

    TDesign *FDesign = nullptr;
    QString FName;
    QString FStoredName;
    qint32 FTag = 0;
    qint32 FLeft = 0;
    qint32 FTop = 0;
    qint32 FWidth = 0;
    qint32 FHeight = 0;
    TCursor FCursor = 0;
    QString FHint;
    bool FLocked = false;
    bool FUnselectable = false;
    float FZoomFactor = 1.0f;
    bool FLoading = false;
    bool FInBoundsChanged = false;
    QRect FLastBounds{0, 0, 0, 0}; // all zero until the first report
};

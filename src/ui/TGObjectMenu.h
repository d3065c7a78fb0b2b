#pragma once

#include "platform/TColor.h"

#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class TGBasePanel;
class TGGraphicControl;
class TPen;

// The pop-up menu of one design object: the entries every object shares,
// then those of its kind. A kind with entries of its own derives from this
// class and is listed once in Create; every other kind gets the shared
// entries alone. The menu is built when it is about to be shown and its
// checks are refreshed as it opens.
class TGObjectMenu
{
public:
    // The menu for the object's kind, built and ready to show.
    static std::unique_ptr<TGObjectMenu> Create(TGBasePanel &panel, TGGraphicControl &object);

    TGObjectMenu(TGBasePanel &panel, TGGraphicControl &object);
    virtual ~TGObjectMenu();
    TGObjectMenu(const TGObjectMenu &) = delete;
    TGObjectMenu &operator=(const TGObjectMenu &) = delete;

    QMenu &Menu() const { return *FMenu; }
    // Shows the menu at globalPos and runs the chosen command. The command
    // may destroy the object, so nothing touches it afterwards.
    void Exec(QPoint globalPos);
    // A kind that opens an editor on a double click does so here and
    // answers true; the others answer false and the menu opens instead.
    virtual bool RunDoubleClickAction() { return false; }

protected:
    TGBasePanel &Panel() const { return FPanel; }
    TGGraphicControl &Object() const { return FObject; }

    // The kind's entries, after the shared ones.
    virtual void AppendKindEntries() {}
    // Sets the checked state of the kind's entries from its properties.
    virtual void UpdateMenuChecks() {}

    QAction *AddCommand(QMenu &menu, const QString &caption, std::function<void()> command);
    QAction *AddCheckable(QMenu &menu, const QString &caption, std::function<void()> command);
    // "Line Thickness": ten entries "1 Point" to "10 Point" setting the pen
    // width in pixels.
    std::vector<QAction *> AddLineThickness(TPen &pen);
    static void CheckLineThickness(const std::vector<QAction *> &entries, int penWidth);
    // Opens the colour dialog at initial; false when it was cancelled.
    bool ChooseColor(TColor initial, TColor &chosen);

private:
    void Build();
    void AppendCommonEntries();
    void RefreshChecks();

    TGBasePanel &FPanel;
    TGGraphicControl &FObject;
    std::unique_ptr<QMenu> FMenu;
    QAction *FLockedAction = nullptr;
};

#include "ui/TGObjectMenu.h"

#include "core/TDesign.h"
#include "core/TGGraphicControl.h"
#include "core/TPen.h"
#include "objects/graphics/TBCShapes.h"
#include "objects/graphics/TGImage.h"
#include "objects/graphics/TGLabelShapes.h"
#include "objects/graphics/TGLineShape.h"
#include "platform/TColor.h"
#include "objects/text/TGBusinessCardLabel.h"
#include "objects/text/TGPLabel.h"
#include "ui/TGBasePanel.h"
#include "ui/TGBusinessCardLabelMenu.h"
#include "ui/TGHandle.h"
#include "ui/TGImageMenu.h"
#include "ui/TGPLabelMenu.h"
#include "ui/TGLabelShapesMenu.h"
#include "ui/TGLineShapeMenu.h"

#include <QAction>
#include <QColorDialog>
#include <QCoreApplication>
#include <QMenu>
#include <cstring>

namespace {

using TMenuFactory = std::unique_ptr<TGObjectMenu> (*)(TGBasePanel &, TGGraphicControl &);

template <class TMenu, class TKind>
std::unique_ptr<TGObjectMenu> MakeMenu(TGBasePanel &panel, TGGraphicControl &object)
{
    if (auto *kind = dynamic_cast<TKind *>(&object))
        return std::make_unique<TMenu>(panel, *kind);
    return std::make_unique<TGObjectMenu>(panel, object);
}

struct TKindMenu
{
    const char *ClassName;
    TMenuFactory Factory;
};

// The kinds with entries of their own.
const TKindMenu KindMenus[] = {
    {TGLabelShapes::StaticClassName, &MakeMenu<TGLabelShapesMenu, TGLabelShapes>},
    {TBCShapes::StaticClassName, &MakeMenu<TGLabelShapesMenu, TGLabelShapes>},
    {TGLineShape::StaticClassName, &MakeMenu<TGLineShapeMenu, TGLineShape>},
    {TGImage::StaticClassName, &MakeMenu<TGImageMenu, TGImage>},
    {TGPLabel::StaticClassName, &MakeMenu<TGPLabelMenu, TGPLabel>},
    {TGBusinessCardLabel::StaticClassName, &MakeMenu<TGBusinessCardLabelMenu, TGBusinessCardLabel>},
};

} // namespace

std::unique_ptr<TGObjectMenu> TGObjectMenu::Create(TGBasePanel &panel, TGGraphicControl &object)
{
    std::unique_ptr<TGObjectMenu> menu;
    for (const TKindMenu &kind : KindMenus)
        if (std::strcmp(kind.ClassName, object.ClassName()) == 0)
            menu = kind.Factory(panel, object);
    if (!menu)
        menu = std::make_unique<TGObjectMenu>(panel, object);
    menu->Build();
    return menu;
}

TGObjectMenu::TGObjectMenu(TGBasePanel &panel, TGGraphicControl &object)
    : FPanel(panel), FObject(object), FMenu(std::make_unique<QMenu>(&panel))
{
}

TGObjectMenu::~TGObjectMenu() = default;

void TGObjectMenu::Build()
{
    AppendCommonEntries();
    AppendKindEntries();
    QObject::connect(FMenu.get(), &QMenu::aboutToShow, FMenu.get(), [this] { RefreshChecks(); });
}

void TGObjectMenu::Exec(QPoint globalPos)
{
    FMenu->exec(globalPos);
}

QAction *TGObjectMenu::AddCommand(QMenu &menu, const QString &caption, std::function<void()> command)
{
    QAction *action = menu.addAction(caption);
    QObject::connect(action, &QAction::triggered, FMenu.get(), [command = std::move(command)] { command(); });
    return action;
}

QAction *TGObjectMenu::AddCheckable(QMenu &menu, const QString &caption, std::function<void()> command)
{
    QAction *action = AddCommand(menu, caption, std::move(command));
    action->setCheckable(true);
    return action;
}

void TGObjectMenu::AppendCommonEntries()
{
    using TKind = TGBasePanel::TClipboardKind;
    TGBasePanel &panel = FPanel;
    TGGraphicControl &object = FObject;
    // Cut and Delete destroy the object: nothing may use it after them.
    AddCommand(*FMenu, QStringLiteral("Bring To Front"), [&panel, &object] {
        object.Changed();
        panel.Design().BringToFront(&object);
        panel.update();
    });
    AddCommand(*FMenu, QStringLiteral("Send To Back"), [&panel, &object] {
        object.Changed();
        panel.Design().SendToBack(&object);
        panel.Frame().ClearSelection();
        panel.update();
    });
    AddCommand(*FMenu, QStringLiteral("Cut"), [&panel, &object] {
        object.Changed();
        panel.ObjectClipboardOperation(&object, TKind::ckCut);
    });
    AddCommand(*FMenu, QStringLiteral("Copy"),
               [&panel, &object] { panel.ObjectClipboardOperation(&object, TKind::ckCopy); });
    AddCommand(*FMenu, QStringLiteral("Delete"), [&panel, &object] {
        object.Changed();
        panel.ObjectClipboardOperation(&object, TKind::ckDelete);
    });
    AddCommand(*FMenu, QStringLiteral("Clone"), [&panel, &object] { panel.CloneObject(object); });
    FMenu->addSeparator();
    FLockedAction = AddCheckable(*FMenu, QStringLiteral("Locked"), [this, &object] {
        object.SetLocked(!object.Locked());
        FLockedAction->setChecked(object.Locked());
        object.Changed();
    });
    AddCommand(*FMenu, QStringLiteral("Unselectable"), [&panel, &object] {
        object.SetUnselectable(true);
        object.Changed();
        panel.Frame().RemoveFromSelection(&object);
    });
    FMenu->addSeparator();
    AddCommand(*FMenu, QStringLiteral("Center Vertically"), [&panel, &object] {
        object.CenterVertically();
        QCoreApplication::processEvents();
        panel.update();
    });
    AddCommand(*FMenu, QStringLiteral("Center Horizontally"), [&panel, &object] {
        object.CenterHorizontally();
        QCoreApplication::processEvents();
        panel.update();
    });
}

void TGObjectMenu::RefreshChecks()
{
    FLockedAction->setChecked(FObject.Locked());
    UpdateMenuChecks();
}

std::vector<QAction *> TGObjectMenu::AddLineThickness(TPen &pen)
{
    QMenu *submenu = FMenu->addMenu(QStringLiteral("Line Thickness"));
    std::vector<QAction *> entries;
    TGGraphicControl &object = FObject;
    for (int width = 1; width <= 10; ++width) {
        entries.push_back(AddCheckable(*submenu, QString::number(width) + QStringLiteral(" Point"),
                                       [&pen, &object, width] {
                                           pen.SetWidth(width);
                                           object.Changed();
                                       }));
    }
    return entries;
}

void TGObjectMenu::CheckLineThickness(const std::vector<QAction *> &entries, int penWidth)
{
    for (size_t i = 0; i < entries.size(); ++i)
        entries[i]->setChecked(int(i) + 1 == penWidth);
}

bool TGObjectMenu::ChooseColor(TColor initial, TColor &chosen)
{
    const QColor color = QColorDialog::getColor(toQColor(colorToRGB(initial)), &FPanel);
    if (!color.isValid())
        return false;
    chosen = fromQColor(color);
    return true;
}

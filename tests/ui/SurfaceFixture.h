#pragma once

#include "core/TDesign.h"
#include "objects/graphics/TBCShapes.h"
#include "platform/TClock.h"
#include "ui/TGBasePanel.h"
#include "ui/TGHandle.h"

#include <QApplication>
#include <QColor>
#include <QDialog>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

// A shown design surface over a 336 x 192 card, with its own program folder
// and a clock the test moves by hand. Mouse and keys go through the window,
// so Qt routes them to the frame or the surface as it would for a user.
class SurfaceFixture
{
public:
    explicit SurfaceFixture(std::unique_ptr<TGBasePanel> (*make)(TDesign &, const QString &) = nullptr)
    {
        Panel = make ? make(Design, Folder.path()) : std::make_unique<TGBasePanel>(Design, Folder.path());
        Panel->SetClock(Clock);
        Panel->LabelChangedEvent = [this] { ++Changes; };
        Panel->show();
        Panel->activateWindow();
        if (!QTest::qWaitForWindowActive(Panel.get()))
            qWarning("the surface's window did not become active");
    }

    template <class T = TBCShapes>
    T *Add(const QRect &bounds)
    {
        auto object = std::make_unique<T>();
        object->SetName(Design.UniqueName(QStringLiteral("Test")));
        object->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
        object->Loaded();
        T *added = static_cast<T *>(Design.Add(std::move(object)));
        Panel->update();
        return added;
    }

    TGHandle &Frame() const { return Panel->Frame(); }
    QWindow *Window() const { return Panel->windowHandle(); }

    void Press(QPoint p, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(Window(), button, modifiers, p);
    }
    void Move(QPoint p) { QTest::mouseMove(Window(), p); }
    void Release(QPoint p, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(Window(), button, modifiers, p);
    }
    void Click(QPoint p, Qt::KeyboardModifiers modifiers = {})
    {
        Move(p);
        Press(p, modifiers);
        Release(p, modifiers);
    }
    // Press, wait long enough for a real drag, move in two steps, release.
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {})
    {
        Move(from);
        Press(from, modifiers);
        Clock.Advance(20);
        Move((from + to) / 2);
        Move(to);
        Clock.Advance(200);
        Release(to, modifiers);
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) { QTest::keyClick(Window(), Qt::Key(key), modifiers); }
    // Lets queued work (the frame's refit) run.
    static void Settle() { QCoreApplication::processEvents(); }

    QImage Grab() const { return Panel->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    QTemporaryDir Folder;
    TManualClock Clock;
    TDesign Design;
    std::unique_ptr<TGBasePanel> Panel;
    int Changes = 0;
};

// Runs open, which should show a pop-up menu, and hands that menu to use;
// the menu is closed afterwards even when a check inside use failed.
// Returns whether a menu appeared.
inline bool WithPopupMenu(const std::function<void()> &open, const std::function<void(QMenu &)> &use)
{
    bool seen = false;
    auto armed = std::make_shared<bool>(true);
    // Waits for the menu: open may process events before the menu appears.
    std::function<void()> inspect = [&seen, armed, &use, &inspect] {
        if (!*armed)
            return;
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu) {
            QTimer::singleShot(5, inspect);
            return;
        }
        *armed = false;
        seen = true;
        use(*menu);
        if (menu->isVisible())
            menu->close();
    };
    QTimer::singleShot(0, inspect);
    open();
    *armed = false;
    return seen;
}

// The same for a modal dialog: use accepts or rejects it; it is rejected
// afterwards when still open.
inline bool WithModalDialog(const std::function<void()> &open, const std::function<void(QDialog &)> &use)
{
    bool seen = false;
    auto armed = std::make_shared<bool>(true);
    std::function<void()> inspect = [&seen, armed, &use, &inspect] {
        if (!*armed)
            return;
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(5, inspect);
            return;
        }
        *armed = false;
        seen = true;
        use(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    };
    QTimer::singleShot(0, inspect);
    open();
    *armed = false;
    return seen;
}

// Runs during() and answers every message box it opens with OK; gives their texts.
inline QStringList AnswerMessageBoxes(const std::function<void()> &during)
{
    QStringList texts;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&texts] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            texts << box->text();
            box->accept();
        }
    });
    poll.start();
    during();
    return texts;
}

// The entry of a menu by its caption, following submenus given as "Style/Vertical".
inline QAction *FindAction(QMenu &menu, const QString &path)
{
    QMenu *current = &menu;
    const QStringList parts = path.split(u'/');
    for (int i = 0; i < parts.size(); ++i) {
        QAction *found = nullptr;
        for (QAction *action : current->actions())
            if (action->text() == parts[i])
                found = action;
        if (!found || i + 1 == parts.size())
            return found;
        current = found->menu();
        if (!current)
            return nullptr;
    }
    return nullptr;
}

// Captions of a menu's entries in order, "-" for separators.
inline QStringList Captions(const QMenu &menu)
{
    QStringList captions;
    for (const QAction *action : menu.actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

// Right-clicks p and chooses the entry at path from the menu that opens.
inline bool ChooseFromContextMenu(SurfaceFixture &f, QPoint p, const QString &path)
{
    bool chosen = false;
    const bool shown = WithPopupMenu([&] { f.Press(p, {}, Qt::RightButton); },
                                     [&](QMenu &menu) {
                                         if (QAction *action = FindAction(menu, path)) {
                                             chosen = action->isEnabled();
                                             if (chosen)
                                                 action->trigger();
                                         }
                                     });
    f.Release(p, {}, Qt::RightButton);
    return shown && chosen;
}

#pragma once

#include "core/TDesign.h"
#include "core/TGGraphicControl.h"
#include "platform/TProgramFolder.h"
#include "support/ModalScript.h"
#include "ui/TGBusinessCardPanel32.h"
#include "ui/TMainScreen.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>

// The real main window over its own temporary program folder, shown and
// through its start-up. Mouse and keys go through the window, as a user's do.
class MainWindowFixture
{
public:
    MainWindowFixture()
    {
        TProgramFolder::SetOverride(Folder.path());
        QDir().mkpath(SavedFolder());
    }
    ~MainWindowFixture()
    {
        Window.reset();
        TProgramFolder::SetOverride(QString());
    }

    // Shows the window and waits for its first activation; dialogs that
    // start-up opens are answered by script.
    bool Start(ModalScript *script = nullptr)
    {
        Window = std::make_unique<TMainScreen>();
        // Whether start-up finished is checked on return.
        const auto show = [this] {
            Window->show();
            static_cast<void>(QTest::qWaitFor([this] { return !Window->Loading(); }, 5000));
        };
        if (script)
            script->Run(show);
        else
            show();
        Window->activateWindow();
        return QTest::qWaitForWindowActive(Window.get()) && !Window->Loading();
    }

    QString SavedFolder() const { return Folder.filePath(QStringLiteral("saved")); }
    QString Saved(const QString &name) const { return QDir(SavedFolder()).filePath(name); }

    TGBusinessCardPanel32 &Card() const { return Window->BusinessCardPanel(); }
    TDesign &Design() const { return Card().Design(); }
    QWindow *Handle() const { return Window->windowHandle(); }

    QAction *Action(const char *name) const
    {
        return Window->findChild<QAction *>(QString::fromLatin1(name));
    }
    QAbstractButton *Button(const char *name) const
    {
        return Window->findChild<QAbstractButton *>(QString::fromLatin1(name));
    }
    void Click(const char *name) const { QTest::mouseClick(Button(name), Qt::LeftButton); }
    // Runs a menu entry or button click while the script answers its dialogs.
    void Trigger(const char *actionName, ModalScript &script) const
    {
        script.Run([this, actionName] { Action(actionName)->trigger(); });
    }
    // Opens the design through "&Open" and its file dialog; false when any
    // other dialog appeared.
    bool Open(const QString &fileName) const
    {
        ModalScript open({ModalScript::ChooseFile(fileName)});
        Trigger("Open1", open);
        return open.Unexpected == 0 && open.Unused == 0;
    }
    void ClickWith(const char *buttonName, ModalScript &script) const
    {
        script.Run([this, buttonName] { Click(buttonName); });
    }

    // Card coordinates to the window's.
    QPoint OnCard(QPoint p) const { return Card().mapTo(Window.get(), p); }
    // Draws with the tool of that button from one card point to another.
    void Draw(const char *toolButton, QPoint from, QPoint to, ModalScript *script = nullptr)
    {
        Click(toolButton);
        const auto drag = [this, from, to] {
            QTest::mouseMove(Handle(), OnCard(from));
            QTest::mousePress(Handle(), Qt::LeftButton, {}, OnCard(from));
            QTest::mouseMove(Handle(), OnCard((from + to) / 2));
            QTest::mouseMove(Handle(), OnCard(to));
            QTest::mouseRelease(Handle(), Qt::LeftButton, {}, OnCard(to));
        };
        if (script)
            script->Run(drag);
        else
            drag();
    }
    void Key(int key, Qt::KeyboardModifiers modifiers = {}) const
    {
        QTest::keyClick(Handle(), Qt::Key(key), modifiers);
    }

    // The file paths of the recent-files entries at the end of the File menu.
    QStringList RecentEntries() const
    {
        QStringList files;
        for (QAction *action : FileMenu().actions())
            if (action->objectName().startsWith(QStringLiteral("RecentFile")))
                files << action->data().toString();
        return files;
    }
    QMenu &FileMenu() const { return *qobject_cast<QMenu *>(Action("New1")->parent()); }
    // The entry as the menu shows it now (entries taken off linger until
    // the event loop runs).
    QAction *RecentEntry(int position) const
    {
        for (QAction *action : FileMenu().actions())
            if (action->objectName() == QStringLiteral("RecentFile%1").arg(position))
                return action;
        return nullptr;
    }

    static void WriteFile(const QString &fileName, const QByteArray &bytes)
    {
        QFile file(fileName);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    static QByteArray ReadFile(const QString &fileName)
    {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir Folder;
    std::unique_ptr<TMainScreen> Window;
};

#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

// Answers the modal dialogs a command opens, one step per dialog in the
// order they appear. A step is polled until it says it is done with its
// dialog, so it can wait for a job to finish; a dialog opened from inside a
// step (a question over the status window) takes the next step. A dialog a
// finished step leaves open is rejected, and so is every dialog beyond the
// last step or whose step waits too long, so a failing check never leaves
// the test hanging. Seen() lists what each dialog said.
class DialogScript
{
public:
    // True when the step is done with the dialog.
    using Step = std::function<bool(QDialog &)>;

    explicit DialogScript(std::vector<Step> steps) : FSteps(std::move(steps)) {}

    void Run(const std::function<void()> &command)
    {
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this] { Poll(); });
        poll.start();
        command();
        poll.stop();
        Unused = int(FSteps.size()) - FNext;
    }

    // The text of each message box, or the title of other dialogs when they appeared.
    QStringList Seen;
    int Unexpected = 0;
    int Unused = 0;
    int TimedOut = 0;

    static Step Press(QMessageBox::StandardButton button)
    {
        return [button](QDialog &dialog) {
            auto *box = qobject_cast<QMessageBox *>(&dialog);
            if (box && box->button(button))
                box->button(button)->click();
            return true;
        };
    }
    static Step Do(std::function<void(QDialog &)> action)
    {
        return [action](QDialog &dialog) {
            action(dialog);
            return true;
        };
    }

private:
    // Dialogs are tracked through guarded pointers: a later dialog may be
    // built where a closed one lay.
    struct TSeenDialog
    {
        QPointer<QDialog> Dialog;
        int Step = -1;
        QElapsedTimer Clock;
        bool Running = false;
        bool Done = false;
    };

    TSeenDialog &Record(QDialog *dialog)
    {
        for (TSeenDialog &seen : FSeen)
            if (seen.Dialog == dialog)
                return seen;
        auto *box = qobject_cast<QMessageBox *>(dialog);
        Seen << (box ? box->text() : dialog->windowTitle());
        FSeen.push_back(TSeenDialog{dialog, FNext < int(FSteps.size()) ? FNext++ : -1, QElapsedTimer(), false, false});
        FSeen.back().Clock.start();
        return FSeen.back();
    }

    void Poll()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        const size_t index = size_t(&Record(dialog) - FSeen.data());
        if (FSeen[index].Done || FSeen[index].Running)
            return;
        QPointer<QDialog> guard(dialog);
        bool done = true;
        if (FSeen[index].Step < 0) {
            ++Unexpected;
        } else if (FSeen[index].Clock.elapsed() > 20000) {
            ++TimedOut;
        } else {
            FSeen[index].Running = true;
            // The step may open dialogs of its own, which add records.
            done = FSteps[size_t(FSeen[index].Step)](*dialog);
            FSeen[index].Running = false;
        }
        if (!done)
            return;
        FSeen[index].Done = true;
        if (guard && guard->isVisible())
            guard->done(QDialog::Rejected);
    }

    std::vector<Step> FSteps;
    int FNext = 0;
    std::vector<TSeenDialog> FSeen;
};

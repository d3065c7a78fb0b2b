#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

// Answers the modal dialogs a command opens, one step per dialog, in the
// order they appear; a dialog opened from inside a step (a prompt over a
// file dialog) takes the next step. A dialog a step leaves open is rejected,
// and so is every dialog beyond the last step, so a failing check never
// leaves the test waiting. Seen() lists what each dialog said.
class ModalScript
{
public:
    using Step = std::function<void(QDialog &)>;

    explicit ModalScript(std::vector<Step> steps = {}) : FSteps(std::move(steps)) {}

    void Run(const std::function<void()> &command)
    {
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this] { AnswerNewDialog(); });
        poll.start();
        command();
        poll.stop();
        // Steps the command never asked for are as wrong as unexpected dialogs.
        Unused = int(FSteps.size()) - FNext;
    }

    // The text of each message box, or the title of other dialogs.
    QStringList Seen;
    // Dialogs that appeared after the last step.
    int Unexpected = 0;
    int Unused = 0;

    // ---- ready-made steps

    static Step Press(QMessageBox::StandardButton button, QString *text = nullptr)
    {
        return [button, text](QDialog &dialog) {
            auto *box = qobject_cast<QMessageBox *>(&dialog);
            if (text && box)
                *text = box->text();
            if (box && box->button(button))
                box->button(button)->click();
        };
    }
    static Step Accept()
    {
        return [](QDialog &dialog) { dialog.accept(); };
    }
    static Step Reject()
    {
        return [](QDialog &dialog) { dialog.reject(); };
    }
    // Enters a name in the file dialog's name field and presses Return;
    // proposed receives what the field held first.
    static Step ChooseFile(const QString &fileName, QString *proposed = nullptr)
    {
        return [fileName, proposed](QDialog &dialog) {
            auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!edit)
                return;
            if (proposed)
                *proposed = edit->text();
            // Set rather than typed: typing opens the name completer, which
            // would take the Return.
            edit->setText(fileName);
            QTest::keyClick(edit, Qt::Key_Return);
        };
    }

private:
    void AnswerNewDialog()
    {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || FHandled.contains(dialog))
            return;
        FHandled.append(dialog);
        auto *box = qobject_cast<QMessageBox *>(dialog);
        Seen << (box ? box->text() : dialog->windowTitle());
        Step step;
        if (FNext < int(FSteps.size()))
            step = FSteps[size_t(FNext++)];
        else
            ++Unexpected;
        // Run from an event of its own: a dialog the step opens in turn
        // needs this poll, which does not fire again while it is busy.
        QTimer::singleShot(0, dialog, [dialog, step] {
            QPointer<QDialog> guard(dialog);
            if (step)
                step(*dialog);
            if (guard && guard->isVisible())
                guard->done(QDialog::Rejected);
        });
    }

    std::vector<Step> FSteps;
    int FNext = 0;
    QList<QPointer<QDialog>> FHandled;
};

#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;
class QString;
class QWidget;

// The bottom strip every dialog carries: "Ok" (default), "Cancel", "Help"
// on the dialog's help topic and a pointer-help button that switches to
// "What's this?" help.
class TDialogStrip
{
public:
    // Adds the strip to the dialog and wires Ok to accept and Cancel to reject.
    static QHBoxLayout *Create(QDialog &dialog, int helpTopic);
    static QPushButton *OkButton(const QDialog &dialog);
    // Gives a control its "What's this?" text and the pop-up entry that shows it.
    static void SetWhatsThis(QWidget &control, const QString &text);
};

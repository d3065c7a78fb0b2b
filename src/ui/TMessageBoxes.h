#pragma once

class QString;
class QWidget;

// The program's message boxes, each with its fixed title, icon and buttons.
class TMessageBoxes
{
public:
    enum class TSaveAnswer { saYes, saNo, saCancel };

    // "Information", the information icon and an OK button.
    static void ShowInformation(QWidget *parent, const QString &text);
    // The question icon with Yes and No; true for Yes.
    static bool AskYesNo(QWidget *parent, const QString &text, const QString &title);
    // "Save changes?" with Yes, No and Cancel; closing the box is Cancel.
    static TSaveAnswer AskSaveChanges(QWidget *parent);
    // A command failed in a way the user must hear about: the failure's message.
    static void ShowError(QWidget *parent, const QString &text);
};

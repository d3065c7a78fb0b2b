#pragma once

#include <QDialog>

class QListWidget;
class QTextBrowser;

// The Designer Assistant: common questions about designing and printing
// cards, each with a short answer. It stays open beside the main window.
class TTipsAssistant : public QDialog
{
public:
    explicit TTipsAssistant(QWidget *parent = nullptr);

    QListWidget *Questions() const { return FQuestions; }
    QTextBrowser *Answer() const { return FAnswer; }

private:
    void ShowAnswer(int index);

    QListWidget *FQuestions;
    QTextBrowser *FAnswer;
};

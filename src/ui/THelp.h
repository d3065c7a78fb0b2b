#pragma once

class QString;
class QWidget;

// The help pages, by topic number.
class THelp
{
public:
    // Shows the topic's page in the help window (a general page when the
    // topic has none of its own).
    static void ShowTopic(QWidget *parent, int topic);
    // Shows the help file's contents page.
    static void ShowContents(QWidget *parent);

private:
    static void ShowPage(QWidget *parent, const QString &page);
};

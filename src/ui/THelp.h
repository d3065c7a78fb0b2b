#pragma once

class QWidget;

// The help pages, by topic number.
class THelp
{
public:
    // Shows the topic's page in the help window (a general page when the
    // topic has none of its own).
    static void ShowTopic(QWidget *parent, int topic);
};

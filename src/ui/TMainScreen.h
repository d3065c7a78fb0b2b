#pragma once

#include <QMainWindow>

// The application's main window.
class TMainScreen : public QMainWindow
{
public:
    explicit TMainScreen(QWidget *parent = nullptr);
};

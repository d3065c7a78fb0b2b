#include "ui/TMainScreen.h"

TMainScreen::TMainScreen(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Quandrel"));
    resize(640, 480);
}

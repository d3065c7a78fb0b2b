#include "ui/TMainScreen.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quandrel"));
    TMainScreen window;
    window.show();
    return app.exec();
}

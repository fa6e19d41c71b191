#include "shell/events.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Pixkor"));
    InstallGermanToolkitTexts();
    StartPixkor();
    app.exec();
    return 0;
}

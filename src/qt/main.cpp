#include "../shell/startup.h"
#include "qtfrontend.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Lets the desktop match the window to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Pixkor"));
    InstallGermanToolkitTexts();
    return RunPixkor();
}

#include "shell/events.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartPixkor();
    app.exec();
    return 0;
}

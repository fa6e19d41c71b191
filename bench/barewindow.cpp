// The yardstick for bench/startup: an empty Qt window of the editor's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(600, 650);
    window.show();
    return app.exec();
}

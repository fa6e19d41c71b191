// The second yardstick for bench/startup: the empty window with one line of
// text, which is what first brings in fontconfig and the font engines.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Text"));
    window.setFixedSize(600, 650);
    auto *label = new QLabel(QStringLiteral("Segment 0"), &window);
    label->move(20, 20);
    window.show();
    return app.exec();
}

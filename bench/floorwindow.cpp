// The third yardstick for bench/startup, the floor: one widget that paints
// what the editor's window first shows (the six toolbar labels, the eight
// captioned frames with their "Aktiv" and "Inc" texts, 320 green 14 x 14
// squares and the white box) and nothing more. It pays for the fonts and the
// pixels; what the editor needs beyond it is the cost of its widgets.
#include "editing/gridsnapshot.h"
#include "shell/layout.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

// The editor's toolbar height with 24-pixel pictures and one line of text.
constexpr int T = 57;

QRect ToQRect(const Rect &rect)
{
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

class FloorWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        int x = 4;
        for (const ToolbarButton &button : ToolbarButtons) {
            if (button.commandId == SeparatorId) {
                x += 8;
                continue;
            }
            const QString label = ToQString(button.label);
            const int width = fontMetrics().horizontalAdvance(label) + 8;
            painter.drawText(QRect(x, 30, width, 20), Qt::AlignCenter, label);
            x += width;
        }
        const QColor off(0x9C, 0xCF, 0x1E);
        for (int segment = 0; segment < SegmentCount; ++segment) {
            const QRect frame = ToQRect(SegmentFrameRect(segment, T));
            painter.drawRect(frame.adjusted(0, 6, -1, -1));
            painter.drawText(frame.topLeft() + QPoint(8, 10), ToQString(SegmentCaption(segment)));
            painter.drawText(ToQRect(ActiveOptionRect(segment, T)).adjusted(20, 0, 0, 0), Qt::AlignVCenter,
                             ToQString(ActiveOptionText));
            painter.drawText(ToQRect(IncludeBoxRect(segment, T)).adjusted(20, 0, 0, 0), Qt::AlignVCenter,
                             ToQString(IncludeBoxText));
            for (int row = 1; row <= RowCount; ++row)
                for (int column = 1; column <= ColumnCount; ++column)
                    painter.fillRect(ToQRect(PixelToggleRect(segment, column, row, T)).adjusted(2, 2, -2, -2), off);
        }
        painter.fillRect(ToQRect(OutputBoxRect(T)), Qt::white);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    FloorWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(WindowWidth, WindowHeight);
    window.show();
    return app.exec();
}

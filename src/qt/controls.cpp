// The controls' state, the output box and the clipboard.

#include "../editing/grid.h"
#include "pixeltoggle.h"
#include "qtfrontend.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

namespace {
QAbstractButton *ButtonOf(ControlHandle control)
{
    return static_cast<QAbstractButton *>(WidgetOf(control));
}
}

bool ButtonState(ControlHandle control)
{
    return ButtonOf(control)->isChecked();
}

// setChecked() emits toggled() but never clicked(); the program listens only to
// clicked(), so its own changes raise no events.
void SetButtonState(ControlHandle control, bool on)
{
    ButtonOf(control)->setChecked(on);
}

void InsertOutputLine(ControlHandle box, std::string_view text)
{
    auto *edit = static_cast<QTextEdit *>(WidgetOf(box));
    // An ordinary edit of the box, so that its own undo takes the line back.
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.beginEditBlock();
    cursor.insertText(ToQString(text) + QLatin1Char('\n'));
    cursor.endEditBlock();
    // The caret stands at the start of the second line, and the box scrolls
    // to its top so that the new first line shows as well.
    edit->setTextCursor(cursor);
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->minimum());
}

void PutTextOnClipboard(std::string_view text)
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(ToQString(text));
}

QWidget *MainWidget()
{
    return WidgetOf(MainWindow);
}

QGroupBox *SegmentFrame(int segment)
{
    return static_cast<QGroupBox *>(WidgetOf(SegmentFrames[segment]));
}

QCheckBox *IncludeBox(int segment)
{
    return static_cast<QCheckBox *>(WidgetOf(IncludeBoxes[segment]));
}

QRadioButton *ActiveOption(int segment)
{
    return static_cast<QRadioButton *>(WidgetOf(ActiveOptions[segment]));
}

PixelToggleButton *PixelToggle(int segment, int column, int row)
{
    return static_cast<PixelToggleButton *>(WidgetOf(PixelButtons[segment][column][row]));
}

QTextEdit *OutputTextBox()
{
    return static_cast<QTextEdit *>(WidgetOf(OutputBox));
}

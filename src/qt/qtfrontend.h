#pragma once

// The Qt front-end's side of the handles: which widget or picture a handle
// stands for, and back. A handle is the widget's (or image's) own address.

#include "../shell/platform.h"

#include <QImage>
#include <QPixmap>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QGroupBox;
class PixelToggleButton;
class QRadioButton;
class QTextEdit;
class QToolBar;
class QWidget;

inline ControlHandle HandleOf(QWidget *widget)
{
    return reinterpret_cast<ControlHandle>(widget);
}

inline QWidget *WidgetOf(ControlHandle control)
{
    return reinterpret_cast<QWidget *>(control);
}

inline WindowHandle WindowHandleOf(QWidget *window)
{
    return reinterpret_cast<WindowHandle>(window);
}

inline QWidget *WidgetOf(WindowHandle window)
{
    return reinterpret_cast<QWidget *>(window);
}

// The picture behind a handle, as loaded and ready to draw; null for an
// empty one.
const QImage &ImageOf(PictureHandle picture);
const QPixmap &PixmapOf(PictureHandle picture);

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

inline std::string ToUtf8(const QString &text)
{
    return text.toStdString();
}

// The controls of editing/grid.h's tables, as the widgets they are.
QWidget *MainWidget();
QGroupBox *SegmentFrame(int segment);
QCheckBox *IncludeBox(int segment);
QRadioButton *ActiveOption(int segment);
PixelToggleButton *PixelToggle(int segment, int column, int row);
QTextEdit *OutputTextBox();

extern QToolBar *Toolbar;
// The height of the toolbar; everything under it is placed that much lower.
int ToolbarHeight();
// The controls that Tab and Shift+Tab visit, in creation order.
extern std::vector<QWidget *> TabStops;

// Qt's own dialogs (file dialogs, message boxes) in German like the rest of
// the program, when the system has Qt's German texts. Needs a QApplication.
void InstallGermanToolkitTexts();

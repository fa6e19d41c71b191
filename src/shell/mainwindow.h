#pragma once

// The one window: its pictures, its fixed layout and its keyboard focus chain.

#include <QImage>
#include <QPixmap>
#include <QString>

#include <array>
#include <vector>

class QPushButton;
class QToolBar;
class QWidget;

constexpr int ToolbarCommandCount = 6;

// Picture files, relative to the working directory.
extern const QString ImageGreenFile;
extern const QString ImageBlackFile;
extern const std::array<QString, ToolbarCommandCount> ToolbarPictureFiles; // by command id

extern QImage ImageGreen;
extern QImage ImageBlack;
extern std::array<QImage, ToolbarCommandCount> ToolbarPictures; // by command id

extern QToolBar *Toolbar;
// The controls that Tab and Shift+Tab visit, in creation order.
extern std::vector<QWidget *> TabStops;

// The picture in that file; an empty picture when it cannot be loaded.
QImage LoadPicture(const QString &path);
// New, ImageGreen, Copy, Invert, Open, Save, Save As, in that order.
void LoadToolbarAndOffPictures();

void OpenMainWindow(int x, int y, int width, int height);
void SetPressedPicture(QPushButton *toggle, const QPixmap &picture);

// The height of the toolbar; everything under it is placed that much lower.
int ToolbarHeight();
int SegmentLeft(int segment);
int SegmentTop(int segment);

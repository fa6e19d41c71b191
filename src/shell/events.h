#pragma once

// The program's start-up and the one place every user action goes through.

class QObject;

enum class EventKind { ControlEvent, ToolbarEvent, CloseWindowEvent };

struct WindowEvent {
    EventKind kind;
    QObject *control = nullptr; // ControlEvent: the control the user used
    int commandId = -1;         // ToolbarEvent: 0 New, 1 Copy, 2 Invert, 3 Load, 4 Save, 5 Save As
};

// False for CloseWindowEvent, true for everything else.
bool HandleWindowEvent(const WindowEvent &event);

// Qt's own dialogs (file dialogs, message boxes) in German like the rest of
// the program, when the system has Qt's German texts. Needs a QApplication.
void InstallGermanToolkitTexts();

// Everything between the toolkit's start and its event loop: tables, pictures,
// the window, and the on picture of every pixel. Needs a QApplication.
void StartPixkor();

#pragma once

// The one place every user action goes through.

#include "platform.h"

enum class EventKind { ControlEvent, ToolbarEvent, CloseWindowEvent };

struct WindowEvent {
    EventKind kind;
    ControlHandle control = nullptr; // ControlEvent: the control the user used
    int commandId = -1;              // ToolbarEvent: 0 New, 1 Copy, 2 Invert, 3 Load, 4 Save, 5 Save As
};

// False for CloseWindowEvent, true for everything else.
bool HandleWindowEvent(const WindowEvent &event);

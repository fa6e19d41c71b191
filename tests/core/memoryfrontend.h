#pragma once

// A front-end without a window, for tests of the portable core: every control
// is a plain value in memory, the clipboard and the output box are texts, the
// file dialogs answer from a script, and message boxes are only recorded.
// Files are real; they come from the system's file functions.

#include "shell/layout.h"
#include "shell/platform.h"

#include <deque>
#include <string>
#include <vector>

namespace Memory {

enum class Kind { Frame, IncludeBox, PixelToggle, Option, OutputBox };

struct Control {
    Kind kind;
    Rect rect;
    std::string text;
    bool on = false;
    PictureHandle picture = nullptr;        // shown when off
    PictureHandle pressedPicture = nullptr; // shown when on
};

struct Dialog {
    bool save;
    std::string title;
    std::string filter;
};

struct Message {
    MessageIcon icon;
    std::string caption;
    std::string text;
};

// The toolbar height this front-end reports.
constexpr int ToolbarHeight = 40;

// Every control in creation order.
extern std::deque<Control> Controls;
Control &ControlOf(ControlHandle handle);

extern std::string Clipboard;
extern std::string OutputText;
extern std::size_t OutputCaret; // in bytes from the start of OutputText
// Undoes the last insertion into the output box, as the box's own undo does;
// false when there is nothing to undo.
bool UndoOutputBox();

// Answers of the coming file dialogs, in order; a dialog without an answer
// counts as cancelled and is noted in UnansweredDialogs.
extern std::deque<std::string> DialogAnswers;
extern int UnansweredDialogs;
extern std::vector<Dialog> DialogsShown;
extern std::vector<Message> MessagesShown;

// What the program asked of the front-end, in order: "LoadPicture Icons/New.ico
// Icon", "OpenMainWindow 50 50 600 650", "SetPressedPicture" (once for a run of
// such calls), "RunEventLoop".
extern std::vector<std::string> Calls;

// Events RunEventLoop takes in order; it returns after a CloseWindowEvent or
// when none is left. An event for another window than MainWindow is taken
// but not handed on.
struct PendingEvent {
    bool forMainWindow;
    int kind; // an EventKind
    ControlHandle control;
    int commandId;
};
extern std::deque<PendingEvent> PendingEvents;
extern int EventsHandled;

// Picture files that load; any other path yields an empty picture.
extern std::vector<std::string> LoadablePictures;

// Forgets everything: no window, no controls, no calls.
void Reset();

} // namespace Memory

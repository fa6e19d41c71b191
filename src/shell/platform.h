#pragma once

// What a front-end provides. The rest of the program reaches the window, its
// controls, the clipboard, the dialogs, files and pictures only through the
// functions declared here, and each front-end (src/qt/, src/win32/, or the
// tests' in-memory one) implements every one of them. The file functions come
// from the system's folder (src/unix/ or src/win32/), so every front-end on
// one system shares them.
//
// All texts are UTF-8, paths included.

#include <functional>
#include <string>
#include <string_view>

// Opaque references to the front-end's own objects; what they point to is
// the front-end's business. A null handle stands for "none".
struct ControlObject;
using ControlHandle = ControlObject *;
struct WindowObject;
using WindowHandle = WindowObject *;
struct PictureObject;
using PictureHandle = PictureObject *; // null: an empty picture

// --- The window -------------------------------------------------------------

// Opens the window and creates every control, filling the tables and values
// of editing/grid.h (MainWindow, SegmentFrames, IncludeBoxes, PixelButtons,
// ActiveOptions, OutputBox), with the layout of shell/layout.h. Every toggle
// shows ImageGreen when off; ActiveOptions[0] is selected.
void OpenMainWindow(int x, int y, int width, int height);

// Waits for events and hands those of MainWindow to HandleWindowEvent
// (shell/events.h) until one was a CloseWindowEvent.
void RunEventLoop();

// --- Controls ---------------------------------------------------------------

// The state of a pixel toggle (on), an include box (checked) or an option
// button (selected).
bool ButtonState(ControlHandle control);
// Sets that state without raising an event; a toggle redraws with the picture
// of its new state. For option buttons the caller keeps the group exclusive:
// it selects one and then clears the others.
void SetButtonState(ControlHandle control, bool on);

// The picture a pixel toggle shows while on and while held down.
void SetPressedPicture(ControlHandle toggle, PictureHandle picture);

// Inserts the text and a line break at the very start of the output box as
// one ordinary edit, which the box's own undo takes back; the caret then
// stands at the start of the second line.
void InsertOutputLine(ControlHandle box, std::string_view text);

// --- Clipboard, dialogs, message box ------------------------------------------

// Replaces the clipboard's content by the text, as Unicode text. When the
// clipboard cannot be opened nothing happens and nothing is reported.
void PutTextOnClipboard(std::string_view text);

// The system's open and save dialogs, modal and owned by MainWindow: a fresh
// dialog every time with the first entry of the filter list selected
// ("Label|pattern|Label|pattern..."), an empty name field, the folder part of
// a typed path required to exist, no read-only box, the working directory
// left alone. The save dialog neither asks before replacing a file nor appends
// an extension. Paths of any length. Returns the chosen path, or an empty text
// when the dialog was cancelled.
std::string ChooseFileToLoad(std::string_view title, std::string_view filter);
std::string ChooseFileToSave(std::string_view title, std::string_view filter);

enum class MessageIcon { None, Warning };
// A modal message box with a single OK button, owned by MainWindow.
void ShowMessage(MessageIcon icon, std::string_view caption, std::string_view text);

// --- Pictures -----------------------------------------------------------------

enum class PictureFormat {
    Icon,   // an icon file, made ready for the toolbar at 24 x 24 pixels
    Bitmap, // a bitmap file, kept at its own size
};
// The picture in file `name` of `folder` (empty: the file lies in the working
// directory itself), relative to the working directory and joined with the
// system's path separator. Null when it cannot be loaded. A loaded picture
// lives until the program ends.
PictureHandle LoadPicture(std::string_view folder, std::string_view name, PictureFormat format);

// --- Files ----------------------------------------------------------------------

enum class FileProblem {
    None,
    NotFound,           // the file, or a folder of its path, does not exist
    AccessDenied,
    IsFolder,           // the path names a folder
    NotPlainFile,       // a device or a pipe where a file is read
    NoSpace,            // the disk is full (or a size limit was reached)
    ReadOnlyFileSystem,
    PathTooLong,
    Other,              // see FileResult::systemText
};

struct FileResult {
    FileProblem problem = FileProblem::None;
    std::string systemText; // the system's own words for the problem, if it has any

    explicit operator bool() const { return problem == FileProblem::None; }
};

// Makes `bytes` the whole content of the file at `path`, creating it if
// needed, so that the old content survives any failure: the file holds either
// its old content or all of the new. An existing file stays what it was (its
// links, owner, permissions and attributes). A device or a pipe is never
// replaced by a file: the system's folder either writes into it without
// waiting for a reader, or refuses it (NotPlainFile) where writing could block.
FileResult WriteWholeFile(const std::string &path, std::string_view bytes);

// Hands the content of the plain file at `path` to `take`, in pieces of a
// fixed size and in order, and returns once the end is reached or reading
// failed. A device or a pipe is refused (NotPlainFile) without reading.
FileResult ReadFileInPieces(const std::string &path, const std::function<void(std::string_view)> &take);

#include "memoryfrontend.h"

#include "editing/grid.h"
#include "shell/events.h"
#include "shell/startup.h"

#include <algorithm>

namespace Memory {

std::deque<Control> Controls;
std::string Clipboard;
std::string OutputText;
std::size_t OutputCaret = 0;
std::deque<std::string> DialogAnswers;
int UnansweredDialogs = 0;
std::vector<Dialog> DialogsShown;
std::vector<Message> MessagesShown;
std::vector<std::string> Calls;
std::deque<PendingEvent> PendingEvents;
int EventsHandled = 0;
std::vector<std::string> LoadablePictures;

namespace {

std::vector<std::string> UndoTexts;
// Pictures are told apart by their address alone.
std::deque<std::string> Pictures;
int TheWindow;

ControlHandle Create(Kind kind, Rect rect, std::string text = {})
{
    Controls.push_back({kind, rect, std::move(text)});
    return reinterpret_cast<ControlHandle>(&Controls.back());
}

void Call(std::string call)
{
    if (call == "SetPressedPicture" && !Calls.empty() && Calls.back() == call)
        return;
    Calls.push_back(std::move(call));
}

std::string ChooseFile(bool save, std::string_view title, std::string_view filter)
{
    DialogsShown.push_back({save, std::string(title), std::string(filter)});
    if (DialogAnswers.empty()) {
        ++UnansweredDialogs;
        return {};
    }
    std::string answer = DialogAnswers.front();
    DialogAnswers.pop_front();
    return answer;
}

} // namespace

Control &ControlOf(ControlHandle handle)
{
    return *reinterpret_cast<Control *>(handle);
}

bool UndoOutputBox()
{
    if (UndoTexts.empty())
        return false;
    OutputText = UndoTexts.back();
    UndoTexts.pop_back();
    OutputCaret = 0;
    return true;
}

void Reset()
{
    Controls.clear();
    Clipboard.clear();
    OutputText.clear();
    OutputCaret = 0;
    UndoTexts.clear();
    DialogAnswers.clear();
    UnansweredDialogs = 0;
    DialogsShown.clear();
    MessagesShown.clear();
    Calls.clear();
    PendingEvents.clear();
    EventsHandled = 0;
    LoadablePictures.clear();
}

} // namespace Memory

using namespace Memory;

void OpenMainWindow(int x, int y, int width, int height)
{
    Call("OpenMainWindow " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(width) + " "
         + std::to_string(height));
    MainWindow = reinterpret_cast<WindowHandle>(&TheWindow);
    const int T = Memory::ToolbarHeight;
    for (int segment = 0; segment < SegmentCount; ++segment) {
        SegmentFrames[segment] = Create(Kind::Frame, SegmentFrameRect(segment, T), SegmentCaption(segment));
        IncludeBoxes[segment] = Create(Kind::IncludeBox, IncludeBoxRect(segment, T), std::string(IncludeBoxText));
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column) {
                const ControlHandle toggle = Create(Kind::PixelToggle, PixelToggleRect(segment, column, row, T),
                                                    PixelToggleName(segment, column, row));
                ControlOf(toggle).picture = ImageGreen;
                PixelButtons[segment][column][row] = toggle;
            }
    }
    for (int segment = 0; segment < SegmentCount; ++segment)
        ActiveOptions[segment] = Create(Kind::Option, ActiveOptionRect(segment, T), std::string(ActiveOptionText));
    OutputBox = Create(Kind::OutputBox, OutputBoxRect(T));
    ControlOf(ActiveOptions[0]).on = true;
}

void RunEventLoop()
{
    Call("RunEventLoop");
    while (!PendingEvents.empty()) {
        const PendingEvent event = PendingEvents.front();
        PendingEvents.pop_front();
        if (event.forMainWindow) {
            HandleWindowEvent({EventKind(event.kind), event.control, event.commandId});
            ++EventsHandled;
        }
        if (EventKind(event.kind) == EventKind::CloseWindowEvent)
            return;
    }
}

bool ButtonState(ControlHandle control)
{
    return ControlOf(control).on;
}

void SetButtonState(ControlHandle control, bool on)
{
    ControlOf(control).on = on;
}

void SetPressedPicture(ControlHandle toggle, PictureHandle picture)
{
    Call("SetPressedPicture");
    ControlOf(toggle).pressedPicture = picture;
}

void InsertOutputLine(ControlHandle box, std::string_view text)
{
    if (&ControlOf(box) != &ControlOf(OutputBox))
        return;
    UndoTexts.push_back(OutputText);
    OutputText.insert(0, std::string(text) + '\n');
    OutputCaret = text.size() + 1;
}

void PutTextOnClipboard(std::string_view text)
{
    Clipboard = text;
}

std::string ChooseFileToLoad(std::string_view title, std::string_view filter)
{
    return ChooseFile(false, title, filter);
}

std::string ChooseFileToSave(std::string_view title, std::string_view filter)
{
    return ChooseFile(true, title, filter);
}

void ShowMessage(MessageIcon icon, std::string_view caption, std::string_view text)
{
    MessagesShown.push_back({icon, std::string(caption), std::string(text)});
}

PictureHandle LoadPicture(std::string_view folder, std::string_view name, PictureFormat format)
{
    const std::string path = folder.empty() ? std::string(name) : std::string(folder) + "/" + std::string(name);
    Call("LoadPicture " + path + (format == PictureFormat::Icon ? " Icon" : " Bitmap"));
    if (std::find(LoadablePictures.begin(), LoadablePictures.end(), path) == LoadablePictures.end())
        return nullptr;
    Pictures.push_back(path);
    return reinterpret_cast<PictureHandle>(&Pictures.back());
}

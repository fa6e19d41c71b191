// The controls' state, the output box and the clipboard.

#include "../editing/grid.h"
#include "win32frontend.h"

#include <cstring>

#include <richedit.h>

bool ButtonState(ControlHandle control)
{
    HWND button = HwndOf(control);
    if (IsPixelToggle(button))
        return PixelToggleOn(button);
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// BM_SETCHECK notifies nobody, so the program's own changes raise no events.
void SetButtonState(ControlHandle control, bool on)
{
    HWND button = HwndOf(control);
    if (IsPixelToggle(button))
        return SetPixelToggleOn(button, on);
    SendMessageW(button, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SetPressedPicture(ControlHandle toggle, PictureHandle picture)
{
    SetPixelToggleOnPicture(HwndOf(toggle), picture);
}

// An ordinary edit of the box, which its own undo (Ctrl+Z) takes back as a
// whole; the caret ends at the start of the second line. Like every change the
// program makes, it raises no event.
void InsertOutputLine(ControlHandle box, std::string_view text)
{
    HWND edit = HwndOf(box);
    const LRESULT events = SendMessageW(edit, EM_SETEVENTMASK, 0, 0);
    // The user's typing just before is an edit of its own.
    SendMessageW(edit, EM_STOPGROUPTYPING, 0, 0);
    SendMessageW(edit, EM_SETSEL, 0, 0);
    const std::wstring line = WideOf(text) + L"\r\n";
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(line.c_str()));
    // The new line shows even when the box was scrolled down.
    SendMessageW(edit, WM_VSCROLL, SB_TOP, 0);
    SendMessageW(edit, EM_STOPGROUPTYPING, 0, 0);
    SendMessageW(edit, EM_SETEVENTMASK, 0, events);
}

void PutTextOnClipboard(std::string_view text)
{
    const std::wstring wide = WideOf(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    // Without the memory the clipboard keeps what it holds.
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return;
    void *place = GlobalLock(memory);
    if (!place) {
        GlobalFree(memory);
        return;
    }
    std::memcpy(place, wide.c_str(), bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(HwndOf(MainWindow))) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    // Once set, the memory belongs to the clipboard.
    if (!SetClipboardData(CF_UNICODETEXT, memory))
        GlobalFree(memory);
    CloseClipboard();
}

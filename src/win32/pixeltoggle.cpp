// The pixel toggles: owner-drawn buttons, since a push-like check box cannot
// show one picture when off and another when on. Each keeps its state and its
// two pictures; the button class still gives it the press, the release, Space
// and the focus.

#include "win32frontend.h"

#include <deque>

#include <commctrl.h>

namespace {

struct Toggle {
    bool on = false;
    PictureHandle offPicture = nullptr;
    PictureHandle onPicture = nullptr;
};

// One entry per toggle, for the program's whole life.
std::deque<Toggle> Toggles;

// A picture is cut off this far inside the edge without a visual style; an
// 18 x 18 toggle then shows at most its central 14 x 14 pixels.
constexpr int ClassicPictureInset = 2;
constexpr int ThemedPictureInset = 4;
// The focus rectangle runs 3 pixels inside the edge.
constexpr int FocusInset = 3;

Toggle *ToggleOf(HWND toggle)
{
    return reinterpret_cast<Toggle *>(GetWindowLongPtrW(toggle, GWLP_USERDATA));
}

// The visual style's push button, through uxtheme.dll when the system has it;
// loaded at run time so that the program imports nothing beyond the DLLs
// every Windows has.
using OpenThemeDataProc = HANDLE(WINAPI *)(HWND, LPCWSTR);
using CloseThemeDataProc = HRESULT(WINAPI *)(HANDLE);
using DrawThemeBackgroundProc = HRESULT(WINAPI *)(HANDLE, HDC, int, int, const RECT *, const RECT *);
OpenThemeDataProc OpenThemeData = nullptr;
CloseThemeDataProc CloseThemeData = nullptr;
DrawThemeBackgroundProc DrawThemeBackground = nullptr;
HANDLE ButtonTheme = nullptr;
constexpr int PushButtonPart = 1;                    // BP_PUSHBUTTON
constexpr int NormalState = 1, PressedState = 3;     // PBS_NORMAL, PBS_PRESSED

void LoadThemeFunctions()
{
    static bool tried = false;
    if (tried)
        return;
    tried = true;
    HMODULE uxtheme = LoadLibraryW(L"uxtheme.dll");
    if (!uxtheme)
        return;
    OpenThemeData = reinterpret_cast<OpenThemeDataProc>(
        reinterpret_cast<void *>(GetProcAddress(uxtheme, "OpenThemeData")));
    CloseThemeData = reinterpret_cast<CloseThemeDataProc>(
        reinterpret_cast<void *>(GetProcAddress(uxtheme, "CloseThemeData")));
    DrawThemeBackground = reinterpret_cast<DrawThemeBackgroundProc>(
        reinterpret_cast<void *>(GetProcAddress(uxtheme, "DrawThemeBackground")));
    if (!OpenThemeData || !CloseThemeData || !DrawThemeBackground)
        OpenThemeData = nullptr;
}

// An owner-drawn button takes the second click of a double click as a double
// click and does not press; a pixel toggle takes it as one more click.
LRESULT CALLBACK ToggleProc(HWND toggle, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    return DefSubclassProc(toggle, message, wParam, lParam);
}

void DrawPicture(HDC dc, const RECT &face, const LoadedPicture &picture, bool held)
{
    int left = face.left + (face.right - face.left - picture.width) / 2;
    int top = face.top + (face.bottom - face.top - picture.height) / 2;
    if (held) {
        ++left;
        ++top;
    }
    const int inset = PixelPictureInset();
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, face.left + inset, face.top + inset, face.right - inset, face.bottom - inset);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, picture.bitmap);
    BitBlt(dc, left, top, picture.width, picture.height, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    RestoreDC(dc, saved);
}

} // namespace

HWND CreatePixelToggle(HWND parent, const wchar_t *name, int x, int y, int width, int height, PictureHandle offPicture)
{
    HWND toggle = CreateWindowExW(0, L"BUTTON", name, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, x, y, width,
                                  height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    Toggles.push_back({false, offPicture, nullptr});
    SetWindowLongPtrW(toggle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&Toggles.back()));
    SetWindowSubclass(toggle, ToggleProc, 0, 0);
    return toggle;
}

bool IsPixelToggle(HWND control)
{
    return (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW && ToggleOf(control);
}

bool PixelToggleOn(HWND toggle)
{
    return ToggleOf(toggle)->on;
}

void SetPixelToggleOn(HWND toggle, bool on)
{
    Toggle *state = ToggleOf(toggle);
    if (state->on == on)
        return;
    state->on = on;
    InvalidateRect(toggle, nullptr, FALSE);
}

void FlipPixelToggle(HWND toggle)
{
    SetPixelToggleOn(toggle, !PixelToggleOn(toggle));
}

void SetPixelToggleOnPicture(HWND toggle, PictureHandle onPicture)
{
    Toggle *state = ToggleOf(toggle);
    state->onPicture = onPicture;
    InvalidateRect(toggle, nullptr, FALSE);
}

int PixelPictureInset()
{
    return ButtonTheme ? ThemedPictureInset : ClassicPictureInset;
}

void RefreshButtonTheme(HWND window)
{
    LoadThemeFunctions();
    if (!OpenThemeData)
        return;
    if (ButtonTheme)
        CloseThemeData(ButtonTheme);
    ButtonTheme = OpenThemeData(window, L"Button");
}

// The face of a push button, pressed in while held down or on; the picture of
// the state it shows, at its own size, centred, one pixel right and down while
// held; the focus rectangle when focus cues are shown.
void DrawPixelToggle(const DRAWITEMSTRUCT &item)
{
    const Toggle *state = ToggleOf(item.hwndItem);
    if (!state)
        return;
    const bool held = item.itemState & ODS_SELECTED;
    const bool pressed = held || state->on;
    RECT face = item.rcItem;
    if (ButtonTheme) {
        FillRect(item.hDC, &face, GetSysColorBrush(COLOR_BTNFACE));
        DrawThemeBackground(ButtonTheme, item.hDC, PushButtonPart, pressed ? PressedState : NormalState, &face,
                            nullptr);
    } else {
        UINT look = DFCS_BUTTONPUSH;
        if (pressed)
            look |= DFCS_PUSHED;
        DrawFrameControl(item.hDC, &face, DFC_BUTTON, look);
    }

    const PictureHandle shown = pressed && state->onPicture ? state->onPicture : state->offPicture;
    if (const LoadedPicture *picture = PictureOf(shown); picture && picture->bitmap)
        DrawPicture(item.hDC, item.rcItem, *picture, held);

    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -FocusInset, -FocusInset);
        DrawFocusRect(item.hDC, &focus);
    }
}

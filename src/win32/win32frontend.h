#pragma once

// The Win32 front-end's side of the handles, and what its parts share. A
// control handle is the control's HWND, the window handle the main window's;
// a picture handle points to a LoadedPicture.

#include "../shell/platform.h"
#include "unicode.h"

#include <vector>

#include <windows.h>

inline ControlHandle HandleOf(HWND control)
{
    return reinterpret_cast<ControlHandle>(control);
}

inline HWND HwndOf(ControlHandle control)
{
    return reinterpret_cast<HWND>(control);
}

inline WindowHandle WindowHandleOf(HWND window)
{
    return reinterpret_cast<WindowHandle>(window);
}

inline HWND HwndOf(WindowHandle window)
{
    return reinterpret_cast<HWND>(window);
}

// A picture as loaded: an icon made ready for the toolbar, or a bitmap at its
// own size.
struct LoadedPicture {
    HICON icon = nullptr;
    HBITMAP bitmap = nullptr;
    int width = 0;
    int height = 0;
};

inline const LoadedPicture *PictureOf(PictureHandle picture)
{
    return reinterpret_cast<const LoadedPicture *>(picture);
}

// What wWinMain prepares before the program starts: the common controls,
// COM, and the rich edit library. The window class of the output box.
void StartToolkit();
extern const wchar_t *RichEditClass;

extern HWND MainHwnd;
extern HWND Toolbar;
// The toolbar's height T, read from its window rectangle.
int ToolbarHeight();
// The controls that Tab and Shift+Tab visit, in creation order.
extern std::vector<HWND> TabStops;

// One message as the event loop handles it: keys that move the focus first,
// then translation and dispatch.
void ProcessMessage(MSG &message);

// Pixel toggles: owner-drawn buttons that keep their own state.
HWND CreatePixelToggle(HWND parent, const wchar_t *name, int x, int y, int width, int height, PictureHandle offPicture);
bool IsPixelToggle(HWND control);
bool PixelToggleOn(HWND toggle);
void SetPixelToggleOn(HWND toggle, bool on);
void SetPixelToggleOnPicture(HWND toggle, PictureHandle onPicture);
// A click flipped the toggle (mouse or Space).
void FlipPixelToggle(HWND toggle);
void DrawPixelToggle(const DRAWITEMSTRUCT &item);
// The inset at which a toggle cuts its picture: 4 pixels with a visual
// style, 2 without.
int PixelPictureInset();
// Opens the button theme for the toggles again, after the system's theme
// changed; none without a visual style.
void RefreshButtonTheme(HWND window);

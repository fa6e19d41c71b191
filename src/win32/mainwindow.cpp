// The one window: its class and procedure, its fixed layout, the toolbar, and
// the keyboard focus, which the window runs itself: Tab and Shift+Tab over
// every stop in creation order (each "Aktiv" option one of its own, which the
// dialog manager would make one group), and arrow keys that move nothing.

#include "../editing/grid.h"
#include "../shell/events.h"
#include "../shell/layout.h"
#include "../shell/startup.h"
#include "resource.h"
#include "win32frontend.h"

#include <algorithm>
#include <array>

#include <commctrl.h>
#include <ole2.h>
#include <richedit.h>

HWND MainHwnd = nullptr;
HWND Toolbar = nullptr;
std::vector<HWND> TabStops;
const wchar_t *RichEditClass = L"RichEdit20W";

namespace {

constexpr wchar_t WindowClassName[] = L"Pixkor";
// Title bar, system menu and close box; no minimise or maximise box, no
// sizing border.
constexpr DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr UINT_PTR ToolbarControlId = 100;
constexpr COLORREF OutputBackground = RGB(255, 255, 255);

HINSTANCE Instance()
{
    return GetModuleHandleW(nullptr);
}

HFONT GuiFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The toolbar's labels and tooltips by command id; the toolbar and its
// tooltip keep pointers to them.
std::array<std::wstring, ToolbarCommandCount> ToolbarLabels;
std::array<std::wstring, ToolbarCommandCount> ToolbarToolTips;

// The control that had the focus when the window was last deactivated.
HWND FocusBeforeDeactivation = nullptr;
// Set while the program itself moves the focus. Windows reports a radio
// button that receives the focus other than by the mouse as clicked; such a
// report is no click of the user's.
bool MovingFocus = false;

void ReportControl(HWND control)
{
    HandleWindowEvent({EventKind::ControlEvent, HandleOf(control)});
}

int ActiveOptionIndex(HWND control)
{
    const auto found = std::find(ActiveOptions.begin(), ActiveOptions.end(), HandleOf(control));
    return found == ActiveOptions.end() ? -1 : int(found - ActiveOptions.begin());
}

void FocusControl(HWND control)
{
    MovingFocus = true;
    SetFocus(control);
    MovingFocus = false;
}

void MoveFocus(bool forward)
{
    const int count = int(TabStops.size());
    if (count == 0)
        return;
    const auto found = std::find(TabStops.begin(), TabStops.end(), GetFocus());
    int index = found == TabStops.end() ? (forward ? count - 1 : 0) : int(found - TabStops.begin());
    for (int step = 0; step < count; ++step) {
        index = (index + (forward ? 1 : count - 1)) % count;
        HWND candidate = TabStops[std::size_t(index)];
        if (IsWindowEnabled(candidate) && IsWindowVisible(candidate)) {
            FocusControl(candidate);
            // Keyboard use shows the focus rectangles from now on.
            SendMessageW(MainHwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            return;
        }
    }
}

bool IsArrowKey(WPARAM key)
{
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

// Keys that move the focus, taken before the control they are meant for
// sees them. True when the key was taken.
bool TakeFocusKey(const MSG &message)
{
    if (message.message != WM_KEYDOWN || !MainHwnd)
        return false;
    if (message.hwnd != MainHwnd && !IsChild(MainHwnd, message.hwnd))
        return false;
    const bool inOutputBox = message.hwnd == HwndOf(OutputBox);
    if (message.wParam == VK_TAB) {
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
            return false;
        const bool backwards = GetKeyState(VK_SHIFT) < 0;
        // Inside the output box a Tab is typed into the text.
        if (inOutputBox && !backwards)
            return false;
        MoveFocus(!backwards);
        return true;
    }
    // The output box moves its caret; between controls arrow keys do nothing.
    return IsArrowKey(message.wParam) && !inOutputBox;
}

void OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND from = reinterpret_cast<HWND>(lParam);
    if (!from)
        return; // no menus and no accelerators
    const int code = HIWORD(wParam);
    if (from == Toolbar) {
        HandleWindowEvent({EventKind::ToolbarEvent, nullptr, int(LOWORD(wParam))});
        return;
    }
    if (IsPixelToggle(from)) {
        if (code == BN_CLICKED) {
            FlipPixelToggle(from);
            ReportControl(from);
        }
        return;
    }
    if (const int option = ActiveOptionIndex(from); option >= 0) {
        // The eight options are one exclusive group.
        if (code == BN_CLICKED && !MovingFocus) {
            SelectSegment(option);
            ReportControl(from);
        }
        return;
    }
    if (from == HwndOf(OutputBox)) {
        if (code == EN_CHANGE || code == EN_SETFOCUS || code == EN_KILLFOCUS)
            ReportControl(from);
        return;
    }
    if (code == BN_CLICKED)
        ReportControl(from);
}

LRESULT OnNotify(const NMHDR &header, LPARAM lParam)
{
    if (header.code == NM_TOOLTIPSCREATED && header.hwndFrom == Toolbar) {
        // Shown while the window is inactive too, and "&" as "&".
        HWND tips = reinterpret_cast<const NMTOOLTIPSCREATED *>(lParam)->hwndToolTips;
        SetWindowLongPtrW(tips, GWL_STYLE, GetWindowLongPtrW(tips, GWL_STYLE) | TTS_ALWAYSTIP | TTS_NOPREFIX);
        return 0;
    }
    if (header.code == TBN_GETINFOTIPW) {
        auto *tip = reinterpret_cast<NMTBGETINFOTIPW *>(lParam);
        if (tip->iItem >= 0 && tip->iItem < ToolbarCommandCount && tip->pszText && tip->cchTextMax > 0) {
            const std::wstring &text = ToolbarToolTips[std::size_t(tip->iItem)];
            const std::size_t length = std::min<std::size_t>(text.size(), std::size_t(tip->cchTextMax - 1));
            std::copy_n(text.c_str(), length, tip->pszText);
            tip->pszText[length] = L'\0';
        }
        return 0;
    }
    if (header.code == TTN_GETDISPINFOW) {
        auto *info = reinterpret_cast<NMTTDISPINFOW *>(lParam);
        if (info->hdr.idFrom < ToolbarCommandCount)
            info->lpszText = const_cast<wchar_t *>(ToolbarToolTips[info->hdr.idFrom].c_str());
        return 0;
    }
    return 0;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        OnCommand(wParam, lParam);
        return 0;
    case WM_NOTIFY:
        return OnNotify(*reinterpret_cast<const NMHDR *>(lParam), lParam);
    case WM_DRAWITEM: {
        const auto &item = *reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
        if (item.CtlType != ODT_BUTTON || !IsPixelToggle(item.hwndItem))
            break;
        DrawPixelToggle(item);
        return TRUE;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            FocusBeforeDeactivation = focus && IsChild(window, focus) ? focus : nullptr;
        } else if (!HIWORD(wParam)) { // not while minimised
            // No control has the focus until the user gives it one.
            FocusControl(FocusBeforeDeactivation && IsWindow(FocusBeforeDeactivation) ? FocusBeforeDeactivation
                                                                                      : window);
        }
        return 0;
    case WM_THEMECHANGED:
        RefreshButtonTheme(window);
        InvalidateRect(window, nullptr, TRUE);
        break;
    case WM_CLOSE:
        // The window stays until the loop has ended.
        if (!HandleWindowEvent({EventKind::CloseWindowEvent}))
            PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterWindowClass()
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = Instance();
    windowClass.hIcon = static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(PIXKOR_ICON), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(PIXKOR_ICON), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = WindowClassName;
    RegisterClassExW(&windowClass);
}

HWND CreateControl(const wchar_t *windowClass, const std::wstring &text, DWORD style, const Rect &place,
                   DWORD extendedStyle = 0)
{
    HWND control = CreateWindowExW(extendedStyle, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.x,
                                   place.y, place.width, place.height, MainHwnd, nullptr, Instance(), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
    return control;
}

void CreateToolbar()
{
    Toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS,
                              0, 0, 0, 0, MainHwnd, reinterpret_cast<HMENU>(ToolbarControlId), Instance(), nullptr);
    SendMessageW(Toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST pictures = ImageList_Create(ToolbarPictureSize, ToolbarPictureSize, ILC_COLOR32 | ILC_MASK,
                                           ToolbarCommandCount, 0);
    SendMessageW(Toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pictures));
    for (const ToolbarButton &button : ToolbarButtons) {
        TBBUTTON added{};
        if (button.commandId == SeparatorId) {
            added.idCommand = SeparatorId;
            added.fsStyle = BTNS_SEP;
        } else {
            const auto id = std::size_t(button.commandId);
            ToolbarLabels[id] = WideOf(button.label);
            ToolbarToolTips[id] = WideOf(button.toolTip);
            const LoadedPicture *picture = PictureOf(ToolbarPictures[id]);
            // A picture that did not load leaves its place empty.
            added.iBitmap = picture ? ImageList_AddIcon(pictures, picture->icon) : I_IMAGENONE;
            added.idCommand = button.commandId;
            added.fsState = TBSTATE_ENABLED;
            added.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
            added.iString = reinterpret_cast<INT_PTR>(ToolbarLabels[id].c_str());
        }
        SendMessageW(Toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&added));
    }
    SendMessageW(Toolbar, TB_AUTOSIZE, 0, 0);
    if (HWND tips = reinterpret_cast<HWND>(SendMessageW(Toolbar, TB_GETTOOLTIPS, 0, 0)))
        SetWindowLongPtrW(tips, GWL_STYLE, GetWindowLongPtrW(tips, GWL_STYLE) | TTS_ALWAYSTIP | TTS_NOPREFIX);
}

void AddTabStop(HWND control)
{
    TabStops.push_back(control);
}

void CreateSegment(int segment)
{
    SegmentFrames[std::size_t(segment)] = HandleOf(CreateControl(
        L"BUTTON", WideOf(SegmentCaption(segment)), BS_GROUPBOX, SegmentFrameRect(segment, ToolbarHeight())));

    HWND include = CreateControl(L"BUTTON", WideOf(IncludeBoxText), BS_AUTOCHECKBOX | WS_TABSTOP,
                                 IncludeBoxRect(segment, ToolbarHeight()));
    AddTabStop(include);
    IncludeBoxes[std::size_t(segment)] = HandleOf(include);

    for (int row = 1; row <= RowCount; ++row) {
        for (int column = 1; column <= ColumnCount; ++column) {
            const Rect place = PixelToggleRect(segment, column, row, ToolbarHeight());
            // The name is for screen readers; the toggle draws only its picture.
            HWND toggle = CreatePixelToggle(MainHwnd, WideOf(PixelToggleName(segment, column, row)).c_str(), place.x,
                                            place.y, place.width, place.height, ImageGreen);
            SendMessageW(toggle, WM_SETFONT, reinterpret_cast<WPARAM>(GuiFont()), FALSE);
            AddTabStop(toggle);
            PixelButtons[std::size_t(segment)][std::size_t(column)][std::size_t(row)] = HandleOf(toggle);
        }
    }
}

// One after the other, the first opening the group: one exclusive group.
void CreateActiveOptions()
{
    for (int segment = 0; segment < SegmentCount; ++segment) {
        HWND option = CreateControl(L"BUTTON", WideOf(ActiveOptionText),
                                    BS_RADIOBUTTON | WS_TABSTOP | (segment == 0 ? WS_GROUP : 0),
                                    ActiveOptionRect(segment, ToolbarHeight()));
        AddTabStop(option);
        ActiveOptions[std::size_t(segment)] = HandleOf(option);
    }
}

void CreateOutputBox()
{
    HWND box = CreateControl(RichEditClass, L"",
                             WS_TABSTOP | WS_GROUP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL
                                 | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN,
                             OutputBoxRect(ToolbarHeight()), WS_EX_CLIENTEDGE);
    OutputBox = HandleOf(box);
    AddTabStop(box);
    // No wrapping, no length limit, typing reported.
    SendMessageW(box, EM_SETTARGETDEVICE, 0, 1);
    SendMessageW(box, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    SendMessageW(box, EM_SETEVENTMASK, 0, ENM_CHANGE);
    // The program takes nothing by drag and drop.
    RevokeDragDrop(box);
    SendMessageW(box, EM_SETBKGNDCOLOR, 0, OutputBackground);
}

} // namespace

void StartToolkit()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    OleInitialize(nullptr);
    if (LoadLibraryW(L"Msftedit.dll"))
        RichEditClass = MSFTEDIT_CLASS;
    else if (LoadLibraryW(L"Riched20.dll"))
        RichEditClass = RICHEDIT_CLASSW;
}

int ToolbarHeight()
{
    RECT place;
    if (!Toolbar || !GetWindowRect(Toolbar, &place))
        return 0;
    return place.bottom - place.top;
}

void OpenMainWindow(int x, int y, int width, int height)
{
    RegisterWindowClass();
    RECT outer = {x, y, x + width, y + height};
    AdjustWindowRectEx(&outer, WindowStyle, FALSE, 0);
    const int outerWidth = outer.right - outer.left, outerHeight = outer.bottom - outer.top;
    // Centred on the whole primary display, whatever place was asked for.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int left = (screenWidth - std::min(screenWidth, outerWidth)) / 2;
    const int top = (screenHeight - std::min(screenHeight, outerHeight)) / 2;
    MainHwnd = CreateWindowExW(0, WindowClassName, WideOf(WindowTitle).c_str(), WindowStyle, left, top, outerWidth,
                               outerHeight, nullptr, nullptr, Instance(), nullptr);
    MainWindow = WindowHandleOf(MainHwnd);
    TabStops.clear();
    RefreshButtonTheme(MainHwnd);
    ShowWindow(MainHwnd, SW_SHOWNORMAL);
    UpdateWindow(MainHwnd);

    CreateToolbar();
    for (int segment = 0; segment < SegmentCount; ++segment)
        CreateSegment(segment);
    CreateActiveOptions();
    CreateOutputBox();
    SelectSegment(0);
    FocusControl(MainHwnd);
}

void ProcessMessage(MSG &message)
{
    if (TakeFocusKey(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void RunEventLoop()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        ProcessMessage(message);
    DestroyWindow(MainHwnd);
}

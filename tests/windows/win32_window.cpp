// The Win32 window as only it can show: every control at its place with the
// measured toolbar height, the window's frame, texts, fonts and toolbar, the
// focus chain driven by real key presses, the toggles' pictures as drawn, the
// output box, the clipboard, the pictures and the resources compiled in.
// Runs in the folder with the program's pictures (run-under-wine).

#include "editing/grid.h"
#include "shell/layout.h"
#include "shell/startup.h"
#include "win32/resource.h"
#include "win32/win32frontend.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include <commctrl.h>
#include <richedit.h>

namespace {

// Messages are handled as the program's loop handles them, until the
// condition holds or five seconds have passed.
bool WaitFor(const std::function<bool()> &condition)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            ProcessMessage(message);
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

void HandlePendingMessages()
{
    WaitFor([] { return true; });
}

// Real key presses, through the system's input queue to the focused control.
void PressKeys(std::initializer_list<WORD> held, WORD key)
{
    std::vector<INPUT> inputs;
    const auto add = [&](WORD code, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    for (WORD modifier : held)
        add(modifier, false);
    add(key, false);
    add(key, true);
    for (auto modifier = std::rbegin(held); modifier != std::rend(held); ++modifier)
        add(*modifier, true);
    SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT));
    // The last release has arrived once the system says the key is up again.
    WaitFor([&] {
        MSG message;
        return !PeekMessageW(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) && GetKeyState(key) >= 0;
    });
}

Rect ClientRectOf(HWND control)
{
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(HWND_DESKTOP, MainHwnd, reinterpret_cast<POINT *>(&place), 2);
    return {place.left, place.top, place.right - place.left, place.bottom - place.top};
}

std::wstring TextOf(HWND control)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(control, text.data(), int(text.size()))));
    return text;
}

std::wstring OutputText()
{
    GETTEXTEX request{};
    request.cb = 4096 * sizeof(wchar_t);
    request.flags = GT_DEFAULT;
    request.codepage = 1200;
    std::wstring text(4096, L'\0');
    text.resize(std::size_t(SendMessageW(HwndOf(OutputBox), EM_GETTEXTEX, WPARAM(&request), LPARAM(text.data()))));
    return text;
}

HWND Pixel(int segment, int column, int row)
{
    return HwndOf(PixelButtons[std::size_t(segment)][std::size_t(column)][std::size_t(row)]);
}

LONG StyleOf(HWND window)
{
    return GetWindowLongW(window, GWL_STYLE);
}

class Window : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (MainHwnd)
            return;
        StartToolkit();
        StartPixkor();
        HandlePendingMessages();
    }

    void SetUp() override
    {
        // As at start: the window in front, no control with the focus.
        SetForegroundWindow(MainHwnd);
        ASSERT_TRUE(WaitFor([] { return GetForegroundWindow() == MainHwnd; }));
        SetFocus(MainHwnd);
        HandlePendingMessages();
    }

    static int T() { return ToolbarHeight(); }
};

} // namespace

TEST_F(Window, FrameTitleAndPlace)
{
    EXPECT_EQ(TextOf(MainHwnd), L"Pixkor");
    RECT client;
    GetClientRect(MainHwnd, &client);
    EXPECT_EQ(client.right, 600);
    EXPECT_EQ(client.bottom, 650);
    const LONG style = StyleOf(MainHwnd);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    // Centred by its outer size on the whole primary display.
    RECT outer;
    GetWindowRect(MainHwnd, &outer);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    EXPECT_GT(width, 600);
    EXPECT_GT(height, 650);
    EXPECT_EQ(outer.left, (screenWidth - std::min(screenWidth, width)) / 2);
    EXPECT_EQ(outer.top, (screenHeight - std::min(screenHeight, height)) / 2);
    EXPECT_EQ(GetSysColorBrush(COLOR_BTNFACE), reinterpret_cast<HBRUSH>(GetClassLongPtrW(MainHwnd, GCLP_HBRBACKGROUND)));
    EXPECT_NE(GetClassLongPtrW(MainHwnd, GCLP_HICON), 0);
    EXPECT_NE(GetClassLongPtrW(MainHwnd, GCLP_HICONSM), 0);
}

TEST_F(Window, EveryControlSitsAtItsPlaceBelowTheMeasuredToolbar)
{
    RECT bar;
    GetWindowRect(Toolbar, &bar);
    const int measured = bar.bottom - bar.top;
    ASSERT_GT(measured, 24);
    ASSERT_LT(measured, 150);
    EXPECT_EQ(ClientRectOf(Toolbar), (Rect{0, 0, 600, measured}));

    struct Expected {
        HWND control;
        Rect place;
        std::string what;
    };
    std::vector<Expected> expected;
    for (int segment = 0; segment < SegmentCount; ++segment) {
        const std::string name = "segment " + std::to_string(segment);
        expected.push_back({HwndOf(SegmentFrames[std::size_t(segment)]), SegmentFrameRect(segment, measured),
                            name + " frame"});
        expected.push_back({HwndOf(IncludeBoxes[std::size_t(segment)]), IncludeBoxRect(segment, measured),
                            name + " Inc"});
        expected.push_back({HwndOf(ActiveOptions[std::size_t(segment)]), ActiveOptionRect(segment, measured),
                            name + " Aktiv"});
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column)
                expected.push_back({Pixel(segment, column, row), PixelToggleRect(segment, column, row, measured),
                                    name + " row " + std::to_string(row) + " column " + std::to_string(column)});
    }
    expected.push_back({HwndOf(OutputBox), OutputBoxRect(measured), "output box"});
    ASSERT_EQ(expected.size(), 8u * 43 + 1);
    for (const Expected &control : expected) {
        ASSERT_TRUE(IsWindow(control.control)) << control.what;
        const Rect place = ClientRectOf(control.control);
        EXPECT_EQ(place, control.place) << control.what << ": at " << place.x << "," << place.y << " " << place.width
                                        << "x" << place.height << ", T = " << measured;
    }
    // The corners named for a toolbar of T pixels.
    EXPECT_EQ(ClientRectOf(Pixel(7, 1, 1)).x, 470);
    EXPECT_EQ(ClientRectOf(Pixel(7, 1, 1)).y, measured + 300);
    EXPECT_EQ(ClientRectOf(Pixel(0, 5, 8)).x, 115);
    EXPECT_EQ(ClientRectOf(Pixel(0, 5, 8)).y, measured + 200);
}

TEST_F(Window, ControlsCarryTheirTextsKindsAndTheDefaultGuiFont)
{
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (int segment = 0; segment < SegmentCount; ++segment) {
        HWND frame = HwndOf(SegmentFrames[std::size_t(segment)]);
        HWND include = HwndOf(IncludeBoxes[std::size_t(segment)]);
        HWND option = HwndOf(ActiveOptions[std::size_t(segment)]);
        EXPECT_EQ(TextOf(frame), L"Segment " + std::to_wstring(segment));
        EXPECT_EQ(StyleOf(frame) & BS_TYPEMASK, BS_GROUPBOX);
        EXPECT_EQ(TextOf(include), L"Inc");
        EXPECT_EQ(StyleOf(include) & BS_TYPEMASK, BS_AUTOCHECKBOX);
        EXPECT_EQ(TextOf(option), L"Aktiv");
        EXPECT_EQ(StyleOf(option) & BS_TYPEMASK, BS_RADIOBUTTON);
        // One group: opened by the first option, closed by the output box.
        EXPECT_EQ(bool(StyleOf(option) & WS_GROUP), segment == 0) << segment;
        for (HWND control : {frame, include, option})
            EXPECT_EQ(SendMessageW(control, WM_GETFONT, 0, 0), LRESULT(font)) << segment;
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column) {
                HWND toggle = Pixel(segment, column, row);
                EXPECT_EQ(TextOf(toggle), WideOf(PixelToggleName(segment, column, row)));
                EXPECT_EQ(StyleOf(toggle) & BS_TYPEMASK, BS_OWNERDRAW);
                EXPECT_EQ(SendMessageW(toggle, WM_GETFONT, 0, 0), LRESULT(font));
            }
    }
    EXPECT_EQ(TextOf(Pixel(3, 2, 5)), L"Segment 3, Zeile 5, Spalte 2");
    EXPECT_TRUE(ButtonState(ActiveOptions[0]));
}

TEST_F(Window, TheOutputBoxIsAWhiteRichEditThatNeitherWrapsNorHidesItsSelection)
{
    HWND box = HwndOf(OutputBox);
    wchar_t windowClass[64] = {};
    GetClassNameW(box, windowClass, 64);
    EXPECT_EQ(_wcsicmp(windowClass, MSFTEDIT_CLASS), 0) << Utf8Of(windowClass);
    const LONG style = StyleOf(box);
    for (LONG bit : {LONG(ES_MULTILINE), LONG(ES_AUTOVSCROLL), LONG(ES_AUTOHSCROLL), LONG(ES_NOHIDESEL),
                     LONG(ES_WANTRETURN), LONG(WS_TABSTOP)})
        EXPECT_EQ(style & bit, bit) << std::hex << bit;
    EXPECT_TRUE(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    // Setting the background answers with the one it had.
    EXPECT_EQ(SendMessageW(box, EM_SETBKGNDCOLOR, 0, RGB(255, 255, 255)), LRESULT(RGB(255, 255, 255)));
    EXPECT_GE(SendMessageW(box, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    // The default GUI font, as the box's own character format.
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    CHARFORMATW format{};
    format.cbSize = sizeof format;
    SendMessageW(box, EM_GETCHARFORMAT, SCF_DEFAULT, LPARAM(&format));
    EXPECT_STREQ(format.szFaceName, font.lfFaceName);

    // Scroll bars only once the text needs them, and a long line stays one line.
    const std::wstring saved = OutputText();
    SetWindowTextW(box, L"");
    HandlePendingMessages();
    EXPECT_FALSE(StyleOf(box) & (WS_HSCROLL | WS_VSCROLL));
    SetWindowTextW(box, std::wstring(400, L'x').c_str());
    HandlePendingMessages();
    EXPECT_EQ(SendMessageW(box, EM_GETLINECOUNT, 0, 0), 1);
    EXPECT_TRUE(StyleOf(box) & WS_HSCROLL);
    EXPECT_FALSE(StyleOf(box) & WS_VSCROLL);
    std::wstring lines;
    for (int line = 0; line < 20; ++line)
        lines += L"Zeile\r";
    SetWindowTextW(box, lines.c_str());
    HandlePendingMessages();
    EXPECT_TRUE(StyleOf(box) & WS_VSCROLL);
    EXPECT_FALSE(StyleOf(box) & WS_HSCROLL);
    SetWindowTextW(box, saved.c_str());
}

TEST_F(Window, ToolbarButtonsInScreenOrderWithLabelsTooltipsAndPictures)
{
    const LONG style = StyleOf(Toolbar);
    EXPECT_TRUE(style & TBSTYLE_FLAT);
    EXPECT_FALSE(style & TBSTYLE_LIST); // the label under the picture
    HIMAGELIST pictures = reinterpret_cast<HIMAGELIST>(SendMessageW(Toolbar, TB_GETIMAGELIST, 0, 0));
    int width = 0, height = 0;
    ASSERT_TRUE(ImageList_GetIconSize(pictures, &width, &height));
    EXPECT_EQ(width, 24);
    EXPECT_EQ(height, 24);
    EXPECT_EQ(ImageList_GetImageCount(pictures), 6);

    ASSERT_EQ(SendMessageW(Toolbar, TB_BUTTONCOUNT, 0, 0), LRESULT(ToolbarButtons.size()));
    for (std::size_t place = 0; place < ToolbarButtons.size(); ++place) {
        const ToolbarButton &button = ToolbarButtons[place];
        TBBUTTON shown{};
        ASSERT_TRUE(SendMessageW(Toolbar, TB_GETBUTTON, place, LPARAM(&shown)));
        if (button.commandId == SeparatorId) {
            EXPECT_TRUE(shown.fsStyle & BTNS_SEP);
            continue;
        }
        EXPECT_EQ(shown.idCommand, button.commandId) << place;
        EXPECT_FALSE(shown.fsStyle & (BTNS_SEP | BTNS_CHECK)) << place;
        EXPECT_NE(shown.iBitmap, I_IMAGENONE) << place;
        wchar_t label[64] = {};
        SendMessageW(Toolbar, TB_GETBUTTONTEXTW, WPARAM(button.commandId), LPARAM(label));
        EXPECT_EQ(std::wstring(label), WideOf(button.label)) << place;

        // The text the toolbar's tooltip asks its window for.
        wchar_t tip[80] = {};
        NMTBGETINFOTIPW request{};
        request.hdr.hwndFrom = Toolbar;
        request.hdr.code = TBN_GETINFOTIPW;
        request.pszText = tip;
        request.cchTextMax = 80;
        request.iItem = button.commandId;
        SendMessageW(MainHwnd, WM_NOTIFY, 0, LPARAM(&request));
        EXPECT_EQ(std::wstring(tip), WideOf(button.toolTip)) << place;
    }
}

TEST_F(Window, TooltipsShowWhileInactiveAndShowAmpersands)
{
    // The toolbar makes its tooltip once it is first needed.
    RECT button;
    SendMessageW(Toolbar, TB_GETITEMRECT, 0, LPARAM(&button));
    SendMessageW(Toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(button.left + 5, button.top + 5));
    HWND tips = reinterpret_cast<HWND>(SendMessageW(Toolbar, TB_GETTOOLTIPS, 0, 0));
    ASSERT_TRUE(tips);
    EXPECT_EQ(StyleOf(tips) & (TTS_ALWAYSTIP | TTS_NOPREFIX), TTS_ALWAYSTIP | TTS_NOPREFIX);
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 6);
}

TEST_F(Window, TabAndShiftTabVisitEveryStopInCreationOrderAndWrap)
{
    std::vector<HWND> order;
    for (int segment = 0; segment < SegmentCount; ++segment) {
        order.push_back(HwndOf(IncludeBoxes[std::size_t(segment)]));
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column)
                order.push_back(Pixel(segment, column, row));
    }
    for (ControlHandle option : ActiveOptions)
        order.push_back(HwndOf(option));
    order.push_back(HwndOf(OutputBox));
    ASSERT_EQ(order.size(), 337u);
    EXPECT_EQ(TabStops, order);

    ASSERT_EQ(GetFocus(), MainHwnd); // no control has the focus
    for (std::size_t step = 0; step < order.size(); ++step) {
        PressKeys({}, VK_TAB);
        ASSERT_EQ(GetFocus(), order[step]) << "Tab number " << step + 1;
    }
    // In the output box Tab is typed; Shift+Tab leaves it, and wraps at the start.
    SetFocus(order.front());
    PressKeys({VK_SHIFT}, VK_TAB);
    EXPECT_EQ(GetFocus(), order.back());
    PressKeys({VK_SHIFT}, VK_TAB);
    EXPECT_EQ(GetFocus(), order[order.size() - 2]);
    // Reaching an option by the keyboard selects nothing.
    EXPECT_TRUE(ButtonState(ActiveOptions[0]));
    EXPECT_FALSE(ButtonState(ActiveOptions[7]));
}

TEST_F(Window, FirstShiftTabGoesToTheOutputBoxWhereTabIsTyped)
{
    const std::wstring before = OutputText();
    PressKeys({VK_SHIFT}, VK_TAB);
    ASSERT_EQ(GetFocus(), HwndOf(OutputBox));
    SendMessageW(HwndOf(OutputBox), EM_SETSEL, 0, 0);
    PressKeys({}, VK_TAB);
    EXPECT_EQ(GetFocus(), HwndOf(OutputBox));
    EXPECT_EQ(OutputText(), L"\t" + before);
    PressKeys({VK_CONTROL}, 'Z');
    EXPECT_EQ(OutputText(), before);
    PressKeys({VK_SHIFT}, VK_TAB);
    EXPECT_EQ(GetFocus(), HwndOf(ActiveOptions[7]));
}

TEST_F(Window, ArrowKeysMoveNoFocusAndSpaceClicks)
{
    HWND first = Pixel(2, 1, 1), next = Pixel(2, 2, 1);
    SetFocus(first);
    const bool was = ButtonState(HandleOf(first));
    for (WORD arrow : {WORD(VK_RIGHT), WORD(VK_DOWN), WORD(VK_LEFT), WORD(VK_UP)}) {
        PressKeys({}, arrow);
        EXPECT_EQ(GetFocus(), first) << arrow;
    }
    PressKeys({}, VK_SPACE);
    EXPECT_NE(ButtonState(HandleOf(first)), was);
    EXPECT_EQ(ActiveSegment(), 2);
    PressKeys({}, VK_TAB);
    EXPECT_EQ(GetFocus(), next);

    HWND option = HwndOf(ActiveOptions[5]);
    SetFocus(option);
    PressKeys({}, VK_SPACE);
    EXPECT_EQ(ActiveSegment(), 5);
    EXPECT_FALSE(ButtonState(ActiveOptions[2]));
    SetButtonState(HandleOf(first), was);
    SelectSegment(0);
}

TEST_F(Window, TheFocusComesBackWhenTheWindowIsActivatedAgain)
{
    HWND other = CreateWindowExW(0, L"STATIC", L"anderes Fenster", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                 nullptr, nullptr, nullptr);
    for (HWND focused : {MainHwnd, Pixel(4, 3, 6), HwndOf(OutputBox)}) {
        SetFocus(focused);
        SetForegroundWindow(other);
        ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == other; }));
        SetForegroundWindow(MainHwnd);
        ASSERT_TRUE(WaitFor([] { return GetForegroundWindow() == MainHwnd; }));
        EXPECT_EQ(GetFocus(), focused);
    }
    DestroyWindow(other);
}

namespace {

// A toggle drawn into a bitmap of its size, as it paints itself.
struct DrawnToggle {
    std::vector<COLORREF> pixels;
    int size = 0;
    COLORREF at(int x, int y) const { return pixels[std::size_t(y * size + x)]; }
};

DrawnToggle Draw(HWND toggle)
{
    RECT client;
    GetClientRect(toggle, &client);
    DrawnToggle drawn;
    drawn.size = client.right;
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(dc, bitmap);
    SendMessageW(toggle, WM_PRINTCLIENT, WPARAM(dc), PRF_CLIENT | PRF_ERASEBKGND);
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; ++x)
            drawn.pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return drawn;
}

// A 14 x 14 picture whose every pixel has a colour of its own.
constexpr int TestPictureSize = 14;
COLORREF TestColour(int x, int y)
{
    return RGB(10 + 16 * x, 10 + 16 * y, 200);
}

PictureHandle MakeTestPicture()
{
    static LoadedPicture picture;
    if (picture.bitmap)
        return reinterpret_cast<PictureHandle>(&picture);
    HDC screen = GetDC(nullptr);
    picture.bitmap = CreateCompatibleBitmap(screen, TestPictureSize, TestPictureSize);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, picture.bitmap);
    for (int y = 0; y < TestPictureSize; ++y)
        for (int x = 0; x < TestPictureSize; ++x)
            SetPixel(dc, x, y, TestColour(x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    picture.width = picture.height = TestPictureSize;
    return reinterpret_cast<PictureHandle>(&picture);
}

} // namespace

// Off shows gruen.bmp; on, and held down, the on picture at its own size,
// centred (one pixel right and down while held), cut off at the inset.
TEST_F(Window, TogglesDrawThePictureOfTheirStateCentredUnscaledAndCut)
{
    HWND toggle = Pixel(6, 3, 4);
    const int inset = PixelPictureInset();
    EXPECT_TRUE(inset == 2 || inset == 4);

    const DrawnToggle off = Draw(toggle);
    EXPECT_EQ(off.at(9, 9), RGB(0x9C, 0xCF, 0x1E)) << "gruen.bmp's fill";

    SetPressedPicture(HandleOf(toggle), MakeTestPicture());
    struct Case {
        bool on, held;
        int shift;
    };
    for (const Case &state : {Case{true, false, 0}, Case{false, true, 1}, Case{true, true, 1}}) {
        SetButtonState(HandleOf(toggle), state.on);
        SendMessageW(toggle, BM_SETSTATE, state.held, 0);
        const DrawnToggle drawn = Draw(toggle);
        const int left = (18 - TestPictureSize) / 2 + state.shift;
        const std::string what = std::string(state.on ? "on" : "off") + (state.held ? ", held" : "");
        for (int at = inset; at < 18 - inset; ++at) {
            EXPECT_EQ(drawn.at(at, 9), TestColour(at - left, 9 - left)) << what << ", x = " << at;
            EXPECT_EQ(drawn.at(9, at), TestColour(9 - left, at - left)) << what << ", y = " << at;
        }
        for (int outside : {inset - 1, 18 - inset})
            EXPECT_NE(GetBValue(drawn.at(outside, 9)), 200) << what << ": x = " << outside << " lies outside";
    }
    SendMessageW(toggle, BM_SETSTATE, FALSE, 0);
    SetButtonState(HandleOf(toggle), false);
    SetPressedPicture(HandleOf(toggle), ImageBlack);
    EXPECT_EQ(Draw(toggle).at(9, 9), RGB(0x9C, 0xCF, 0x1E));
}

TEST_F(Window, InsertedLinesComeFirstLeaveTheCaretOnTheSecondLineAndUndoAsOne)
{
    HWND box = HwndOf(OutputBox);
    SetWindowTextW(box, L"");
    SendMessageW(box, EM_EMPTYUNDOBUFFER, 0, 0);
    InsertOutputLine(OutputBox, "Lcddefchar 0, %00000");
    InsertOutputLine(OutputBox, "Lcddefchar 1, %10000, \xC3\xA4");
    EXPECT_EQ(OutputText(), L"Lcddefchar 1, %10000, \u00e4\rLcddefchar 0, %00000\r");
    CHARRANGE caret{};
    SendMessageW(box, EM_EXGETSEL, 0, LPARAM(&caret));
    EXPECT_EQ(caret.cpMin, 24);
    EXPECT_EQ(caret.cpMax, 24);
    EXPECT_EQ(SendMessageW(box, EM_EXLINEFROMCHAR, 0, caret.cpMin), 1);
    SetFocus(box);
    PressKeys({VK_CONTROL}, 'Z');
    EXPECT_EQ(OutputText(), L"Lcddefchar 0, %00000\r");
}

TEST_F(Window, TheClipboardGetsUnicodeTextWithoutLoss)
{
    const std::string text = "Lcddefchar 2, \xC3\xB6\xC3\x9F \xE2\x82\xAC \xF0\x9F\x98\x80";
    PutTextOnClipboard(text);
    ASSERT_TRUE(OpenClipboard(MainHwnd));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_TRUE(data);
    const std::wstring held(static_cast<const wchar_t *>(GlobalLock(data)));
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(held, L"Lcddefchar 2, \u00f6\u00df \u20ac \U0001F600");
    EXPECT_EQ(Utf8Of(held), text);
}

TEST(Pictures, IconsAreMadeReadyAt24PixelsAndBitmapsKeepTheirSize)
{
    const LoadedPicture *icon = PictureOf(LoadPicture("Icons", "New.ico", PictureFormat::Icon));
    ASSERT_TRUE(icon);
    ICONINFO information{};
    ASSERT_TRUE(GetIconInfo(icon->icon, &information));
    BITMAP size{};
    GetObjectW(information.hbmColor ? information.hbmColor : information.hbmMask, sizeof size, &size);
    EXPECT_EQ(size.bmWidth, 24);
    DeleteObject(information.hbmColor);
    DeleteObject(information.hbmMask);

    const LoadedPicture *bitmap = PictureOf(LoadPicture("", "gruen.bmp", PictureFormat::Bitmap));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->width, 14);
    EXPECT_EQ(bitmap->height, 14);

    EXPECT_EQ(LoadPicture("Icons", "Fehlt.ico", PictureFormat::Icon), nullptr);
    EXPECT_EQ(LoadPicture("", "fehlt.bmp", PictureFormat::Bitmap), nullptr);
    // The wrong kind of file is no picture of the kind asked for.
    EXPECT_EQ(LoadPicture("", "gruen.bmp", PictureFormat::Icon), nullptr);
}

TEST_F(Window, TheIconVersionAndCommonControls6AreCompiledIn)
{
    // The application icon: 38 x 38 at 24 bits and 16, 32 and 48 pixels.
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(PIXKOR_ICON), MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_TRUE(found);
    const auto *group = static_cast<const BYTE *>(LockResource(LoadResource(nullptr, found)));
    const int count = group[4] | group[5] << 8;
    std::vector<std::array<int, 3>> entries;
    for (int i = 0; i < count; ++i) {
        const BYTE *entry = group + 6 + 14 * i;
        entries.push_back({entry[0], entry[1], entry[6] | entry[7] << 8});
    }
    EXPECT_EQ(entries, (std::vector<std::array<int, 3>>{{38, 38, 24}, {16, 16, 24}, {32, 32, 24}, {48, 48, 24}}));

    // The controls are those of Common Controls 6, as the manifest asks:
    // only their buttons know their ideal size.
    SIZE ideal{};
    EXPECT_TRUE(SendMessageW(HwndOf(IncludeBoxes[0]), BCM_GETIDEALSIZE, 0, LPARAM(&ideal)));
    EXPECT_GT(ideal.cx, 0);

    found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16)); // RT_VERSION
    ASSERT_TRUE(found);
    const auto *data = static_cast<const char *>(LockResource(LoadResource(nullptr, found)));
    const std::wstring block(reinterpret_cast<const wchar_t *>(data), SizeofResource(nullptr, found) / 2);
    for (const std::wstring &value : {std::wstring(L"ProductName"), std::wstring(L"Pixkor"),
                                      std::wstring(L"ProductVersion"), WideOf(PIXKOR_VERSION)})
        EXPECT_NE(block.find(value), std::wstring::npos) << Utf8Of(value);
}

// The program's start, its layout numbers and its event loop, on the
// in-memory front-end.

#include "fixture.h"

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override { Memory::Reset(); }
};

} // namespace

TEST_F(Startup, LoadsPicturesOpensTheWindowThenGivesEveryToggleItsOnPicture)
{
    Memory::LoadablePictures = AllPictures;
    StartPixkor();
    const std::vector<std::string> expected = {
        "LoadPicture Icons/New.ico Icon",     "LoadPicture gruen.bmp Bitmap",    "LoadPicture Icons/Copy1.ico Icon",
        "LoadPicture Icons/Refresh.ico Icon", "LoadPicture Icons/Open.ico Icon", "LoadPicture Icons/Save.ico Icon",
        "LoadPicture Icons/SaveAs.ico Icon",  "OpenMainWindow 50 50 600 650",    "LoadPicture schwarz.bmp Bitmap",
        "SetPressedPicture",
    };
    EXPECT_EQ(Memory::Calls, expected);
    ASSERT_NE(ImageGreen, nullptr);
    ASSERT_NE(ImageBlack, nullptr);
    EXPECT_NE(ImageGreen, ImageBlack);
    for (PictureHandle picture : ToolbarPictures)
        EXPECT_NE(picture, nullptr);
    int toggles = 0;
    for (const Memory::Control &control : Memory::Controls) {
        if (control.kind != Memory::Kind::PixelToggle)
            continue;
        ++toggles;
        EXPECT_EQ(control.picture, ImageGreen);
        EXPECT_EQ(control.pressedPicture, ImageBlack);
    }
    EXPECT_EQ(toggles, 320);
}

TEST_F(Startup, StartStateIsABlankGridWithSegmentZeroActive)
{
    Memory::LoadablePictures = AllPictures;
    CurrentFileName = "left over";
    DefinitionText = "left over";
    StartPixkor();
    EXPECT_EQ(TakeGridSnapshot(), GridSnapshot{});
    EXPECT_TRUE(ButtonState(ActiveOptions[0]));
    EXPECT_TRUE(CurrentFileName.empty());
    EXPECT_TRUE(DefinitionText.empty());
    EXPECT_TRUE(Memory::OutputText.empty());
    for (int segment = 0; segment < SegmentCount; ++segment)
        for (int index = 0; index <= RowCount; ++index) {
            EXPECT_EQ(PixelButtons[segment][0][index], nullptr);
            EXPECT_EQ(PixelButtons[segment][index <= ColumnCount ? index : 0][0], nullptr);
        }
}

TEST_F(Startup, MissingPicturesStayEmptyAndTheWindowOpensAllTheSame)
{
    StartPixkor();
    EXPECT_EQ(ImageGreen, nullptr);
    EXPECT_EQ(ImageBlack, nullptr);
    for (PictureHandle picture : ToolbarPictures)
        EXPECT_EQ(picture, nullptr);
    EXPECT_EQ(Memory::Controls.size(), 8u * (1 + 1 + 40 + 1) + 1);
    Memory::ControlOf(PixelButtons[4][1][1]).on = true;
    HandleWindowEvent({EventKind::ControlEvent, PixelButtons[4][1][1]});
    EXPECT_EQ(ActiveSegment(), 4);
}

TEST_F(Startup, ControlsAreCreatedInTheOrderOfTheFocusChain)
{
    StartPixkor();
    std::vector<Memory::Kind> kinds;
    for (const Memory::Control &control : Memory::Controls)
        kinds.push_back(control.kind);
    std::vector<Memory::Kind> expected;
    for (int segment = 0; segment < SegmentCount; ++segment) {
        expected.push_back(Memory::Kind::Frame);
        expected.push_back(Memory::Kind::IncludeBox);
        expected.insert(expected.end(), 40, Memory::Kind::PixelToggle);
    }
    expected.insert(expected.end(), 8, Memory::Kind::Option);
    expected.push_back(Memory::Kind::OutputBox);
    EXPECT_EQ(kinds, expected);
    // Row by row, and within a row column by column.
    EXPECT_EQ(&Memory::ControlOf(PixelButtons[0][1][1]) + 1, &Memory::ControlOf(PixelButtons[0][2][1]));
    EXPECT_EQ(&Memory::ControlOf(PixelButtons[0][5][1]) + 1, &Memory::ControlOf(PixelButtons[0][1][2]));
}

TEST(Layout, SegmentPlaces)
{
    const int lefts[] = {20, 165, 310, 455, 20, 165, 310, 455};
    const int tops[] = {10, 10, 10, 10, 250, 250, 250, 250};
    for (int segment = 0; segment < SegmentCount; ++segment) {
        SCOPED_TRACE(segment);
        const int L = lefts[segment], Y = 40 + tops[segment];
        EXPECT_EQ(SegmentLeft(segment), L);
        EXPECT_EQ(SegmentTop(segment), tops[segment]);
        EXPECT_EQ(SegmentFrameRect(segment, 40), (Rect{L, Y, 130, 230}));
        EXPECT_EQ(IncludeBoxRect(segment, 40), (Rect{L + 75, Y + 20, 40, 25}));
        EXPECT_EQ(ActiveOptionRect(segment, 40), (Rect{L + 15, Y + 20, 50, 25}));
        EXPECT_EQ(PixelToggleRect(segment, 3, 4, 40), (Rect{L + 55, Y + 110, 18, 18}));
        EXPECT_EQ(SegmentCaption(segment), "Segment " + std::to_string(segment));
    }
}

TEST(Layout, CornersWithAToolbarOf40Pixels)
{
    const int T = 40;
    const Rect frame0 = SegmentFrameRect(0, T), frame4 = SegmentFrameRect(4, T), box = OutputBoxRect(T);
    EXPECT_EQ(frame0.y, 50);
    EXPECT_EQ(frame0.y + frame0.height, 280);
    EXPECT_EQ(frame4.y, 290);
    EXPECT_EQ(frame4.y + frame4.height, 520);
    EXPECT_EQ(box, (Rect{20, 535, 565, 80}));
    EXPECT_LE(box.y + box.height, 650);
    EXPECT_EQ(PixelToggleRect(7, 1, 1, T).x, 470);
    EXPECT_EQ(PixelToggleRect(7, 1, 1, T).y, T + 300);
    EXPECT_EQ(PixelToggleRect(0, 5, 8, T).x, 115);
    EXPECT_EQ(PixelToggleRect(0, 5, 8, T).y, T + 200);
    EXPECT_EQ(PixelToggleName(3, 4, 2), "Segment 3, Zeile 2, Spalte 4");
}

TEST(Layout, ToolbarButtonsInScreenOrder)
{
    const std::vector<std::tuple<int, std::string, std::string>> expected = {
        {0, "Neu", "Neu"},
        {3, "Laden", "Laden..."},
        {4, "Speichern", "Speichern"},
        {5, "Speichern unter...", "Speichern unter..."},
        {SeparatorId, "", ""},
        {1, "Kopieren", "In Zwischenablage kopieren"},
        {2, "Invers", "Aktives Segment invertieren"},
    };
    ASSERT_EQ(ToolbarButtons.size(), expected.size());
    for (std::size_t place = 0; place < expected.size(); ++place) {
        EXPECT_EQ(ToolbarButtons[place].commandId, std::get<0>(expected[place]));
        EXPECT_EQ(ToolbarButtons[place].label, std::get<1>(expected[place]));
        EXPECT_EQ(ToolbarButtons[place].toolTip, std::get<2>(expected[place]));
    }
}

TEST_F(Startup, TheLoopHandsOnEventsOfTheWindowInOrderAndEndsAfterClose)
{
    Memory::LoadablePictures = AllPictures;
    using Memory::PendingEvent;
    // Copy of segment 0, a click on a pixel of segment 5 and Invert of it; an
    // event of another window in between; nothing after the close is taken.
    Memory::PendingEvents = {
        PendingEvent{true, int(EventKind::ToolbarEvent), nullptr, Copy},
        PendingEvent{false, int(EventKind::ToolbarEvent), nullptr, Invert},
        PendingEvent{true, int(EventKind::ToolbarEvent), nullptr, Invert},
        PendingEvent{true, int(EventKind::CloseWindowEvent), nullptr, -1},
        PendingEvent{true, int(EventKind::ToolbarEvent), nullptr, New},
    };
    EXPECT_EQ(RunPixkor(), 0);
    EXPECT_EQ(Memory::Calls.back(), "RunEventLoop");
    EXPECT_EQ(Memory::EventsHandled, 3);
    EXPECT_EQ(Memory::PendingEvents.size(), 1u);
    EXPECT_EQ(Memory::Clipboard, "Lcddefchar 0, %00000, %00000, %00000, %00000, %00000, %00000, %00000, %00000");
    // Inverted once: the other window's event did nothing.
    EXPECT_TRUE(PixelState(0, 1, 1));
}

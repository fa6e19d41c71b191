// The toolbar's commands as the event dispatch reaches them, on the in-memory
// front-end: the grid, the clipboard, the output box, the file dialogs'
// answers, the messages shown and the files written.

#include "definition/filecommands.h"
#include "fixture.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

const std::string LoadTitle = "Bitte Datei zum Laden ausw\xC3\xA4hlen";
const std::string SaveTitle = "Bitte Datei zum Speichern ausw\xC3\xA4hlen";
const std::string NoFileChosen = "Keine Datei ausgew\xC3\xA4hlt";
const std::string Filter = "Include-Dateien (*.inc)|*.inc|Include-Dateien (*.include)|*.include|"
                           "Pixkor-Dateien (*.lcd)|*.lcd|Alle Dateien (*.*)|*.*";

const std::string EmptyLine0 = "Lcddefchar 0, %00000, %00000, %00000, %00000, %00000, %00000, %00000, %00000";

GridSnapshot Inverted(GridSnapshot grid, int segment)
{
    for (int row = 1; row <= RowCount; ++row)
        for (int column = 1; column <= ColumnCount; ++column)
            grid.setPixel(segment, column, row, !grid.pixel(segment, column, row));
    return grid;
}

bool RunningAsRoot()
{
    return ::geteuid() == 0;
}

} // namespace

class Commands : public ProgramTest {};

// --- dispatch ------------------------------------------------------------------

TEST_F(Commands, EveryToolbarIdReachesItsCommand)
{
    const std::string file = folder.path("road.inc");
    WriteContents(file, Header + "00000100\r\nLcddefchar 5, %11111\r\n");
    struct Case {
        Command command;
        bool dialog;
    };
    for (const Case &c : {Case{New, false}, Case{Copy, false}, Case{Invert, false}, Case{Load, true},
                          Case{Save, true}, Case{SaveAs, true}}) {
        SCOPED_TRACE(c.command);
        ApplyGridSnapshot({});
        CurrentFileName.clear();
        Memory::DialogsShown.clear();
        SetPixelState(2, 1, 1, true);
        SelectSegment(2);
        if (c.dialog)
            Memory::DialogAnswers.push_back(file);

        Run(c.command);

        switch (c.command) {
        case New:
            EXPECT_FALSE(PixelState(2, 1, 1));
            EXPECT_EQ(ActiveSegment(), 0);
            break;
        case Copy:
            EXPECT_EQ(Memory::Clipboard,
                      "Lcddefchar 2, %10000, %00000, %00000, %00000, %00000, %00000, %00000, %00000");
            break;
        case Invert:
            EXPECT_FALSE(PixelState(2, 1, 1));
            EXPECT_TRUE(PixelState(2, 5, 8));
            EXPECT_FALSE(PixelState(0, 1, 1));
            break;
        case Load:
            EXPECT_TRUE(IncludeFlag(5));
            EXPECT_TRUE(PixelState(5, 3, 1));
            EXPECT_EQ(CurrentFileName, file);
            ASSERT_EQ(Memory::DialogsShown.size(), 1u);
            EXPECT_FALSE(Memory::DialogsShown[0].save);
            EXPECT_EQ(Memory::DialogsShown[0].title, LoadTitle);
            EXPECT_EQ(Memory::DialogsShown[0].filter, Filter);
            break;
        case Save:
        case SaveAs:
            EXPECT_EQ(Contents(file), Header + "00000000\r\n");
            EXPECT_EQ(CurrentFileName, file);
            ASSERT_EQ(Memory::DialogsShown.size(), 1u);
            EXPECT_TRUE(Memory::DialogsShown[0].save);
            EXPECT_EQ(Memory::DialogsShown[0].title, SaveTitle);
            EXPECT_EQ(Memory::DialogsShown[0].filter, Filter);
            WriteContents(file, Header + "00000100\r\nLcddefchar 5, %11111\r\n");
            break;
        }
    }
    EXPECT_TRUE(Memory::MessagesShown.empty());
}

TEST_F(Commands, OtherIdsDoNothing)
{
    SetPixelState(3, 2, 2, true);
    SelectSegment(3);
    const GridSnapshot before = TakeGridSnapshot();
    for (int id : {-1, 6, 7, 100})
        EXPECT_TRUE(HandleWindowEvent({EventKind::ToolbarEvent, nullptr, id}));
    EXPECT_EQ(TakeGridSnapshot(), before);
    EXPECT_TRUE(Memory::Clipboard.empty());
    EXPECT_TRUE(Memory::DialogsShown.empty());
}

TEST_F(Commands, CloseEndsTheLoopAndChangesNothing)
{
    SetPixelState(1, 1, 1, true);
    const GridSnapshot before = TakeGridSnapshot();
    EXPECT_FALSE(HandleWindowEvent({EventKind::CloseWindowEvent}));
    EXPECT_EQ(TakeGridSnapshot(), before);
    EXPECT_TRUE(Memory::MessagesShown.empty());
}

// --- the grid's controls ---------------------------------------------------------

TEST_F(Commands, ClickOnAPixelFlipsItAndActivatesItsSegment)
{
    Click(ActiveOptions[2]);
    SetPixelState(2, 4, 4, true);
    const GridSnapshot before = TakeGridSnapshot();

    Click(PixelButtons[5][3][4]);
    GridSnapshot expected = before;
    expected.setPixel(5, 3, 4, true);
    expected.activeSegment = 5;
    EXPECT_EQ(TakeGridSnapshot(), expected);
    for (int segment = 0; segment < SegmentCount; ++segment)
        EXPECT_EQ(ButtonState(ActiveOptions[segment]), segment == 5) << segment;

    Click(PixelButtons[5][3][4]);
    EXPECT_FALSE(PixelState(5, 3, 4));
    EXPECT_EQ(ActiveSegment(), 5);
}

TEST_F(Commands, ControlsOtherThanPixelsMarkNothing)
{
    SelectSegment(6);
    for (ControlHandle control : {IncludeBoxes[1], OutputBox, SegmentFrames[3], ControlHandle(nullptr)}) {
        EXPECT_TRUE(HandleWindowEvent({EventKind::ControlEvent, control}));
        EXPECT_EQ(ActiveSegment(), 6);
    }
    // An option changes the active segment by itself, through its group.
    Click(ActiveOptions[4]);
    EXPECT_EQ(ActiveSegment(), 4);
}

TEST_F(Commands, ActiveSegmentIsZeroWithNoOptionSelected)
{
    SelectSegment(4);
    SetButtonState(ActiveOptions[4], false);
    EXPECT_EQ(ActiveSegment(), 0);
}

// --- New, Invert, Copy -------------------------------------------------------------

TEST_F(Commands, NewClearsPixelsAndForgetsTheFile)
{
    SetPixelState(0, 1, 1, true);
    SetPixelState(7, 5, 8, true);
    SetIncludeFlag(3, true);
    SelectSegment(6);
    Memory::OutputText = "kept";
    CurrentFileName = folder.path("loaded.inc");

    Run(New);

    GridSnapshot expected;
    expected.includeFlags[3] = true;
    EXPECT_EQ(TakeGridSnapshot(), expected);
    EXPECT_TRUE(CurrentFileName.empty());
    EXPECT_EQ(Memory::OutputText, "kept");

    // The next Save asks for a name instead of overwriting the old file.
    Memory::DialogAnswers.push_back("");
    Run(Save);
    ASSERT_EQ(Memory::MessagesShown.size(), 1u);
    EXPECT_EQ(Memory::MessagesShown[0].text, NoFileChosen);
    EXPECT_FALSE(std::filesystem::exists(folder.path("loaded.inc")));
}

TEST_F(Commands, InvertFlipsOnlyTheActiveSegment)
{
    SetPixelState(4, 2, 3, true);
    SetPixelState(5, 1, 1, true);
    SetIncludeFlag(4, true);
    SelectSegment(4);
    const GridSnapshot before = TakeGridSnapshot();

    Run(Invert);
    EXPECT_EQ(TakeGridSnapshot(), Inverted(before, 4));
    Run(Invert);
    EXPECT_EQ(TakeGridSnapshot(), before);
}

TEST_F(Commands, CopyOfEmptySegmentZero)
{
    Run(Copy);
    EXPECT_EQ(DefinitionText, EmptyLine0);
    EXPECT_EQ(Memory::Clipboard, EmptyLine0);
    EXPECT_EQ(Memory::OutputText, EmptyLine0 + "\n");
}

TEST_F(Commands, CopyPutsNewestLineFirstAndTheCaretOnTheSecondLine)
{
    Memory::OutputText = "mine";
    SelectSegment(6);
    Run(Invert);
    Run(Copy);
    SetPixelState(1, 3, 8, true);
    SelectSegment(1);
    Run(Copy);

    const std::string segment6 = "Lcddefchar 6, %11111, %11111, %11111, %11111, %11111, %11111, %11111, %11111";
    const std::string segment1 = "Lcddefchar 1, %00000, %00000, %00000, %00000, %00000, %00000, %00000, %00100";
    EXPECT_EQ(Memory::Clipboard, segment1);
    EXPECT_EQ(DefinitionText, segment1);
    EXPECT_EQ(Memory::OutputText, segment1 + "\n" + segment6 + "\nmine");
    EXPECT_EQ(Memory::OutputCaret, segment1.size() + 1);
    // Each line one edit of the box, so its undo takes them back one by one.
    ASSERT_TRUE(Memory::UndoOutputBox());
    EXPECT_EQ(Memory::OutputText, segment6 + "\nmine");
}

TEST_F(Commands, CopyIgnoresTheIncludeFlag)
{
    SetIncludeFlag(0, true);
    Run(Copy);
    SetIncludeFlag(0, false);
    Run(Copy);
    EXPECT_EQ(Memory::OutputText, EmptyLine0 + "\n" + EmptyLine0 + "\n");
}

// --- Load, Save, Save As -------------------------------------------------------------

TEST_F(Commands, DrawSaveClearLoad)
{
    // Segment 3 drawn by clicks: the middle column, every row.
    for (int row = 1; row <= RowCount; ++row)
        Click(PixelButtons[3][3][row]);
    EXPECT_EQ(ActiveSegment(), 3);
    Click(IncludeBoxes[3]);
    const GridSnapshot drawn = TakeGridSnapshot();

    const std::string file = folder.path("pfeil.inc");
    Memory::DialogAnswers.push_back(file);
    Run(Save);
    EXPECT_EQ(CurrentFileName, file);
    const std::string expected =
        Header + "00010000\r\nLcddefchar 3, %00100, %00100, %00100, %00100, %00100, %00100, %00100, %00100\r\n";
    EXPECT_EQ(expected.size(), 126u);
    EXPECT_EQ(Contents(file), expected);
    EXPECT_TRUE(Memory::MessagesShown.empty());

    Run(New);
    SetIncludeFlag(3, false);
    SetIncludeFlag(0, true);
    Memory::DialogAnswers.push_back(file);
    Run(Load);
    GridSnapshot expectedGrid = drawn;
    expectedGrid.activeSegment = 0;
    EXPECT_EQ(TakeGridSnapshot(), expectedGrid);
    EXPECT_EQ(CurrentFileName, file);
}

TEST_F(Commands, LoadThenSaveRewritesInPlaceWithoutADialog)
{
    const std::string file = folder.path("alt.lcd");
    WriteContents(file, Header + "10000000\r\nLcddefchar 0, %11111, %10001, %10001, %10001, %10001, %10001, %10001, "
                                 "%11111\r\n");
    Memory::DialogAnswers.push_back(file);
    Run(Load);
    EXPECT_TRUE(PixelState(0, 1, 2));
    EXPECT_FALSE(PixelState(0, 2, 2));

    SelectSegment(0);
    Run(Invert);
    Run(Save);
    EXPECT_EQ(Memory::DialogsShown.size(), 1u);
    EXPECT_EQ(Contents(file), Header + "10000000\r\nLcddefchar 0, %00000, %01110, %01110, %01110, %01110, %01110, "
                                       "%01110, %00000\r\n");
    EXPECT_EQ(CurrentFileName, file);
}

TEST_F(Commands, CancelledLoadForgetsTheFile)
{
    CurrentFileName = folder.path("old.inc");
    SetPixelState(1, 1, 1, true);
    const GridSnapshot before = TakeGridSnapshot();

    Memory::DialogAnswers.push_back("");
    Run(Load);
    EXPECT_TRUE(CurrentFileName.empty());
    EXPECT_EQ(TakeGridSnapshot(), before);
    EXPECT_TRUE(Memory::MessagesShown.empty());

    const std::string other = folder.path("new.inc");
    Memory::DialogAnswers.push_back(other);
    Run(Save);
    EXPECT_TRUE(std::filesystem::exists(other));
    EXPECT_FALSE(std::filesystem::exists(folder.path("old.inc")));
}

TEST_F(Commands, CancelledSaveAsTellsAndForgets)
{
    const std::string file = folder.path("loaded.inc");
    WriteContents(file, Header + "00000000\r\n");
    Memory::DialogAnswers.push_back(file);
    Run(Load);
    EXPECT_EQ(CurrentFileName, file);

    Memory::DialogAnswers.push_back("");
    Run(SaveAs);
    ASSERT_EQ(Memory::MessagesShown.size(), 1u);
    EXPECT_EQ(Memory::MessagesShown[0].caption, "Information");
    EXPECT_EQ(Memory::MessagesShown[0].text, NoFileChosen);
    EXPECT_EQ(Memory::MessagesShown[0].icon, MessageIcon::None);
    EXPECT_TRUE(CurrentFileName.empty());
    EXPECT_EQ(Contents(file), Header + "00000000\r\n");
}

TEST_F(Commands, SaveAsOntoALongerFileLeavesExactlyTheNewContent)
{
    const std::string file = folder.path("lang.inc");
    std::string longer = Header + "11111111\r\n";
    for (int segment = 0; segment < SegmentCount; ++segment)
        longer += "Lcddefchar " + std::to_string(segment)
                  + ", %11111, %11111, %11111, %11111, %11111, %11111, %11111, %11111\r\n";
    WriteContents(file, longer);

    SetIncludeFlag(1, true);
    SetPixelState(1, 5, 1, true);
    Memory::DialogAnswers.push_back(file);
    Run(SaveAs);
    EXPECT_EQ(Contents(file), Header + "01000000\r\nLcddefchar 1, %00001, %00000, %00000, %00000, %00000, %00000, "
                                       "%00000, %00000\r\n");
    EXPECT_TRUE(Memory::MessagesShown.empty());
}

TEST_F(Commands, SaveAsWritesANameWithoutExtensionAsTyped)
{
    const std::string file = folder.path("ohne-endung");
    Memory::DialogAnswers.push_back(file);
    Run(SaveAs);
    EXPECT_EQ(Contents(file), Header + "00000000\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.folderPath()), {}), 1);
}

TEST_F(Commands, LoadOfAMissingFileKeepsItsNameForSave)
{
    SetPixelState(2, 2, 2, true);
    const GridSnapshot before = TakeGridSnapshot();
    const std::string file = folder.path("neu");
    Memory::DialogAnswers.push_back(file);
    Run(Load);
    EXPECT_EQ(TakeGridSnapshot(), before);
    EXPECT_EQ(CurrentFileName, file);
    EXPECT_TRUE(Memory::MessagesShown.empty());

    Run(Save);
    EXPECT_EQ(Contents(file), Header + "00000000\r\n");
}

TEST_F(Commands, PathsLongerThan259CharactersWork)
{
    std::string deep = folder.folderPath().string();
    while (deep.size() < 300)
        deep += "/ein-recht-langer-ordnername";
    std::filesystem::create_directories(deep);
    const std::string file = deep + "/zeichen.inc";

    SetIncludeFlag(7, true);
    Memory::DialogAnswers.push_back(file);
    Run(SaveAs);
    EXPECT_TRUE(Memory::MessagesShown.empty());
    EXPECT_EQ(CurrentFileName, file);
    EXPECT_EQ(Contents(file).size(), 48u + 78u);

    Run(New);
    Memory::DialogAnswers.push_back(file);
    Run(Load);
    EXPECT_EQ(CurrentFileName, file);
    EXPECT_TRUE(IncludeFlag(7));
}

// A path with umlauts is written, read and named in messages as the bytes it is.
TEST_F(Commands, NonAsciiPathsAreKeptAsTheyAre)
{
    const std::filesystem::path sets = folder.folderPath() / "Zeichens\xC3\xA4tze";
    std::filesystem::create_directory(sets);
    const std::string file = (sets / "Pfeil \xC3\xB6.inc").string();
    SetIncludeFlag(2, true);
    SetPixelState(2, 1, 1, true);
    Memory::DialogAnswers.push_back(file);
    Run(SaveAs);
    EXPECT_EQ(Contents(file).size(), 48u + 78u);

    Run(New);
    Memory::DialogAnswers.push_back(file);
    Run(Load);
    EXPECT_TRUE(PixelState(2, 1, 1));
    EXPECT_EQ(CurrentFileName, file);
}

struct FailedSave {
    const char *name;
    bool needsOrdinaryUser;
    const char *reason;
};

class FailedSaves : public ProgramTest, public ::testing::WithParamInterface<FailedSave> {};

// The old file keeps its content, the message names the path, and Save tries
// the same path again without a dialog.
TEST_P(FailedSaves, AreReportedAndKeepTheOldFile)
{
    const std::string kind = GetParam().name;
    if (GetParam().needsOrdinaryUser && RunningAsRoot())
        GTEST_SKIP() << "permissions do not stop root";
    std::string path;
    std::string oldFile;
    const std::string old = Header + "00000000\r\n";
    if (kind == "missing folder") {
        path = folder.path("fehlt/zeichen.inc");
    } else if (kind == "file as folder") {
        oldFile = folder.path("datei");
        WriteContents(oldFile, old);
        path = oldFile + "/zeichen.inc";
    } else if (kind == "folder") {
        std::filesystem::create_directory(folder.path("ordner"));
        path = folder.path("ordner");
    } else if (kind == "full disk") {
        if (!std::filesystem::is_character_file("/dev/full"))
            GTEST_SKIP() << "this machine has no /dev/full device";
        path = "/dev/full";
    } else if (kind == "read-only file") {
        oldFile = path = folder.path("schreibgeschuetzt.inc");
        WriteContents(oldFile, old);
        std::filesystem::permissions(oldFile, std::filesystem::perms::owner_read);
    } else if (kind == "pipe without reader") {
        path = folder.path("rohr.inc");
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    } else if (kind == "name too long") {
        path = folder.path(std::string(300, 'x') + ".inc");
    } else {
        std::filesystem::create_directory(folder.path("nurlesen"));
        path = folder.path("nurlesen/zeichen.inc");
        std::filesystem::permissions(folder.path("nurlesen"),
                                     std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    }

    SetIncludeFlag(2, true);
    SetPixelState(2, 1, 1, true);
    Memory::DialogAnswers.push_back(path);
    Run(SaveAs);

    ASSERT_EQ(Memory::MessagesShown.size(), 1u);
    EXPECT_EQ(Memory::MessagesShown[0].caption, "Fehler");
    EXPECT_EQ(Memory::MessagesShown[0].text,
              "Die Datei konnte nicht gespeichert werden:\n" + ShortenedPath(path, 100) + "\n" + GetParam().reason);
    EXPECT_EQ(Memory::MessagesShown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(CurrentFileName, path);
    if (!oldFile.empty()) {
        EXPECT_EQ(Contents(oldFile), old);
    }
    // A device stays a device: the file is written into it, never put in its place.
    if (kind == "full disk") {
        EXPECT_TRUE(std::filesystem::is_character_file(path));
    }

    Run(Save);
    ASSERT_EQ(Memory::MessagesShown.size(), 2u);
    EXPECT_EQ(Memory::MessagesShown[1].caption, "Fehler");
    EXPECT_EQ(Memory::DialogsShown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(, FailedSaves,
                         ::testing::Values(FailedSave{"missing folder", false, "Der Ordner existiert nicht."},
                                           FailedSave{"file as folder", false, "Der Ordner existiert nicht."},
                                           FailedSave{"folder", false, "Das Ziel ist ein Ordner."},
                                           FailedSave{"full disk", false, "Kein Speicherplatz auf dem Datentr\xC3\xA4ger."},
                                           FailedSave{"pipe without reader", false,
                                                      "Das Ziel ist keine gew\xC3\xB6hnliche Datei."},
                                           FailedSave{"name too long", false, "Der Pfad ist zu lang."},
                                           FailedSave{"read-only file", true, "Zugriff verweigert."},
                                           FailedSave{"read-only folder", true, "Zugriff verweigert."}),
                         [](const auto &info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

struct UnreadableLoad {
    const char *name;
    const char *reason;
};

class UnreadableLoads : public ProgramTest, public ::testing::WithParamInterface<UnreadableLoad> {};

// Reported, the grid untouched, and the path forgotten so that a following
// Save cannot overwrite what the user meant to load.
TEST_P(UnreadableLoads, AreReportedAndForgotten)
{
    const std::string kind = GetParam().name;
    std::string path;
    if (kind == "folder") {
        path = folder.path("ordner.inc");
        std::filesystem::create_directory(path);
    } else if (kind == "device") {
        path = "/dev/zero";
        if (!std::filesystem::is_character_file(path))
            GTEST_SKIP() << "this machine has no /dev/zero";
    } else if (kind == "pipe") {
        path = folder.path("rohr.inc");
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    } else {
        if (RunningAsRoot())
            GTEST_SKIP() << "permissions do not stop root";
        path = folder.path("geheim.inc");
        WriteContents(path, Header + "11111111\r\n");
        std::filesystem::permissions(path, std::filesystem::perms::owner_write);
    }
    SetPixelState(6, 4, 4, true);
    SetIncludeFlag(6, true);
    const GridSnapshot before = TakeGridSnapshot();
    CurrentFileName = folder.path("vorher.inc");

    Memory::DialogAnswers.push_back(path);
    Run(Load);
    ASSERT_EQ(Memory::MessagesShown.size(), 1u);
    EXPECT_EQ(Memory::MessagesShown[0].caption, "Fehler");
    EXPECT_EQ(Memory::MessagesShown[0].text, "Die Datei konnte nicht gelesen werden:\n" + path + "\n" + GetParam().reason);
    EXPECT_EQ(Memory::MessagesShown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(TakeGridSnapshot(), before);
    EXPECT_TRUE(CurrentFileName.empty());
}

INSTANTIATE_TEST_SUITE_P(, UnreadableLoads,
                         ::testing::Values(UnreadableLoad{"folder", "Das Ziel ist ein Ordner."},
                                           UnreadableLoad{"no_permission", "Zugriff verweigert."},
                                           UnreadableLoad{"device", "Das Ziel ist keine gew\xC3\xB6hnliche Datei."},
                                           UnreadableLoad{"pipe", "Das Ziel ist keine gew\xC3\xB6hnliche Datei."}),
                         [](const auto &info) { return std::string(info.param.name); });

// A path of some thousand characters keeps the box small: its first 50 and
// its last 49 characters around a "…".
TEST_F(Commands, ALongPathIsShortenedInTheMessage)
{
    std::string path = folder.folderPath().string();
    while (path.size() < 4250)
        path += "/ein-recht-langer-ordnername";
    path += "/fehlt/zeichen.inc";
    Memory::DialogAnswers.push_back(path);
    Run(SaveAs);
    ASSERT_EQ(Memory::MessagesShown.size(), 1u);
    const std::string &text = Memory::MessagesShown[0].text;
    const std::size_t first = text.find('\n'), second = text.find('\n', first + 1);
    const std::string shown = text.substr(first + 1, second - first - 1);
    EXPECT_EQ(shown, ShortenedPath(path, 100));
    EXPECT_EQ(shown.substr(0, 50), path.substr(0, 50));
    EXPECT_EQ(shown.substr(50, 3), "\xE2\x80\xA6");
    EXPECT_EQ(shown.substr(53), path.substr(path.size() - 49));
    EXPECT_EQ(text.substr(second + 1), "Der Pfad ist zu lang.");
}

TEST(ShortenedPath, CountsCharactersAndNeverCutsOne)
{
    const std::string ae = "\xC3\xA4"; // one character, two bytes
    std::string hundred;
    for (int i = 0; i < 100; ++i)
        hundred += ae;
    EXPECT_EQ(ShortenedPath(hundred, 100), hundred);
    const std::string longer = hundred + "x";
    std::string expected;
    for (int i = 0; i < 50; ++i)
        expected += ae;
    expected += "\xE2\x80\xA6";
    for (int i = 0; i < 48; ++i)
        expected += ae;
    expected += "x";
    EXPECT_EQ(ShortenedPath(longer, 100), expected);
    EXPECT_EQ(ShortenedPath("/kurz.inc", 100), "/kurz.inc");
}

TEST(FileFilter, SplitsIntoLabelsAndPatterns)
{
    const std::vector<FileFilterEntry> entries = SplitFileFilter(FileFilter);
    ASSERT_EQ(entries.size(), 4u);
    const char *expected[4][2] = {{"Include-Dateien (*.inc)", "*.inc"},
                                  {"Include-Dateien (*.include)", "*.include"},
                                  {"Pixkor-Dateien (*.lcd)", "*.lcd"},
                                  {"Alle Dateien (*.*)", "*.*"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(entries[i].label, expected[i][0]);
        EXPECT_EQ(entries[i].pattern, expected[i][1]);
    }
    EXPECT_TRUE(SplitFileFilter("").empty());
    EXPECT_EQ(SplitFileFilter("A|*.a|B").size(), 1u);
}

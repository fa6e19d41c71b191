#pragma once

// The program started on the in-memory front-end, with a scratch folder for
// files, fresh for every test.

#include "editing/grid.h"
#include "memoryfrontend.h"
#include "shell/events.h"
#include "shell/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

// The header's "ö" spelled as its two UTF-8 bytes.
inline const std::string Header = "'Diese Zeile nicht l\xC3\xB6schen! Segmente=";

inline const std::vector<std::string> AllPictures = {
    "Icons/New.ico",  "Icons/Copy1.ico",   "Icons/Refresh.ico", "Icons/Open.ico",
    "Icons/Save.ico", "Icons/SaveAs.ico", "gruen.bmp",         "schwarz.bmp",
};

enum Command { New = 0, Copy = 1, Invert = 2, Load = 3, Save = 4, SaveAs = 5 };

inline std::string Contents(const std::filesystem::path &path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return "<unreadable>";
    return std::string(std::istreambuf_iterator<char>(file), {});
}

inline void WriteContents(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    ASSERT_TRUE(file.good()) << path;
}

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;
    std::string path(const std::string &name) const { return (folder / name).string(); }
    const std::filesystem::path &folderPath() const { return folder; }

private:
    std::filesystem::path folder;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static void Run(Command command) { EXPECT_TRUE(HandleWindowEvent({EventKind::ToolbarEvent, nullptr, command})); }
    // What the toolkit does when the user clicks the control, then the event.
    static void Click(ControlHandle control);

    ScratchFolder folder;
};

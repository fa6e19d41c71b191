#include "fixture.h"

#include <cstdlib>
#include <system_error>

ScratchFolder::ScratchFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "pixkor-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    folder = pattern;
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    // Folders a test made read-only must be writable again to be removed.
    for (auto entry = std::filesystem::recursive_directory_iterator(folder, ignored);
         entry != std::filesystem::recursive_directory_iterator(); entry.increment(ignored))
        if (entry->is_directory(ignored) && !entry->is_symlink(ignored))
            std::filesystem::permissions(entry->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(folder, ignored);
}

void ProgramTest::SetUp()
{
    Memory::Reset();
    Memory::LoadablePictures = AllPictures;
    StartPixkor();
}

void ProgramTest::TearDown()
{
    // Every scripted answer was asked for, and no command showed a dialog the
    // test did not expect.
    EXPECT_TRUE(Memory::DialogAnswers.empty());
    EXPECT_EQ(Memory::UnansweredDialogs, 0);
}

void ProgramTest::Click(ControlHandle control)
{
    Memory::Control &clicked = Memory::ControlOf(control);
    if (clicked.kind == Memory::Kind::Option) {
        for (ControlHandle option : ActiveOptions)
            Memory::ControlOf(option).on = false;
        clicked.on = true;
    } else if (clicked.kind != Memory::Kind::OutputBox && clicked.kind != Memory::Kind::Frame) {
        clicked.on = !clicked.on;
    }
    EXPECT_TRUE(HandleWindowEvent({EventKind::ControlEvent, control}));
}

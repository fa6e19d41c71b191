// Definition files on disk through the system's file functions: what writing
// leaves there, also when it fails, and reading in pieces.

#include "definition/definitionfile.h"
#include "definition/definitionformat.h"
#include "fixture.h"

#include <csignal>
#include <random>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string MiddleColumnOfSegment3 =
    Header + "00010000\r\nLcddefchar 3, %00100, %00100, %00100, %00100, %00100, %00100, %00100, %00100\r\n";

GridSnapshot MiddleColumnGrid()
{
    GridSnapshot grid;
    grid.includeFlags[3] = true;
    for (int row = 1; row <= RowCount; ++row)
        grid.setPixel(3, 3, row, true);
    // Pixels of a segment that is not included must not reach the file.
    grid.setPixel(5, 1, 1, true);
    return grid;
}

std::vector<std::string> Entries(const std::filesystem::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

mode_t ModeOf(const std::string &path)
{
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

} // namespace

TEST(Files, WriteThenRead)
{
    ScratchFolder folder;
    const std::string path = folder.path("pfeil.inc");
    EXPECT_TRUE(WriteDefinitionFileFrom(MiddleColumnGrid(), path));
    EXPECT_EQ(Contents(path), MiddleColumnOfSegment3);

    GridSnapshot read;
    read.setPixel(3, 1, 1, true);
    read.includeFlags[0] = true;
    GridSnapshot expected = MiddleColumnGrid();
    expected.setPixel(5, 1, 1, false); // never written, so never read
    EXPECT_TRUE(ReadDefinitionFileInto(path, read));
    EXPECT_EQ(read, expected);
}

TEST(Files, NewFileGetsTheUsualPermissionsAndAnOldOneKeepsItsOwn)
{
    ScratchFolder folder;
    const mode_t mask = ::umask(022);
    const std::string fresh = folder.path("neu.inc");
    EXPECT_TRUE(WriteDefinitionFileFrom(GridSnapshot{}, fresh));
    EXPECT_EQ(ModeOf(fresh), 0644u);

    const std::string kept = folder.path("alt.inc");
    WriteContents(kept, "x");
    ::chmod(kept.c_str(), 0640);
    EXPECT_TRUE(WriteDefinitionFileFrom(GridSnapshot{}, kept));
    EXPECT_EQ(ModeOf(kept), 0640u);
    ::umask(mask);
}

TEST(Files, WritingOverALongerFileLeavesOnlyTheNewContent)
{
    ScratchFolder folder;
    const std::string path = folder.path("lang.lcd");
    WriteContents(path, std::string(100000, 'x'));
    EXPECT_TRUE(WriteDefinitionFileFrom(GridSnapshot{}, path));
    EXPECT_EQ(Contents(path), Header + "00000000\r\n");
    EXPECT_EQ(Entries(folder.folderPath()), std::vector<std::string>{"lang.lcd"});
}

TEST(Files, ALinkKeepsPointingWhereItDid)
{
    ScratchFolder folder;
    const std::string target = folder.path("ziel.inc");
    const std::string link = folder.path("verweis.inc");
    WriteContents(target, "alt");
    std::filesystem::create_symlink("ziel.inc", link);
    EXPECT_TRUE(WriteDefinitionFileFrom(MiddleColumnGrid(), link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link), "ziel.inc");
    EXPECT_EQ(Contents(target), MiddleColumnOfSegment3);
}

// A write that runs out of room half-way must leave the old file whole,
// where writing over it in place would leave part new, part old.
TEST(Files, FailedWriteKeepsTheOldContent)
{
    ScratchFolder folder;
    const std::string path = folder.path("alt.inc");
    WriteContents(path, MiddleColumnOfSegment3);
    GridSnapshot everything;
    everything.includeFlags.fill(true);

    // Files may grow to 100 bytes only: the new content (672 bytes) breaks off.
    rlimit saved;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileResult written = WriteDefinitionFileFrom(everything, path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(written.problem, FileProblem::NoSpace);
    EXPECT_EQ(Contents(path), MiddleColumnOfSegment3);
    EXPECT_EQ(Entries(folder.folderPath()), std::vector<std::string>{"alt.inc"});
}

TEST(Files, WriteFailuresSayWhy)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder.path("ordner"));
    WriteContents(folder.path("datei"), "x");
    const struct {
        std::string path;
        FileProblem problem;
    } cases[] = {
        {folder.path("fehlt/neu.inc"), FileProblem::NotFound},
        {folder.path("datei/neu.inc"), FileProblem::NotFound},
        {folder.path("ordner"), FileProblem::IsFolder},
        {folder.path(std::string(300, 'x')), FileProblem::PathTooLong},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(WriteDefinitionFileFrom(MiddleColumnGrid(), c.path).problem, c.problem);
    }
}

// Nobody reads the pipe: the write fails at once instead of waiting for a
// reader, and the pipe stays a pipe.
TEST(Files, APipeWithoutReaderFailsAtOnce)
{
    ScratchFolder folder;
    const std::string pipe = folder.path("rohr.inc");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(WriteDefinitionFileFrom(MiddleColumnGrid(), pipe));
    struct stat status {};
    ASSERT_EQ(::stat(pipe.c_str(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
    GridSnapshot grid;
    EXPECT_EQ(ReadDefinitionFileInto(pipe, grid).problem, FileProblem::NotPlainFile);
}

TEST(Files, ReadFailureLeavesTheGrid)
{
    ScratchFolder folder;
    const struct {
        std::string path;
        FileProblem problem;
    } cases[] = {
        {"", FileProblem::NotFound},
        {folder.path("fehlt.inc"), FileProblem::NotFound},
        {folder.folderPath().string(), FileProblem::IsFolder},
        {"/dev/zero", FileProblem::NotPlainFile},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path);
        const GridSnapshot before = MiddleColumnGrid();
        GridSnapshot grid = before;
        EXPECT_EQ(ReadDefinitionFileInto(c.path, grid).problem, c.problem);
        EXPECT_EQ(grid, before);
    }
}

// Several pieces of the file's reading, with lines cut at their ends.
TEST(Files, AFileReadsLikeItsBytes)
{
    ScratchFolder folder;
    std::mt19937 random(20260003);
    std::string bytes = Header + "10110001\r\n";
    while (bytes.size() < 3 * 1024 * 1024) {
        GridSnapshot grid;
        for (int column = 1; column <= ColumnCount; ++column)
            for (int row = 1; row <= RowCount; ++row)
                grid.setPixel(0, column, row, random() & 1);
        std::string line = BuildDefinitionLine(grid, int(random() % SegmentCount));
        if (random() % 4 == 0)
            line[random() % line.size()] = "x 1,\t"[random() % 5];
        bytes += line + (random() % 2 ? "\r\n" : "\n");
    }
    const std::string path = folder.path("gross.inc");
    WriteContents(path, bytes);

    GridSnapshot expected;
    ReadDefinitionBytes(bytes, expected);
    EXPECT_NE(expected, GridSnapshot{});
    GridSnapshot read;
    EXPECT_TRUE(ReadDefinitionFileInto(path, read));
    EXPECT_EQ(read, expected);
}

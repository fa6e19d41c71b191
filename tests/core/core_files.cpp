// Definition files on disk through the system's file functions: what writing
// leaves there, also when it fails, and reading in pieces.

#include "definition/definitionfile.h"
#include "definition/definitionformat.h"
#include "fixture.h"

#include <csignal>
#include <cstring>
#include <random>

#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/stat.h>
#include <sys/xattr.h>
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

struct stat StatusOf(const std::string &path)
{
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
}

bool RunningAsRoot()
{
    return ::geteuid() == 0;
}

// Runs `write` with files limited to `limit` bytes, as on a disk that is full
// beyond them.
template <typename F>
FileResult WithFileSizeLimit(rlim_t limit, F write)
{
    rlimit saved;
    ::getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = limit;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &small);
    const FileResult result = write();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    return result;
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

TEST(Files, ASocketIsNoFile)
{
    ScratchFolder folder;
    const std::string path = folder.path("steckdose.inc");
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof address.sun_path);
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    EXPECT_EQ(WriteDefinitionFileFrom(MiddleColumnGrid(), path).problem, FileProblem::NotPlainFile);
    GridSnapshot grid;
    EXPECT_EQ(ReadDefinitionFileInto(path, grid).problem, FileProblem::NotPlainFile);
    EXPECT_TRUE(std::filesystem::is_socket(path));
    ::close(fd);
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

// --- Saving over what is there: replaced when nothing gets lost that way,
// written in place when something would, refused when it may not be written.

enum class Runner { Anyone, Root, OrdinaryUser };

struct SaveCase {
    const char *name;
    Runner runner;
};

class SaveDecisions : public ::testing::TestWithParam<SaveCase> {
protected:
    ScratchFolder folder;
    const std::string old = Header + "00000000\r\n";
};

TEST_P(SaveDecisions, KeepTheFileWhatItWas)
{
    const std::string kind = GetParam().name;
    if (GetParam().runner == Runner::Root && !RunningAsRoot())
        GTEST_SKIP() << "needs root";
    if (GetParam().runner == Runner::OrdinaryUser && RunningAsRoot())
        GTEST_SKIP() << "permissions do not stop root; the same test runs as an ordinary user";
    const std::string path = folder.path("zeichen.inc");
    WriteContents(path, old);
    ::chmod(path.c_str(), 0644);
    const GridSnapshot grid = MiddleColumnGrid();
    const std::string expected = MiddleColumnOfSegment3;

    if (kind == "plain file") {
        const struct stat before = StatusOf(path);
        EXPECT_TRUE(WriteDefinitionFileFrom(grid, path));
        EXPECT_EQ(Contents(path), expected);
        // Replaced: a new file took the name in one step.
        EXPECT_NE(StatusOf(path).st_ino, before.st_ino);
        EXPECT_EQ(ModeOf(path), 0644u);
    } else if (kind == "second hard link") {
        const std::string other = folder.path("anderer-name.inc");
        ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
        EXPECT_TRUE(WriteDefinitionFileFrom(grid, path));
        EXPECT_EQ(Contents(path), expected);
        EXPECT_EQ(Contents(other), expected);
        EXPECT_EQ(StatusOf(path).st_ino, StatusOf(other).st_ino);
    } else if (kind == "other owner") {
        const passwd *nobody = ::getpwnam("nobody");
        ASSERT_NE(nobody, nullptr);
        ASSERT_EQ(::chown(path.c_str(), nobody->pw_uid, nobody->pw_gid), 0);
        ::chmod(path.c_str(), 0640);
        EXPECT_TRUE(WriteDefinitionFileFrom(grid, path));
        EXPECT_EQ(Contents(path), expected);
        EXPECT_EQ(StatusOf(path).st_uid, nobody->pw_uid);
        EXPECT_EQ(StatusOf(path).st_gid, nobody->pw_gid);
        EXPECT_EQ(ModeOf(path), 0640u);
    } else if (kind == "write-protected, root") {
        ::chmod(path.c_str(), 0444);
        EXPECT_TRUE(WriteDefinitionFileFrom(grid, path));
        EXPECT_EQ(Contents(path), expected);
        EXPECT_EQ(ModeOf(path), 0444u);
    } else if (kind == "write-protected") {
        ::chmod(path.c_str(), 0444);
        EXPECT_EQ(WriteDefinitionFileFrom(grid, path).problem, FileProblem::AccessDenied);
        EXPECT_EQ(Contents(path), old);
        EXPECT_EQ(ModeOf(path), 0444u);
    } else if (kind == "extended attribute") {
        if (::setxattr(path.c_str(), "user.pixkor", "1", 1, 0) != 0)
            GTEST_SKIP() << "this file system takes no extended attributes: " << std::strerror(errno);
        EXPECT_TRUE(WriteDefinitionFileFrom(grid, path));
        EXPECT_EQ(Contents(path), expected);
        char value[4] = {};
        EXPECT_EQ(::getxattr(path.c_str(), "user.pixkor", value, sizeof value), 1);
        EXPECT_EQ(value[0], '1');
    } else if (kind == "symbolic link") {
        const std::string link = folder.path("verweis.inc");
        std::filesystem::create_symlink("zeichen.inc", link);
        EXPECT_TRUE(WriteDefinitionFileFrom(grid, link));
        EXPECT_EQ(std::filesystem::read_symlink(link), "zeichen.inc");
        EXPECT_EQ(Contents(path), expected);
    } else if (kind == "link to a file not yet there") {
        const std::string link = folder.path("verweis.inc");
        std::filesystem::create_symlink("neu.inc", link);
        EXPECT_TRUE(WriteDefinitionFileFrom(grid, link));
        EXPECT_EQ(std::filesystem::read_symlink(link), "neu.inc");
        EXPECT_EQ(Contents(folder.path("neu.inc")), expected);
    } else if (kind == "read-only folder, writable file") {
        ::chmod(folder.folderPath().c_str(), 0555);
        EXPECT_TRUE(WriteDefinitionFileFrom(grid, path));
        ::chmod(folder.folderPath().c_str(), 0755);
        EXPECT_EQ(Contents(path), expected);
    } else if (kind == "full disk, replacing") {
        GridSnapshot everything;
        everything.includeFlags.fill(true);
        const FileResult result = WithFileSizeLimit(100, [&] { return WriteDefinitionFileFrom(everything, path); });
        EXPECT_EQ(result.problem, FileProblem::NoSpace);
        EXPECT_EQ(Contents(path), old);
    } else if (kind == "full disk, in place") {
        const std::string other = folder.path("anderer-name.inc");
        ASSERT_EQ(::link(path.c_str(), other.c_str()), 0);
        GridSnapshot everything;
        everything.includeFlags.fill(true);
        const FileResult result = WithFileSizeLimit(100, [&] { return WriteDefinitionFileFrom(everything, path); });
        EXPECT_EQ(result.problem, FileProblem::NoSpace);
        EXPECT_EQ(Contents(path), old);
        EXPECT_EQ(StatusOf(path).st_size, off_t(old.size()));
    } else if (kind == "device") {
        EXPECT_TRUE(WriteDefinitionFileFrom(grid, "/dev/null"));
        EXPECT_TRUE(S_ISCHR(StatusOf("/dev/null").st_mode));
    }
    // Nothing is left beside the file.
    for (const std::string &name : Entries(folder.folderPath()))
        EXPECT_NE(name[0], '.') << name;
}

INSTANTIATE_TEST_SUITE_P(
    , SaveDecisions,
    ::testing::Values(SaveCase{"plain file", Runner::Anyone}, SaveCase{"second hard link", Runner::Anyone},
                      SaveCase{"other owner", Runner::Root}, SaveCase{"write-protected, root", Runner::Root},
                      SaveCase{"write-protected", Runner::OrdinaryUser},
                      SaveCase{"extended attribute", Runner::Anyone}, SaveCase{"symbolic link", Runner::Anyone},
                      SaveCase{"link to a file not yet there", Runner::Anyone},
                      SaveCase{"read-only folder, writable file", Runner::OrdinaryUser},
                      SaveCase{"full disk, replacing", Runner::Anyone},
                      SaveCase{"full disk, in place", Runner::Anyone}, SaveCase{"device", Runner::Anyone}),
    [](const auto &info) {
        std::string name;
        for (const char *c = info.param.name; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

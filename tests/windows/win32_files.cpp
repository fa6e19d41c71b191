// The Windows file layer: what saving leaves on the disk, also when it fails,
// what it refuses, and reading in pieces.

#include "scratch.h"
#include "shell/platform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

namespace {

std::string RandomBytes(std::size_t size)
{
    std::mt19937 random(20261211);
    std::string bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(random() & 0xFF);
    return bytes;
}

struct Read {
    FileResult result;
    std::vector<std::size_t> pieces;
    std::string bytes;
};

Read ReadAll(const std::string &path)
{
    Read read;
    read.result = ReadFileInPieces(path, [&](std::string_view piece) {
        read.pieces.push_back(piece.size());
        read.bytes.append(piece);
    });
    return read;
}

} // namespace

TEST(Files, ReplacingALongerFileLeavesOnlyTheNewContentAndNoTemporaryFile)
{
    ScratchFolder folder;
    ASSERT_TRUE(WriteContents(folder.path(L"lang.lcd"), std::string(100000, 'x')));
    const FileResult result = WriteWholeFile(folder.utf8(L"lang.lcd"), "kurz\r\n");
    EXPECT_TRUE(result) << result.systemText;
    EXPECT_EQ(Contents(folder.path(L"lang.lcd")), "kurz\r\n");
    EXPECT_EQ(Entries(folder.folderPath()), std::vector<std::wstring>{L"lang.lcd"});
}

TEST(Files, ANewFileIsCreatedWithExactlyTheBytes)
{
    ScratchFolder folder;
    const std::string bytes = "'Diese Zeile nicht l\xC3\xB6schen! Segmente=00000000\r\n";
    EXPECT_TRUE(WriteWholeFile(folder.utf8(L"neu.inc"), bytes));
    EXPECT_EQ(Contents(folder.path(L"neu.inc")), bytes);
    EXPECT_EQ(Entries(folder.folderPath()), std::vector<std::wstring>{L"neu.inc"});
}

// ReplaceFileW gives the new content the old file's attributes.
TEST(Files, AReplacedFileKeepsItsAttributes)
{
    ScratchFolder folder;
    const std::filesystem::path path = folder.path(L"versteckt.inc");
    ASSERT_TRUE(WriteContents(path, "alt"));
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    EXPECT_TRUE(WriteWholeFile(folder.utf8(L"versteckt.inc"), "neu"));
    EXPECT_EQ(Contents(path), "neu");
    EXPECT_TRUE(GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN);
}

TEST(Files, AReadOnlyFileIsNotReplaced)
{
    ScratchFolder folder;
    const std::filesystem::path path = folder.path(L"fest.inc");
    ASSERT_TRUE(WriteContents(path, "alt"));
    ASSERT_TRUE(SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
    const FileResult result = WriteWholeFile(folder.utf8(L"fest.inc"), "neu");
    EXPECT_EQ(result.problem, FileProblem::AccessDenied) << result.systemText;
    EXPECT_EQ(Contents(path), "alt");
    EXPECT_EQ(Entries(folder.folderPath()), std::vector<std::wstring>{L"fest.inc"});
}

TEST(Files, AMissingFolderIsReportedWithTheSystemsWords)
{
    ScratchFolder folder;
    const std::string path = Utf8Of((folder.path(L"fehlt") / L"x.inc").wstring());
    const FileResult written = WriteWholeFile(path, "x");
    EXPECT_EQ(written.problem, FileProblem::NotFound);
    EXPECT_FALSE(written.systemText.empty());
    EXPECT_EQ(ReadAll(path).result.problem, FileProblem::NotFound);
    EXPECT_TRUE(Entries(folder.folderPath()).empty());
}

TEST(Files, AFolderIsNeitherReadNorReplaced)
{
    ScratchFolder folder;
    ASSERT_TRUE(CreateDirectoryW(folder.path(L"ordner").c_str(), nullptr));
    EXPECT_EQ(WriteWholeFile(folder.utf8(L"ordner"), "x").problem, FileProblem::IsFolder);
    EXPECT_EQ(ReadAll(folder.utf8(L"ordner")).result.problem, FileProblem::IsFolder);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path(L"ordner")));
    EXPECT_EQ(Entries(folder.folderPath()), std::vector<std::wstring>{L"ordner"});
}

// A device never becomes a file, is never opened for reading (a console
// would be read for ever), and leaves no file of its name behind.
class DeviceNames : public ::testing::TestWithParam<const char *> {};

TEST_P(DeviceNames, AreNoPlainFiles)
{
    ScratchFolder folder;
    const std::string name = GetParam();
    const std::string inFolder = Utf8Of(folder.folderPath().wstring()) + "\\" + name;
    for (const std::string &path : {name, inFolder}) {
        EXPECT_EQ(WriteWholeFile(path, "x").problem, FileProblem::NotPlainFile) << path;
        const Read read = ReadAll(path);
        EXPECT_EQ(read.result.problem, FileProblem::NotPlainFile) << path;
        EXPECT_TRUE(read.pieces.empty()) << path;
    }
    EXPECT_TRUE(Entries(folder.folderPath()).empty());
}

INSTANTIATE_TEST_SUITE_P(, DeviceNames, ::testing::Values("CON", "NUL", "COM1", "nul", "LPT1", "AUX"));

TEST(Files, APipeIsNoPlainFile)
{
    const std::wstring name = L"\\\\.\\pipe\\pixkor-test-" + std::to_wstring(GetCurrentProcessId());
    HANDLE pipe = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0,
                                   nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);
    EXPECT_EQ(WriteWholeFile(Utf8Of(name), "x").problem, FileProblem::NotPlainFile);
    EXPECT_EQ(ReadAll(Utf8Of(name)).result.problem, FileProblem::NotPlainFile);
    CloseHandle(pipe);
}

TEST(Files, PathsLongerThan259CharactersWork)
{
    ScratchFolder folder;
    std::filesystem::path deep = folder.folderPath();
    for (int level = 0; level < 6; ++level) {
        deep /= std::wstring(50, wchar_t(L'a' + level));
        ASSERT_TRUE(CreateDirectoryW(ScratchFolder::LongForm(deep).c_str(), nullptr));
    }
    const std::filesystem::path file = deep / L"lang-\u00fc.inc";
    ASSERT_GT(file.wstring().size(), 300u);
    const std::string path = Utf8Of(file.wstring());
    ASSERT_TRUE(WriteContents(file, std::string(5000, 'x')));
    const FileResult written = WriteWholeFile(path, "neu\r\n");
    EXPECT_TRUE(written) << written.systemText;
    EXPECT_EQ(Contents(file), "neu\r\n");
    const Read read = ReadAll(path);
    EXPECT_TRUE(read.result) << read.result.systemText;
    EXPECT_EQ(read.bytes, "neu\r\n");
    EXPECT_EQ(Entries(deep), std::vector<std::wstring>{L"lang-\u00fc.inc"});
}

TEST(Files, NamesKeepTheirUmlauts)
{
    ScratchFolder folder;
    EXPECT_TRUE(WriteWholeFile(folder.utf8(L"Gr\u00fc\u00dfe \u00c4rger.inc"), "x"));
    EXPECT_EQ(Entries(folder.folderPath()), std::vector<std::wstring>{L"Gr\u00fc\u00dfe \u00c4rger.inc"});
    EXPECT_EQ(ReadAll(folder.utf8(L"Gr\u00fc\u00dfe \u00c4rger.inc")).bytes, "x");
}

// 256 KiB at a time, in order, the last piece what is left.
TEST(Files, ReadingGoesInPiecesOf256KiB)
{
    ScratchFolder folder;
    const std::string bytes = RandomBytes(2 * 262144 + 100);
    ASSERT_TRUE(WriteContents(folder.path(L"gross.inc"), bytes));
    const Read read = ReadAll(folder.utf8(L"gross.inc"));
    EXPECT_TRUE(read.result);
    EXPECT_EQ(read.pieces, (std::vector<std::size_t>{262144, 262144, 100}));
    EXPECT_TRUE(read.bytes == bytes);

    ASSERT_TRUE(WriteContents(folder.path(L"leer.inc"), ""));
    const Read empty = ReadAll(folder.utf8(L"leer.inc"));
    EXPECT_TRUE(empty.result);
    EXPECT_TRUE(empty.pieces.empty());
}

// Run by run-file-tests with files limited to PIXKOR_FILE_SIZE_LIMIT bytes,
// as on a disk that fills up: the new content breaks off half-way.
TEST(FilesOnAFullDisk, AWriteThatFailsHalfWayLeavesTheOldFile)
{
    const char *limit = std::getenv("PIXKOR_FILE_SIZE_LIMIT");
    if (!limit)
        GTEST_SKIP() << "needs a file size limit (PIXKOR_FILE_SIZE_LIMIT), as run-file-tests sets";
    ScratchFolder folder;
    const std::string old = "alt\r\n";
    ASSERT_TRUE(WriteContents(folder.path(L"alt.inc"), old));
    const std::string bytes = RandomBytes(std::size_t(std::atoi(limit)) * 4);
    const FileResult result = WriteWholeFile(folder.utf8(L"alt.inc"), bytes);
    EXPECT_FALSE(result);
    EXPECT_NE(result.problem, FileProblem::None);
    EXPECT_EQ(Contents(folder.path(L"alt.inc")), old);
    EXPECT_EQ(Entries(folder.folderPath()), std::vector<std::wstring>{L"alt.inc"});
}

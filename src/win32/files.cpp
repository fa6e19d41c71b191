// Files on Windows.

#include "../shell/platform.h"
#include "unicode.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <windows.h>

namespace {

// Big enough that reading costs little more than the disk, small enough to
// stay in the processor's cache while the reader goes over it.
constexpr DWORD ReadPieceSize = 256 * 1024;

std::string SystemText(DWORD error)
{
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM
                                            | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    if (length == 0 || !text)
        return {};
    std::wstring message(text, length);
    LocalFree(text);
    while (!message.empty() && (message.back() == L'\r' || message.back() == L'\n' || message.back() == L' '))
        message.pop_back();
    return Utf8Of(message);
}

FileProblem ProblemOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY: // a part of the path is a file, not a folder
        return FileProblem::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_PRIVILEGE_NOT_HELD:
        return FileProblem::AccessDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case 1295: // ERROR_DISK_QUOTA_EXCEEDED, missing from mingw-w64's headers
    case ERROR_FILE_TOO_LARGE:
        return FileProblem::NoSpace;
    case ERROR_WRITE_PROTECT:
        return FileProblem::ReadOnlyFileSystem;
    case ERROR_FILENAME_EXCED_RANGE:
        return FileProblem::PathTooLong;
    case ERROR_PIPE_BUSY:
    case ERROR_BAD_PIPE:
        return FileProblem::NotPlainFile;
    default:
        return FileProblem::Other;
    }
}

FileResult Failure(DWORD error)
{
    return {ProblemOf(error), SystemText(error)};
}

FileResult LastFailure()
{
    return Failure(GetLastError());
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

FileHandle Opened(HANDLE handle)
{
    return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

// The absolute form of a path, with the "\\?\" prefix that lifts the limit of
// 259 characters from every call below (and turns off the rewriting of "/"
// and "..", which GetFullPathNameW has done already). A device name such as
// "CON" or "C:\x\NUL" comes back as "\\.\CON" or "\\.\NUL", and stays so.
std::wstring SystemPath(const std::string &path)
{
    const std::wstring wide = WideOf(path);
    if (wide.empty())
        return {};
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(wide.c_str(), DWORD(full.size()), full.data(), nullptr);
        if (length == 0)
            return wide;
        if (length < full.size()) {
            full.resize(length);
            break;
        }
        full.resize(length);
    }
    if (full.size() >= 2 && IsSeparator(full[0]) && IsSeparator(full[1])) {
        if (full.size() >= 4 && (full[2] == L'?' || full[2] == L'.') && IsSeparator(full[3]))
            return full; // "\\?\..." as given, or a device "\\.\..."
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return L"\\\\?\\" + full;
}

// Devices and pipes ("\\.\CON", "\\.\COM1", "\\.\pipe\x") are named in the
// device namespace; they are never opened as files, which for a console or a
// serial port could wait for ever.
bool IsDeviceName(const std::wstring &systemPath)
{
    return systemPath.size() >= 4 && systemPath.compare(0, 4, L"\\\\.\\") == 0;
}

std::wstring FolderOf(const std::wstring &systemPath)
{
    const std::size_t separator = systemPath.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring(L".") : systemPath.substr(0, separator);
}

enum class Kind { Missing, PlainFile, Folder, NoPlainFile };

// What the path names, looked at without opening it for reading or writing.
Kind KindOf(const std::wstring &systemPath, FileResult &result)
{
    if (IsDeviceName(systemPath))
        return Kind::NoPlainFile;
    // Backup semantics open a folder too, so that it can be told apart.
    FileHandle file = Opened(CreateFileW(systemPath.c_str(), FILE_READ_ATTRIBUTES,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND)
            return Kind::Missing;
        result = Failure(error);
        return Kind::Missing;
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return Kind::NoPlainFile;
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(file.get(), &information)) {
        result = LastFailure();
        return Kind::Missing;
    }
    return (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? Kind::Folder : Kind::PlainFile;
}

bool WriteAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD piece = DWORD(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), piece, &written, nullptr))
            return false;
        if (written == 0) {
            SetLastError(ERROR_DISK_FULL);
            return false;
        }
        bytes.remove_prefix(written);
    }
    return true;
}

// A file of its own beside the target: a name no other file has.
FileHandle CreateTemporaryBeside(const std::wstring &target, std::wstring &temporary)
{
    const std::wstring folder = FolderOf(target);
    const DWORD process = GetCurrentProcessId();
    for (unsigned attempt = 0;; ++attempt) {
        temporary = folder + L"\\~pixkor-" + std::to_wstring(process) + L"-" + std::to_wstring(GetTickCount())
                    + L"-" + std::to_wstring(attempt) + L".tmp";
        FileHandle file = Opened(CreateFileW(temporary.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file || GetLastError() != ERROR_FILE_EXISTS || attempt >= 100)
            return file;
    }
}

} // namespace

// The new content goes to a file beside the target, reaches the disk, and
// only then takes the target's place in one step: ReplaceFileW for a file that
// exists, which keeps its attributes, security and identity; a move for a new
// one. Until that step the old content stays whole.
FileResult WriteWholeFile(const std::string &path, std::string_view bytes)
{
    const std::wstring target = SystemPath(path);
    if (target.empty())
        return Failure(ERROR_PATH_NOT_FOUND);
    FileResult looked;
    const Kind kind = KindOf(target, looked);
    if (!looked)
        return looked;
    if (kind == Kind::Folder)
        return {FileProblem::IsFolder, {}};
    if (kind == Kind::NoPlainFile)
        return {FileProblem::NotPlainFile, {}};

    std::wstring temporary;
    FileHandle file = CreateTemporaryBeside(target, temporary);
    if (!file)
        return LastFailure();
    if (!WriteAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
        const FileResult failed = LastFailure();
        file.reset();
        DeleteFileW(temporary.c_str());
        return failed;
    }
    file.reset();
    // ReplaceFileW passes the old file's attributes on by itself; Wine's does
    // not, so the new file is given them first.
    if (kind == Kind::PlainFile) {
        const DWORD attributes = GetFileAttributesW(target.c_str());
        constexpr DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE
            | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kept))
            SetFileAttributesW(temporary.c_str(), attributes & kept);
    }
    const BOOL replaced = kind == Kind::PlainFile
        ? ReplaceFileW(target.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
        : MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        const FileResult failed = LastFailure();
        DeleteFileW(temporary.c_str());
        return failed;
    }
    return {};
}

FileResult ReadFileInPieces(const std::string &path, const std::function<void(std::string_view)> &take)
{
    const std::wstring source = SystemPath(path);
    if (source.empty())
        return Failure(ERROR_FILE_NOT_FOUND);
    if (IsDeviceName(source))
        return {FileProblem::NotPlainFile, {}};
    FileHandle file = Opened(CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                         FILE_FLAG_SEQUENTIAL_SCAN | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!file)
        return LastFailure();
    // Only a file on a disk has an end: a console would be read for ever, and
    // a pipe would wait for a writer.
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return {FileProblem::NotPlainFile, {}};
    BY_HANDLE_FILE_INFORMATION information;
    if (!GetFileInformationByHandle(file.get(), &information))
        return LastFailure();
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return {FileProblem::IsFolder, {}};
    std::vector<char> piece(ReadPieceSize);
    for (;;) {
        DWORD count = 0;
        if (!ReadFile(file.get(), piece.data(), ReadPieceSize, &count, nullptr))
            return LastFailure();
        if (count == 0)
            return {};
        take(std::string_view(piece.data(), count));
    }
}

#pragma once

// A scratch folder of the test's own under the Windows temporary folder,
// removed with all it holds.

#include "win32/unicode.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <windows.h>

class ScratchFolder {
public:
    ScratchFolder()
    {
        wchar_t temporary[MAX_PATH + 1];
        GetTempPathW(MAX_PATH + 1, temporary);
        for (unsigned attempt = 0;; ++attempt) {
            folder = std::filesystem::path(temporary)
                / (L"pixkor-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(attempt));
            if (CreateDirectoryW(folder.c_str(), nullptr))
                break;
        }
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        // Read-only files would stay behind.
        for (const auto &entry : std::filesystem::recursive_directory_iterator(LongForm(folder), ignored))
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        std::filesystem::remove_all(LongForm(folder), ignored);
    }
    ScratchFolder(const ScratchFolder &) = delete;
    ScratchFolder &operator=(const ScratchFolder &) = delete;

    std::filesystem::path path(const std::wstring &name) const { return folder / name; }
    const std::filesystem::path &folderPath() const { return folder; }
    // The path as the program is given it: UTF-8.
    std::string utf8(const std::wstring &name) const { return Utf8Of(path(name).wstring()); }

    // The "\\?\" form, which lifts the 259-character limit from the test's
    // own file calls.
    static std::filesystem::path LongForm(const std::filesystem::path &path)
    {
        return std::filesystem::path(L"\\\\?\\" + path.wstring());
    }

private:
    std::filesystem::path folder;
};

// The test's own file calls go through the Windows API with the "\\?\"
// form, which works for paths of any length.
inline std::string Contents(const std::filesystem::path &path)
{
    HANDLE file = CreateFileW(ScratchFolder::LongForm(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "<unreadable>";
    std::string bytes;
    char piece[65536];
    DWORD count = 0;
    while (ReadFile(file, piece, sizeof piece, &count, nullptr) && count > 0)
        bytes.append(piece, count);
    CloseHandle(file);
    return bytes;
}

inline bool WriteContents(const std::filesystem::path &path, const std::string &bytes)
{
    HANDLE file = CreateFileW(ScratchFolder::LongForm(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool done = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr) && written == bytes.size();
    return CloseHandle(file) && done;
}

// The names in a folder, sorted.
inline std::vector<std::wstring> Entries(const std::filesystem::path &folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((ScratchFolder::LongForm(folder).wstring() + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return {L"<unreadable>"};
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

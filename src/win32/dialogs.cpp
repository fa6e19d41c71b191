// The system's file dialogs and message box, owned by the window.

#include "../definition/filecommands.h"
#include "../editing/grid.h"
#include "win32frontend.h"

#include <type_traits>

#include <cderr.h>
#include <commdlg.h>

namespace {

// "Label\0pattern\0...\0\0", as the dialogs take a filter list.
std::wstring DialogFilterOf(std::string_view filter)
{
    std::wstring list;
    for (const FileFilterEntry &entry : SplitFileFilter(filter)) {
        list += WideOf(entry.label);
        list += L'\0';
        list += WideOf(entry.pattern);
        list += L'\0';
    }
    list += L'\0';
    return list;
}

// The dialogs' library is loaded when a dialog is first shown: it brings the
// shell with it, which the window's start has no use for.
struct FileDialogFunctions {
    BOOL(WINAPI *open)(OPENFILENAMEW *) = nullptr;
    BOOL(WINAPI *save)(OPENFILENAMEW *) = nullptr;
    DWORD(WINAPI *extendedError)() = nullptr;
};

const FileDialogFunctions *FileDialogs()
{
    static const FileDialogFunctions functions = [] {
        FileDialogFunctions loaded;
        HMODULE library = LoadLibraryW(L"comdlg32.dll");
        if (!library)
            return loaded;
        const auto find = [&](auto &function, const char *name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                reinterpret_cast<void *>(GetProcAddress(library, name)));
        };
        find(loaded.open, "GetOpenFileNameW");
        find(loaded.save, "GetSaveFileNameW");
        find(loaded.extendedError, "CommDlgExtendedError");
        return loaded;
    }();
    return functions.open && functions.save && functions.extendedError ? &functions : nullptr;
}

// Long enough for any path Windows can name. Should a dialog still find it
// too short, it says how long the name is, and is shown again with room for it.
constexpr DWORD FirstNameRoom = 32768;

// A fresh dialog every time: the first filter, an empty name, the folder the
// system chooses. The folder part of a typed path must exist; no read-only
// box; no question before replacing a file and no extension added.
std::string ChooseFile(bool save, std::string_view title, std::string_view filter)
{
    const FileDialogFunctions *dialogs = FileDialogs();
    if (!dialogs)
        return {};
    const std::wstring dialogTitle = WideOf(title);
    const std::wstring filters = DialogFilterOf(filter);
    // The working directory stays as it was, whatever the dialog does.
    std::wstring workingDirectory(GetCurrentDirectoryW(0, nullptr), L'\0');
    workingDirectory.resize(GetCurrentDirectoryW(DWORD(workingDirectory.size()), workingDirectory.data()));
    DWORD room = FirstNameRoom;
    for (;;) {
        std::wstring name(room, L'\0');
        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = HwndOf(MainWindow);
        dialog.lpstrFilter = filters.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = name.data();
        dialog.nMaxFile = room;
        dialog.lpstrTitle = dialogTitle.c_str();
        dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
        const BOOL chosen = save ? dialogs->save(&dialog) : dialogs->open(&dialog);
        const DWORD error = chosen ? 0 : dialogs->extendedError();
        if (!workingDirectory.empty())
            SetCurrentDirectoryW(workingDirectory.c_str());
        if (chosen)
            return Utf8Of(name.c_str());
        if (error != FNERR_BUFFERTOOSMALL)
            return {};
        // The first two bytes of the buffer hold the room the name needs.
        const DWORD needed = *reinterpret_cast<const WORD *>(name.data());
        if (needed <= room)
            return {};
        room = needed + 1;
    }
}

} // namespace

std::string ChooseFileToLoad(std::string_view title, std::string_view filter)
{
    return ChooseFile(false, title, filter);
}

std::string ChooseFileToSave(std::string_view title, std::string_view filter)
{
    return ChooseFile(true, title, filter);
}

void ShowMessage(MessageIcon icon, std::string_view caption, std::string_view text)
{
    MessageBoxW(HwndOf(MainWindow), WideOf(text).c_str(), WideOf(caption).c_str(),
                MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : 0));
}

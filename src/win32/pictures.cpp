// Pictures from the working directory: toolbar icons made ready at 24 x 24,
// bitmaps at their own size.

#include "../shell/iconfile.h"
#include "../shell/layout.h"
#include "win32frontend.h"

#include <deque>
#include <string>

namespace {

// Every loaded picture, for the program's whole life.
std::deque<LoadedPicture> Pictures;

std::string FileContent(const std::wstring &path)
{
    std::string content;
    if (!ReadFileInPieces(Utf8Of(path), [&](std::string_view piece) { content.append(piece); }))
        return {};
    return content;
}

// The picture at `index` of an icon file, scaled to the toolbar's size.
HICON IconFromFile(std::string_view file, int index)
{
    const std::string_view picture = IconPictureBytes(file, index);
    if (picture.empty())
        return nullptr;
    auto *bits = reinterpret_cast<BYTE *>(const_cast<char *>(picture.data()));
    return CreateIconFromResourceEx(bits, DWORD(picture.size()), TRUE, 0x00030000, ToolbarPictureSize,
                                    ToolbarPictureSize, LR_DEFAULTCOLOR);
}

} // namespace

PictureHandle LoadPicture(std::string_view folder, std::string_view name, PictureFormat format)
{
    const std::wstring path = folder.empty() ? WideOf(name) : WideOf(folder) + L"\\" + WideOf(name);
    LoadedPicture picture;
    if (format == PictureFormat::Icon) {
        const std::string file = FileContent(path);
        picture.icon = IconFromFile(file, IconPictureToShow(file));
        if (!picture.icon)
            return nullptr;
        picture.width = picture.height = ToolbarPictureSize;
    } else {
        picture.bitmap = static_cast<HBITMAP>(
            LoadImageW(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
        BITMAP size;
        if (!picture.bitmap || !GetObjectW(picture.bitmap, sizeof size, &size))
            return nullptr;
        picture.width = size.bmWidth;
        picture.height = size.bmHeight;
    }
    Pictures.push_back(picture);
    return reinterpret_cast<PictureHandle>(&Pictures.back());
}

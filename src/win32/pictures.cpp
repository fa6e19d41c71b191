// Pictures from the working directory: toolbar icons made ready at 24 x 24,
// bitmaps at their own size.

#include "../shell/layout.h"
#include "win32frontend.h"

#include <deque>
#include <string>

namespace {

// Every loaded picture, for the program's whole life.
std::deque<LoadedPicture> Pictures;

unsigned LittleEndian(std::string_view bytes, std::size_t at, int size)
{
    unsigned value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + std::size_t(i)]);
    return value;
}

constexpr std::size_t DirectoryStart = 6, EntrySize = 16;

int IconCount(std::string_view file)
{
    if (file.size() < DirectoryStart || LittleEndian(file, 0, 2) != 0 || LittleEndian(file, 2, 2) != 1)
        return 0;
    return int(std::min<std::size_t>(LittleEndian(file, 4, 2), (file.size() - DirectoryStart) / EntrySize));
}

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
    if (index >= IconCount(file))
        return nullptr;
    const std::size_t entry = DirectoryStart + std::size_t(index) * EntrySize;
    const std::size_t size = LittleEndian(file, entry + 8, 4), at = LittleEndian(file, entry + 12, 4);
    if (at > file.size() || size > file.size() - at || size == 0)
        return nullptr;
    auto *bits = reinterpret_cast<BYTE *>(const_cast<char *>(file.data() + at));
    return CreateIconFromResourceEx(bits, DWORD(size), TRUE, 0x00030000, ToolbarPictureSize, ToolbarPictureSize,
                                    LR_DEFAULTCOLOR);
}

} // namespace

// The file starts with a directory of 16-byte entries (width, height, ...,
// bits per pixel, size and offset of the picture); the depth is read from the
// picture itself, a PNG's header or a bitmap's, where there is one.
int IconPictureToShow(std::string_view file)
{
    const int count = IconCount(file);
    const auto sizeOf = [&](int index) {
        const std::size_t entry = DirectoryStart + std::size_t(index) * EntrySize;
        // 0 stands for 256 pixels.
        const unsigned width = LittleEndian(file, entry, 1), height = LittleEndian(file, entry + 1, 1);
        return std::pair(width ? width : 256, height ? height : 256);
    };
    const auto depthOf = [&](int index) -> unsigned {
        const std::size_t entry = DirectoryStart + std::size_t(index) * EntrySize;
        const std::size_t at = LittleEndian(file, entry + 12, 4);
        if (at + 26 <= file.size() && file.substr(at, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) {
            // IHDR: bits per sample and colour type (grey, -, RGB, palette, grey + alpha, -, RGBA).
            constexpr unsigned samples[] = {1, 0, 3, 1, 2, 0, 4};
            const unsigned bits = LittleEndian(file, at + 24, 1), type = LittleEndian(file, at + 25, 1);
            return type < 7 ? bits * samples[type] : 0;
        }
        if (at + 16 <= file.size())
            return LittleEndian(file, at + 14, 2);
        return LittleEndian(file, entry + 6, 2);
    };
    int best = 0;
    for (int index = 1; index < count; ++index)
        if (sizeOf(index) == sizeOf(0) && depthOf(index) > depthOf(best))
            best = index;
    return best;
}

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

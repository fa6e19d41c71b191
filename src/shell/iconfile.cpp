#include "iconfile.h"

#include <algorithm>
#include <utility>

// The file starts with a header of 6 bytes and a directory of 16-byte entries
// (width, height, ..., bits per pixel, size and offset of the picture). The
// depth is read from the picture itself, a PNG's header or a bitmap's, where
// there is one: the directory's own is often left 0.

namespace {

constexpr std::size_t DirectoryStart = 6, EntrySize = 16;

unsigned LittleEndian(std::string_view bytes, std::size_t at, int size)
{
    unsigned value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + std::size_t(i)]);
    return value;
}

std::size_t EntryAt(int index)
{
    return DirectoryStart + std::size_t(index) * EntrySize;
}

std::pair<unsigned, unsigned> SizeOf(std::string_view file, int index)
{
    // 0 stands for 256 pixels.
    const unsigned width = LittleEndian(file, EntryAt(index), 1), height = LittleEndian(file, EntryAt(index) + 1, 1);
    return {width ? width : 256, height ? height : 256};
}

unsigned DepthOf(std::string_view file, int index)
{
    const std::string_view picture = IconPictureBytes(file, index);
    if (picture.size() >= 26 && picture.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) {
        // IHDR: bits per sample and colour type (grey, -, RGB, palette, grey + alpha, -, RGBA).
        constexpr unsigned samples[] = {1, 0, 3, 1, 2, 0, 4};
        const unsigned bits = LittleEndian(picture, 24, 1), type = LittleEndian(picture, 25, 1);
        return type < 7 ? bits * samples[type] : 0;
    }
    if (picture.size() >= 16)
        return LittleEndian(picture, 14, 2);
    return LittleEndian(file, EntryAt(index) + 6, 2);
}

} // namespace

int IconPictureCount(std::string_view file)
{
    if (file.size() < DirectoryStart || LittleEndian(file, 0, 2) != 0 || LittleEndian(file, 2, 2) != 1)
        return 0;
    return int(std::min<std::size_t>(LittleEndian(file, 4, 2), (file.size() - DirectoryStart) / EntrySize));
}

std::string_view IconPictureBytes(std::string_view file, int index)
{
    if (index < 0 || index >= IconPictureCount(file))
        return {};
    const std::size_t size = LittleEndian(file, EntryAt(index) + 8, 4), at = LittleEndian(file, EntryAt(index) + 12, 4);
    if (at > file.size() || size > file.size() - at)
        return {};
    return file.substr(at, size);
}

int IconPictureToShow(std::string_view file)
{
    const int count = IconPictureCount(file);
    int best = 0;
    for (int index = 1; index < count; ++index)
        if (SizeOf(file, index) == SizeOf(file, 0) && DepthOf(file, index) > DepthOf(file, best))
            best = index;
    return best;
}

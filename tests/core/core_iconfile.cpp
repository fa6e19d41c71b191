// Which picture of an icon file shows: read from the bytes alone.

#include "shell/iconfile.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <string>

namespace {

// An icon file's directory with the given (width, height, bits) entries, each
// picture a bare bitmap header.
std::string IconFile(std::initializer_list<std::array<int, 3>> pictures)
{
    std::string file;
    const auto put = [&](unsigned value, int size) {
        for (int i = 0; i < size; ++i)
            file += char((value >> (8 * i)) & 0xFF);
    };
    put(0, 2);
    put(1, 2);
    put(unsigned(pictures.size()), 2);
    unsigned at = unsigned(6 + 16 * pictures.size());
    for (const auto &picture : pictures) {
        put(unsigned(picture[0]) % 256, 1);
        put(unsigned(picture[1]) % 256, 1);
        put(0, 2);
        put(1, 2);
        put(0, 2); // depth left to the picture's own header
        put(40, 4);
        put(at, 4);
        at += 40;
    }
    for (const auto &picture : pictures) {
        put(40, 4);
        put(unsigned(picture[0]), 4);
        put(unsigned(picture[1] * 2), 4);
        put(1, 2);
        put(unsigned(picture[2]), 2);
        put(0, 24);
    }
    return file;
}

} // namespace

TEST(Pictures, AnIconFileShowsItsFirstSizeAtItsGreatestDepth)
{
    struct Case {
        std::string file;
        int shown;
    };
    const Case cases[] = {
        {IconFile({{24, 24, 32}}), 0},
        {IconFile({{16, 16, 8}, {32, 32, 32}, {16, 16, 32}}), 2},
        {IconFile({{48, 48, 4}, {48, 48, 24}, {48, 48, 32}, {48, 48, 8}}), 2},
        {IconFile({{32, 32, 32}, {32, 32, 32}}), 0},
        {IconFile({{256, 256, 8}, {16, 16, 32}, {256, 256, 24}}), 2},
        {"not an icon", 0},
    };
    for (const Case &test : cases)
        EXPECT_EQ(IconPictureToShow(test.file), test.shown) << &test - cases;
}


// A PNG picture tells its depth in its header: 8 bits a sample, RGBA.
TEST(Pictures, APngPictureCountsByItsHeader)
{
    std::string file = IconFile({{16, 16, 24}});
    std::string png("\x89PNG\r\n\x1a\n", 8);
    png += std::string("\0\0\0\x0dIHDR", 8) + std::string(8, '\0') + std::string("\x08\x06", 2) + std::string(6, '\0');
    // A second directory entry of the same size that points at the PNG.
    file[4] = 2;
    const std::string entry = file.substr(6, 16);
    std::string second = entry;
    const unsigned at = unsigned(file.size() + 16);
    for (int i = 0; i < 4; ++i) {
        second[8 + i] = char((png.size() >> (8 * i)) & 0xFF);
        second[12 + i] = char((at >> (8 * i)) & 0xFF);
    }
    // Entries first, then the pictures: the bitmap moves 16 bytes on.
    std::string withTwo = file.substr(0, 22) + second + file.substr(22) + png;
    const unsigned bitmapAt = unsigned(6 + 32);
    for (int i = 0; i < 4; ++i)
        withTwo[6 + 12 + i] = char((bitmapAt >> (8 * i)) & 0xFF);
    ASSERT_EQ(IconPictureCount(withTwo), 2);
    EXPECT_EQ(IconPictureBytes(withTwo, 1), png);
    EXPECT_EQ(IconPictureToShow(withTwo), 1);
}

TEST(Pictures, PicturesOutsideTheFileAreNone)
{
    std::string file = IconFile({{16, 16, 32}});
    EXPECT_EQ(IconPictureBytes(file, 0).size(), 40u);
    EXPECT_TRUE(IconPictureBytes(file, 1).empty());
    EXPECT_TRUE(IconPictureBytes(file, -1).empty());
    file.resize(file.size() - 1); // the picture runs past the end
    EXPECT_TRUE(IconPictureBytes(file, 0).empty());
    EXPECT_EQ(IconPictureCount("not an icon"), 0);
    EXPECT_EQ(IconPictureCount(std::string("\0\0\1\0\5\0", 6)), 0); // lists more than it holds
}

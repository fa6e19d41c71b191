#pragma once

// Icon files (.ico) as bytes: a directory of pictures of several sizes and
// colour depths. Every front-end shows the same one of them.

#include <string_view>

// How many pictures the file's directory lists; 0 when the bytes are no icon
// file.
int IconPictureCount(std::string_view file);

// The bytes of picture `index` (a PNG, or a bitmap without its file header);
// empty when there is no such picture or the directory points outside the file.
std::string_view IconPictureBytes(std::string_view file, int index);

// The picture to show: of those as large as the first, the one with the most
// bits per pixel (the first of equals); 0 when the bytes are no icon file.
int IconPictureToShow(std::string_view file);

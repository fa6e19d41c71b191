#pragma once

// The program's start between the toolkit's own start and its event loop.

#include "layout.h"
#include "platform.h"

#include <array>

extern PictureHandle ImageGreen;
extern PictureHandle ImageBlack;
extern std::array<PictureHandle, ToolbarCommandCount> ToolbarPictures; // by command id

// Tables, pictures, the window, and the on picture of every pixel toggle, in
// that order. The toolkit must be ready; the event loop comes after.
void StartPixkor();

// StartPixkor, then the event loop; the program's exit code.
int RunPixkor();

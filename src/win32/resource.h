#pragma once

// Resources compiled into Pixkor.exe (pixkor.rc).
#define PIXKOR_ICON 1

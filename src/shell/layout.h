#pragma once

// The window's fixed layout, the same for every front-end: where each control
// sits, in pixels of the client area, and what the toolbar holds. Everything
// under the toolbar is placed lower by the toolbar's height T, which only the
// front-end can measure.

#include <array>
#include <string>
#include <string_view>

constexpr int ToolbarCommandCount = 6;

// What OpenMainWindow is asked for: requested place and client size.
constexpr int WindowLeft = 50, WindowTop = 50, WindowWidth = 600, WindowHeight = 650;
constexpr std::string_view WindowTitle = "Pixkor";

struct Rect {
    int x, y, width, height;
    friend bool operator==(const Rect &, const Rect &) = default;
};

int SegmentLeft(int segment);
int SegmentTop(int segment);

// The controls of segment i, for toolbar height T.
Rect SegmentFrameRect(int segment, int T);
Rect IncludeBoxRect(int segment, int T);
Rect ActiveOptionRect(int segment, int T);
Rect PixelToggleRect(int segment, int column, int row, int T);
Rect OutputBoxRect(int T);

// "Segment 0" to "Segment 7".
std::string SegmentCaption(int segment);
constexpr std::string_view IncludeBoxText = "Inc";
constexpr std::string_view ActiveOptionText = "Aktiv";
// The name a screen reader gives a pixel toggle: "Segment S, Zeile R, Spalte C".
std::string PixelToggleName(int segment, int column, int row);

// Toolbar buttons left to right; a separator has no command. The ids are the
// commands' own (see shell/events.cpp), not screen places.
constexpr int SeparatorId = -1;
constexpr int ToolbarPictureSize = 24;
struct ToolbarButton {
    int commandId;
    std::string_view label;
    std::string_view toolTip;
};
constexpr std::array<ToolbarButton, 7> ToolbarButtons = {{
    {0, "Neu", "Neu"},
    {3, "Laden", "Laden..."},
    {4, "Speichern", "Speichern"},
    {5, "Speichern unter...", "Speichern unter..."},
    {SeparatorId, {}, {}},
    {1, "Kopieren", "In Zwischenablage kopieren"},
    {2, "Invers", "Aktives Segment invertieren"},
}};

// Picture files, relative to the working directory: a folder ("" for the
// working directory itself) and a file name.
struct PictureFile {
    std::string_view folder;
    std::string_view name;
};
constexpr PictureFile ImageGreenFile = {"", "gruen.bmp"};
constexpr PictureFile ImageBlackFile = {"", "schwarz.bmp"};
// By command id.
constexpr std::array<PictureFile, ToolbarCommandCount> ToolbarPictureFiles = {{
    {"Icons", "New.ico"},
    {"Icons", "Copy1.ico"},
    {"Icons", "Refresh.ico"},
    {"Icons", "Open.ico"},
    {"Icons", "Save.ico"},
    {"Icons", "SaveAs.ico"},
}};

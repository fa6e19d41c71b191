#pragma once

// The segment grid as it lives in the window: the tables of controls and the
// few operations through which the rest of the program reads and changes
// pixels, include flags and the active segment.

#include "../shell/platform.h"
#include "gridsnapshot.h"

#include <array>
#include <string>

// [segment 0..7][column 0..5][row 0..8]; column 0 and row 0 stay empty.
using PixelButtonTable =
    std::array<std::array<std::array<ControlHandle, RowCount + 1>, ColumnCount + 1>, SegmentCount>;

extern PixelButtonTable PixelButtons;
extern std::array<ControlHandle, SegmentCount> SegmentFrames;
extern std::array<ControlHandle, SegmentCount> IncludeBoxes;
extern std::array<ControlHandle, SegmentCount> ActiveOptions;

extern WindowHandle MainWindow;
extern ControlHandle OutputBox;
// Path of the file that Save writes to, UTF-8; empty when there is none.
extern std::string CurrentFileName;
// The line the Copy command built last.
extern std::string DefinitionText;

// Empties every table and single value; the start of the program's life.
void CreateGridTables();

// The segment whose "Aktiv" option is selected, the first from 0 upward; 0 when none is.
int ActiveSegment();
// Called with the control the user just used: a pixel makes its segment active.
void MarkActiveSegment(ControlHandle control);

bool PixelState(int segment, int column, int row);
void SetPixelState(int segment, int column, int row, bool on);
bool IncludeFlag(int segment);
void SetIncludeFlag(int segment, bool on);
// Selects the segment's "Aktiv" option, which clears the other seven.
void SelectSegment(int segment);

GridSnapshot TakeGridSnapshot();
void ApplyGridSnapshot(const GridSnapshot &grid);

#include "grid.h"

PixelButtonTable PixelButtons;
std::array<ControlHandle, SegmentCount> SegmentFrames;
std::array<ControlHandle, SegmentCount> IncludeBoxes;
std::array<ControlHandle, SegmentCount> ActiveOptions;

WindowHandle MainWindow = nullptr;
ControlHandle OutputBox = nullptr;
std::string CurrentFileName;
std::string DefinitionText;

void CreateGridTables()
{
    for (auto &columns : PixelButtons)
        for (auto &rows : columns)
            rows.fill(nullptr);
    SegmentFrames.fill(nullptr);
    IncludeBoxes.fill(nullptr);
    ActiveOptions.fill(nullptr);
    MainWindow = nullptr;
    OutputBox = nullptr;
    CurrentFileName.clear();
    DefinitionText.clear();
}

int ActiveSegment()
{
    for (int segment = 0; segment < SegmentCount; ++segment)
        if (ButtonState(ActiveOptions[segment]))
            return segment;
    return 0;
}

void MarkActiveSegment(ControlHandle control)
{
    if (!control)
        return;
    for (int segment = 0; segment < SegmentCount; ++segment)
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column)
                if (PixelButtons[segment][column][row] == control)
                    SelectSegment(segment);
}

bool PixelState(int segment, int column, int row)
{
    return ButtonState(PixelButtons[segment][column][row]);
}

void SetPixelState(int segment, int column, int row, bool on)
{
    SetButtonState(PixelButtons[segment][column][row], on);
}

bool IncludeFlag(int segment)
{
    return ButtonState(IncludeBoxes[segment]);
}

void SetIncludeFlag(int segment, bool on)
{
    SetButtonState(IncludeBoxes[segment], on);
}

// The new one first: a group that must always have a selection never sees
// none.
void SelectSegment(int segment)
{
    SetButtonState(ActiveOptions[segment], true);
    for (int other = 0; other < SegmentCount; ++other)
        if (other != segment)
            SetButtonState(ActiveOptions[other], false);
}

GridSnapshot TakeGridSnapshot()
{
    GridSnapshot grid;
    for (int segment = 0; segment < SegmentCount; ++segment) {
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column)
                grid.setPixel(segment, column, row, PixelState(segment, column, row));
        grid.includeFlags[segment] = IncludeFlag(segment);
    }
    grid.activeSegment = ActiveSegment();
    return grid;
}

void ApplyGridSnapshot(const GridSnapshot &grid)
{
    for (int segment = 0; segment < SegmentCount; ++segment) {
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column)
                SetPixelState(segment, column, row, grid.pixel(segment, column, row));
        SetIncludeFlag(segment, grid.includeFlags[segment]);
    }
    SelectSegment(grid.activeSegment);
}

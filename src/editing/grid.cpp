#include "grid.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

PixelButtonTable PixelButtons;
std::array<QGroupBox *, SegmentCount> SegmentFrames;
std::array<QCheckBox *, SegmentCount> IncludeBoxes;
std::array<QRadioButton *, SegmentCount> ActiveOptions;

QWidget *MainWindow = nullptr;
QTextEdit *OutputBox = nullptr;
QString CurrentFileName;
QString DefinitionText;

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
        if (ActiveOptions[segment]->isChecked())
            return segment;
    return 0;
}

void MarkActiveSegment(QObject *control)
{
    for (int segment = 0; segment < SegmentCount; ++segment)
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column)
                if (PixelButtons[segment][column][row] == control)
                    SelectSegment(segment);
}

bool PixelState(int segment, int column, int row)
{
    return PixelButtons[segment][column][row]->isChecked();
}

// setChecked() emits toggled() but never clicked(); the program listens only to
// clicked(), so its own changes raise no events.
void SetPixelState(int segment, int column, int row, bool on)
{
    PixelButtons[segment][column][row]->setChecked(on);
}

bool IncludeFlag(int segment)
{
    return IncludeBoxes[segment]->isChecked();
}

void SetIncludeFlag(int segment, bool on)
{
    IncludeBoxes[segment]->setChecked(on);
}

void SelectSegment(int segment)
{
    ActiveOptions[segment]->setChecked(true);
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

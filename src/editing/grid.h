#pragma once

// The segment grid as it lives in the window: the tables of controls and the
// few operations through which the rest of the program reads and changes
// pixels, include flags and the active segment.

#include "gridsnapshot.h"

#include <QString>
#include <array>

class QCheckBox;
class QGroupBox;
class QObject;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QWidget;

// [segment 0..7][column 0..5][row 0..8]; column 0 and row 0 stay empty.
using PixelButtonTable =
    std::array<std::array<std::array<QPushButton *, RowCount + 1>, ColumnCount + 1>, SegmentCount>;

extern PixelButtonTable PixelButtons;
extern std::array<QGroupBox *, SegmentCount> SegmentFrames;
extern std::array<QCheckBox *, SegmentCount> IncludeBoxes;
extern std::array<QRadioButton *, SegmentCount> ActiveOptions;

extern QWidget *MainWindow;
extern QTextEdit *OutputBox;
extern QString CurrentFileName;
extern QString DefinitionText;

// Empties every table and single value; the start of the program's life.
void CreateGridTables();

// The segment whose "Aktiv" option is selected, the first from 0 upward; 0 when none is.
int ActiveSegment();
// Called with the control the user just used: a pixel makes its segment active.
void MarkActiveSegment(QObject *control);

bool PixelState(int segment, int column, int row);
void SetPixelState(int segment, int column, int row, bool on);
bool IncludeFlag(int segment);
void SetIncludeFlag(int segment, bool on);
void SelectSegment(int segment);

GridSnapshot TakeGridSnapshot();
void ApplyGridSnapshot(const GridSnapshot &grid);

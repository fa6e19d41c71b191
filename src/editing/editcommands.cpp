#include "editcommands.h"

#include "../definition/definitionformat.h"
#include "grid.h"

void NewCommand()
{
    for (int segment = 0; segment < SegmentCount; ++segment)
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column)
                SetPixelState(segment, column, row, false);
    // The drawing is no longer the loaded file's; the next Save asks for a name.
    CurrentFileName.clear();
    SelectSegment(0);
}

void InvertCommand()
{
    const int segment = ActiveSegment();
    for (int row = 1; row <= RowCount; ++row)
        for (int column = 1; column <= ColumnCount; ++column)
            SetPixelState(segment, column, row, !PixelState(segment, column, row));
}

void CopyCommand()
{
    DefinitionText = BuildDefinitionLine(TakeGridSnapshot(), ActiveSegment());
    PutTextOnClipboard(DefinitionText);
    InsertOutputLine(OutputBox, DefinitionText);
}

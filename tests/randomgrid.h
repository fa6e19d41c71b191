#pragma once

#include "editing/gridsnapshot.h"

#include <QRandomGenerator>

// Every pixel and include flag drawn at random; segment 0 active.
inline GridSnapshot RandomGrid(QRandomGenerator &random)
{
    GridSnapshot grid;
    for (int segment = 0; segment < SegmentCount; ++segment) {
        grid.includeFlags[segment] = random.bounded(2);
        for (int column = 1; column <= ColumnCount; ++column)
            for (int row = 1; row <= RowCount; ++row)
                grid.setPixel(segment, column, row, random.bounded(2));
    }
    return grid;
}

#include "definitionfile.h"

#include "../editing/grid.h"

bool WriteDefinitionFileFrom(const GridSnapshot &, const QString &) { return false; }
bool ReadDefinitionFileInto(const QString &, GridSnapshot &) { return false; }

bool WriteDefinitionFile()
{
    return WriteDefinitionFileFrom(TakeGridSnapshot(), CurrentFileName);
}

bool ReadDefinitionFile(const QString &path)
{
    GridSnapshot grid = TakeGridSnapshot();
    if (!ReadDefinitionFileInto(path, grid))
        return false;
    ApplyGridSnapshot(grid);
    return true;
}

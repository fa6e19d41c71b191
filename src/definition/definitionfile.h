#pragma once

#include "../editing/gridsnapshot.h"

#include <QString>

// The definition file on disk. The first two work on a plain grid value; the
// last two on the window's grid and CurrentFileName. Each says whether it succeeded.
bool WriteDefinitionFileFrom(const GridSnapshot &grid, const QString &path);
bool ReadDefinitionFileInto(const QString &path, GridSnapshot &grid);

bool WriteDefinitionFile();
bool ReadDefinitionFile(const QString &path);

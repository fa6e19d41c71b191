#pragma once

// The definition file on disk, through the system's file functions, for a
// plain grid value. Each says whether it worked, and if not, why.

#include "../editing/gridsnapshot.h"
#include "../shell/platform.h"

#include <string>

FileResult WriteDefinitionFileFrom(const GridSnapshot &grid, const std::string &path);
// A failed read leaves the grid as it was.
FileResult ReadDefinitionFileInto(const std::string &path, GridSnapshot &grid);

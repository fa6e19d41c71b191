#pragma once

// The definition line and the definition file, on bytes. No Qt here.

#include "../editing/gridsnapshot.h"

#include <string>
#include <string_view>

// "Lcddefchar <segment>, %rrrrr, ... " for the eight rows; 76 characters, no line end.
std::string BuildDefinitionLine(const GridSnapshot &grid, int segment);

// Header line with the eight include flags, then the line of every included
// segment; CR LF after every line, UTF-8 without byte-order mark.
std::string BuildDefinitionFile(const GridSnapshot &grid);

// Applies a whole definition file onto the grid (flags, and the pixels of the
// segments its lines name).
void ReadDefinitionBytes(std::string_view bytes, GridSnapshot &grid);

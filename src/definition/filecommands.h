#pragma once

// Load, Save and Save As: the grid to and from definition files.

#include "../shell/platform.h"

#include <string>
#include <string_view>
#include <vector>

// "Label|pattern|Label|pattern...", the filter list of both file dialogs.
extern const std::string_view FileFilter;
extern const std::string_view LoadDialogTitle;
extern const std::string_view SaveDialogTitle;

struct FileFilterEntry {
    std::string label;
    std::string pattern;
};
// The entries of a filter list in order; a label without a pattern is dropped.
std::vector<FileFilterEntry> SplitFileFilter(std::string_view filter);

// The window's grid to CurrentFileName, and a file into the window's grid;
// each says whether it worked. A failed read leaves the grid as it was.
FileResult WriteDefinitionFile();
FileResult ReadDefinitionFile(const std::string &path);

void LoadCommand();
void SaveCommand();
void SaveAsCommand();

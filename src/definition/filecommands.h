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

// Why a file operation failed, in a sentence of the program's own, or the
// system's words where the program has none.
std::string FileProblemText(const FileResult &result);
// The path itself when it has at most `longest` characters, else its start
// and its end around a "…", `longest` characters in all.
std::string ShortenedPath(const std::string &path, std::size_t longest);

void LoadCommand();
void SaveCommand();
void SaveAsCommand();

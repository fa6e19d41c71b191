#pragma once

// Load, Save and Save As: the grid to and from definition files.

#include <QString>

extern const QString FileFilter;

void LoadCommand();
void SaveCommand();
void SaveAsCommand();

#pragma once

// New, Invert and Copy: the toolbar commands that work on the grid alone.

void NewCommand();
void InvertCommand();
void CopyCommand();

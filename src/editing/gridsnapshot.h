#pragma once

// The editor's whole drawing as a plain value: what the window's controls
// hold, without the window. Indices follow the window's tables: segments
// 0..7, columns 1..5, rows 1..8; index 0 of columns and rows stays unused.

#include <array>

constexpr int SegmentCount = 8;
constexpr int ColumnCount = 5;
constexpr int RowCount = 8;

struct GridSnapshot {
    // [segment][column][row]
    std::array<std::array<std::array<bool, RowCount + 1>, ColumnCount + 1>, SegmentCount> pixels{};
    std::array<bool, SegmentCount> includeFlags{};
    int activeSegment = 0;

    bool pixel(int segment, int column, int row) const { return pixels[segment][column][row]; }
    void setPixel(int segment, int column, int row, bool on) { pixels[segment][column][row] = on; }

    friend bool operator==(const GridSnapshot &, const GridSnapshot &) = default;
};

#pragma once

// The definition line and the definition file, on bytes. No Qt here.

#include "../editing/gridsnapshot.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// "Lcddefchar <segment>, %rrrrr, ... " for the eight rows; 76 characters, no
// line end. The segment must be 0..7.
std::string BuildDefinitionLine(const GridSnapshot &grid, int segment);

// Header line with the eight include flags, then the line of every included
// segment; CR LF after every line, UTF-8 without byte-order mark.
std::string BuildDefinitionFile(const GridSnapshot &grid);

// Applies a whole definition file onto the grid (flags, and the pixels of the
// segments its lines name).
void ReadDefinitionBytes(std::string_view bytes, GridSnapshot &grid);

// The stepwise reader behind ReadDefinitionBytes, for files that arrive in
// pieces. A default-constructed value stands at the start of a file: feed it
// the file's bytes in order, cut anywhere, then finish it once onto a grid.
// Feeding never touches the grid, so a caller that meets a read error half-way
// just drops the reader and the grid stays as it was.
//
// It holds a fixed handful of counters and bits whatever the file holds; it
// keeps no text, not even of the current line, and allocates nothing.
// Its fields are its own business.
struct DefinitionReader {
    // UTF-8 decoding across chunk ends.
    std::uint8_t continuationsLeft = 0;
    std::uint8_t continuationsSeen = 0;
    std::uint8_t continuationLow = 0x80;
    std::uint8_t continuationHigh = 0xBF;

    bool inHeader = true;

    // Header: the flags part counted from the line's start, and the one counted
    // from the first "Segmente", which wins once the keyword has turned up.
    struct FlagsPart {
        std::uint8_t phase = 0;   // before the first "=", taking flags, done
        std::uint8_t taken = 0;
        std::uint8_t flags = 0;   // bit i: flag of segment i
    };
    FlagsPart wholeLine;
    FlagsPart fromKeyword;
    std::uint8_t keywordMatched = 0;   // letters of "Segmente" matched so far; 8 once found

    // Data line.
    std::uint8_t field = 0;            // 0 while leading spaces are trimmed, then 1, 2, ...
    std::uint8_t fieldStep = 0;        // where the current field's reading stands
    std::uint8_t fieldPosition = 0;    // characters of the row field after its leading commas
    bool negative = false;
    bool sawDigit = false;
    std::uint8_t radix = 10;
    std::uint8_t number = 0;           // saturates at 8: anything above 7 names no segment
    std::int8_t segment = -1;          // -1 while unknown, or when the line names no segment
    std::uint64_t linePixels = 0;      // six bits a row, bit 0 unused

    // What the file said so far.
    std::uint8_t includeFlags = 0;
    std::uint8_t namedSegments = 0;
    std::array<std::uint64_t, SegmentCount> segmentPixels{};
};

void FeedDefinitionReader(DefinitionReader &reader, std::string_view bytes);
// Ends the file: the last line, even without a line end, counts. Sets all eight
// include flags and the pixels of every segment a line named.
void FinishDefinitionReader(DefinitionReader &reader, GridSnapshot &grid);

// The definition reader and writer on bytes in memory, without the disk.

#include "definition/definitionformat.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

GridSnapshot RandomGrid(std::mt19937 &random)
{
    GridSnapshot grid;
    for (int segment = 0; segment < SegmentCount; ++segment) {
        grid.includeFlags[segment] = random() & 1;
        for (int column = 1; column <= ColumnCount; ++column)
            for (int row = 1; row <= RowCount; ++row)
                grid.setPixel(segment, column, row, random() & 1);
    }
    return grid;
}

constexpr std::size_t InputSize = 16 << 20;

// Lines as the program writes them, or edited by hand: LF line ends, spaces
// in front, no commas after the rows (every line takes the careful way).
std::string Lines(bool handEdited)
{
    std::mt19937 random(11);
    std::string bytes;
    while (bytes.size() < InputSize) {
        const GridSnapshot grid = RandomGrid(random);
        const int segment = int(random() % SegmentCount);
        std::string line = BuildDefinitionLine(grid, segment);
        if (handEdited) {
            std::string edited = "  ";
            for (char ch : line)
                if (ch != ',')
                    edited += ch;
            line = edited + "\n";
        } else {
            line += "\r\n";
        }
        bytes += line;
    }
    return bytes;
}

std::string EndlessLine()
{
    std::string bytes = Lines(false);
    for (char &ch : bytes)
        if (ch == '\r' || ch == '\n')
            ch = ' ';
    return bytes;
}

std::string Noise()
{
    std::mt19937 random(13);
    std::string bytes(InputSize, '\0');
    for (char &ch : bytes)
        ch = char(random());
    return bytes;
}

void Read(benchmark::State &state, const std::string &bytes)
{
    for (auto _ : state) {
        GridSnapshot grid;
        ReadDefinitionBytes(bytes, grid);
        benchmark::DoNotOptimize(grid);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

void BM_ReadWrittenLines(benchmark::State &state) { static const std::string bytes = Lines(false); Read(state, bytes); }
void BM_ReadHandEditedLines(benchmark::State &state) { static const std::string bytes = Lines(true); Read(state, bytes); }
void BM_ReadEndlessLine(benchmark::State &state) { static const std::string bytes = EndlessLine(); Read(state, bytes); }
void BM_ReadNoise(benchmark::State &state) { static const std::string bytes = Noise(); Read(state, bytes); }

void BM_BuildDefinitionFile(benchmark::State &state)
{
    std::mt19937 random(17);
    GridSnapshot grid = RandomGrid(random);
    grid.includeFlags.fill(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildDefinitionFile(grid));
}

} // namespace

BENCHMARK(BM_ReadWrittenLines);
BENCHMARK(BM_ReadHandEditedLines);
BENCHMARK(BM_ReadEndlessLine);
BENCHMARK(BM_ReadNoise);
BENCHMARK(BM_BuildDefinitionFile);

BENCHMARK_MAIN();

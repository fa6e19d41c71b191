// Writes big definition files and reads them through the program's file
// layer, for bench/reader.
//
//   pixkor_readbench generate lines|line|noise BYTES PATH
//   pixkor_readbench read PATH
//
// "lines" is a file as the program writes it, grown to BYTES with more
// definition lines; "line" is the same text with every line end turned into a
// space, one line without end; "noise" is random bytes, like a video picked
// by mistake. "read" prints the seconds the reading took and the process's
// peak resident memory in KiB.

#include "definition/definitionfile.h"
#include "definition/definitionformat.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

std::string Block(const std::string &kind)
{
    std::mt19937 random(7);
    std::string block;
    while (block.size() < (1u << 20)) {
        if (kind == "noise") {
            block += char(random());
            continue;
        }
        GridSnapshot grid;
        for (int column = 1; column <= ColumnCount; ++column)
            for (int row = 1; row <= RowCount; ++row)
                grid.setPixel(0, column, row, random() & 1);
        block += BuildDefinitionLine(grid, int(random() % SegmentCount));
        block += kind == "line" ? "  " : "\r\n";
    }
    return block;
}

int Generate(const std::string &kind, long long size, const char *path)
{
    FILE *file = std::fopen(path, "wb");
    if (!file)
        return 1;
    std::string start;
    if (kind == "lines") {
        GridSnapshot grid;
        grid.includeFlags.fill(true);
        start = BuildDefinitionFile(grid);
    }
    const std::string block = Block(kind);
    long long written = std::fwrite(start.data(), 1, start.size(), file);
    while (written < size) {
        const std::size_t count = std::size_t(std::min<long long>(size - written, (long long)block.size()));
        written += std::fwrite(block.data(), 1, count, file);
    }
    return std::fclose(file) == 0 ? 0 : 1;
}

int Read(const char *path)
{
    GridSnapshot grid;
    const auto start = std::chrono::steady_clock::now();
    if (!ReadDefinitionFileInto(path, grid))
        return 1;
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%.4f %ld\n", seconds.count(), usage.ru_maxrss);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && std::strcmp(argv[1], "generate") == 0)
        return Generate(argv[2], std::atoll(argv[3]), argv[4]);
    if (argc == 3 && std::strcmp(argv[1], "read") == 0)
        return Read(argv[2]);
    std::fprintf(stderr, "usage: %s generate lines|line|noise BYTES PATH | read PATH\n", argv[0]);
    return 2;
}

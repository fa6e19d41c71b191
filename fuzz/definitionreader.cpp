// libFuzzer target: the definition reader on any bytes. Besides crashes and
// undefined behaviour it catches the reader disagreeing with itself: the
// bytes read whole, byte by byte and in pieces of changing sizes must give the
// same grid, and writing what was read and reading that back must restore it.

#include "definition/definitionformat.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

GridSnapshot CheckeredGrid()
{
    GridSnapshot grid;
    for (int segment = 0; segment < SegmentCount; ++segment)
        for (int column = 1; column <= ColumnCount; ++column)
            for (int row = 1; row <= RowCount; ++row)
                grid.setPixel(segment, column, row, (segment + column + row) % 2 == 0);
    return grid;
}

// Each piece in an allocation of its own size, so that looking past a
// piece's end shows as a heap overflow.
GridSnapshot ReadInPieces(std::string_view bytes, std::uint32_t seed)
{
    DefinitionReader reader;
    std::uint32_t state = seed | 1;
    for (std::size_t at = 0; at < bytes.size();) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const std::size_t length = std::min<std::size_t>(bytes.size() - at, 1 + state % 200);
        const auto piece = std::make_unique<char[]>(length);
        std::memcpy(piece.get(), bytes.data() + at, length);
        FeedDefinitionReader(reader, {piece.get(), length});
        at += length;
    }
    GridSnapshot grid = CheckeredGrid();
    FinishDefinitionReader(reader, grid);
    return grid;
}

GridSnapshot ReadByteByByte(std::string_view bytes)
{
    DefinitionReader reader;
    for (std::size_t at = 0; at < bytes.size(); ++at)
        FeedDefinitionReader(reader, bytes.substr(at, 1));
    GridSnapshot grid = CheckeredGrid();
    FinishDefinitionReader(reader, grid);
    return grid;
}

std::uint32_t Hash(std::string_view bytes)
{
    std::uint32_t hash = 2166136261u;
    for (unsigned char byte : bytes)
        hash = (hash ^ byte) * 16777619u;
    return hash;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    GridSnapshot whole = CheckeredGrid();
    ReadDefinitionBytes(bytes, whole);
    if (!(ReadInPieces(bytes, Hash(bytes)) == whole) || !(ReadByteByByte(bytes) == whole))
        std::abort();

    GridSnapshot again;
    ReadDefinitionBytes(BuildDefinitionFile(whole), again);
    if (again.includeFlags != whole.includeFlags)
        std::abort();
    for (int segment = 0; segment < SegmentCount; ++segment)
        if (whole.includeFlags[segment] && again.pixels[segment] != whole.pixels[segment])
            std::abort();
    return 0;
}

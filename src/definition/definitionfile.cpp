#include "definitionfile.h"

#include "definitionformat.h"

FileResult WriteDefinitionFileFrom(const GridSnapshot &grid, const std::string &path)
{
    if (path.empty())
        return {FileProblem::NotFound, {}};
    return WriteWholeFile(path, BuildDefinitionFile(grid));
}

// The file goes to the reader piece by piece, so its size does not matter;
// the reader touches the grid only once the whole file has been read.
FileResult ReadDefinitionFileInto(const std::string &path, GridSnapshot &grid)
{
    if (path.empty())
        return {FileProblem::NotFound, {}};
    DefinitionReader reader;
    FileResult result =
        ReadFileInPieces(path, [&reader](std::string_view piece) { FeedDefinitionReader(reader, piece); });
    if (result)
        FinishDefinitionReader(reader, grid);
    return result;
}

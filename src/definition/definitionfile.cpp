#include "definitionfile.h"

#include "../editing/grid.h"
#include "definitionformat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <vector>

namespace {
// Big enough that reading costs little more than the disk, small enough to
// stay in the processor's cache while the reader goes over it.
constexpr qint64 ReadPieceSize = 256 * 1024;

bool WriteAll(QFileDevice &file, const std::string &bytes)
{
    return file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size());
}
}

// Through QSaveFile the file on disk is always either the old content or the
// complete new one: the new bytes go to a file beside it, which replaces the
// old one only once everything is written.
bool WriteDefinitionFileFrom(const GridSnapshot &grid, const QString &path)
{
    if (path.isEmpty())
        return false;
    const std::string bytes = BuildDefinitionFile(grid);
    // A device or a pipe cannot be replaced by a file beside it: that would
    // put a plain file in place of the device. Such a target is written as it stands.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        QFile device(path);
        return device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && WriteAll(device, bytes);
    }
    QSaveFile file(path);
    // Unbuffered, so that a write that stops short shows in write()'s count:
    // commit() takes a short write of its own final flush for success and
    // would put the cut-off file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (!WriteAll(file, bytes)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// The file goes to the reader piece by piece, so its size does not matter;
// a read error leaves the grid as it was.
bool ReadDefinitionFileInto(const QString &path, GridSnapshot &grid)
{
    // Only a plain file has an end: a device such as /dev/zero would be read
    // for ever, and a pipe would wait for a writer.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    std::vector<char> piece(ReadPieceSize);
    DefinitionReader reader;
    for (;;) {
        const qint64 count = file.read(piece.data(), qint64(piece.size()));
        if (count < 0)
            return false;
        if (count == 0)
            break;
        FeedDefinitionReader(reader, std::string_view(piece.data(), std::size_t(count)));
    }
    FinishDefinitionReader(reader, grid);
    return true;
}

bool WriteDefinitionFile()
{
    return WriteDefinitionFileFrom(TakeGridSnapshot(), CurrentFileName);
}

bool ReadDefinitionFile(const QString &path)
{
    GridSnapshot grid = TakeGridSnapshot();
    if (!ReadDefinitionFileInto(path, grid))
        return false;
    ApplyGridSnapshot(grid);
    return true;
}

// Definition files on disk: what writing leaves there, also when it fails,
// and reading a file larger than one piece.

#include "definition/definitionfile.h"
#include "definition/definitionformat.h"
#include "randomgrid.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

const QByteArray Header = "'Diese Zeile nicht l\xC3\xB6schen! Segmente=";
const QByteArray MiddleColumnOfSegment3 =
    Header + "00010000\r\nLcddefchar 3, %00100, %00100, %00100, %00100, %00100, %00100, %00100, %00100\r\n";

GridSnapshot MiddleColumnGrid()
{
    GridSnapshot grid;
    grid.includeFlags[3] = true;
    for (int row = 1; row <= RowCount; ++row)
        grid.setPixel(3, 3, row, true);
    // Pixels of a segment that is not included must not reach the file.
    grid.setPixel(5, 1, 1, true);
    return grid;
}

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void SetContents(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestDefinitionFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writeThenRead();
    void writingOverALongerFileLeavesOnlyTheNewContent();
    void failedWriteKeepsTheOldContent();
    void readFailureLeavesTheGrid_data();
    void readFailureLeavesTheGrid();
    void writeIntoMissingFolderFails();
    void fileReadsLikeItsBytes();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void TestDefinitionFile::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
}

void TestDefinitionFile::writeThenRead()
{
    const QString path = dir->filePath("pfeil.inc");
    QVERIFY(WriteDefinitionFileFrom(MiddleColumnGrid(), path));
    QCOMPARE(Contents(path), MiddleColumnOfSegment3);

    GridSnapshot read;
    read.setPixel(3, 1, 1, true);
    read.includeFlags[0] = true;
    GridSnapshot expected = MiddleColumnGrid();
    expected.setPixel(5, 1, 1, false);   // never written, so never read
    QVERIFY(ReadDefinitionFileInto(path, read));
    QVERIFY(read == expected);
}

void TestDefinitionFile::writingOverALongerFileLeavesOnlyTheNewContent()
{
    const QString path = dir->filePath("lang.lcd");
    SetContents(path, QByteArray(100000, 'x'));
    QVERIFY(WriteDefinitionFileFrom(GridSnapshot(), path));
    QCOMPARE(Contents(path), Header + "00000000\r\n");
}

// A write that runs out of room half-way must leave the old file whole,
// where writing over it in place would leave part new, part old.
void TestDefinitionFile::failedWriteKeepsTheOldContent()
{
#ifdef Q_OS_UNIX
    const QString path = dir->filePath("alt.inc");
    SetContents(path, MiddleColumnOfSegment3);
    GridSnapshot everything;
    everything.includeFlags.fill(true);

    // Files may grow to 100 bytes only: the new content (672 bytes) breaks off.
    rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteDefinitionFileFrom(everything, path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!written);
    QCOMPARE(Contents(path), MiddleColumnOfSegment3);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"alt.inc"});
#else
    QSKIP("needs a limit on file sizes");
#endif
}

void TestDefinitionFile::readFailureLeavesTheGrid_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no name") << QString();
    QTest::newRow("missing file") << "fehlt.inc";
    QTest::newRow("folder") << ".";
}

void TestDefinitionFile::readFailureLeavesTheGrid()
{
    QFETCH(QString, name);
    const QString path = name.isEmpty() ? QString() : dir->filePath(name);
    const GridSnapshot before = MiddleColumnGrid();
    GridSnapshot grid = before;
    QVERIFY(!ReadDefinitionFileInto(path, grid));
    QVERIFY(grid == before);
}

void TestDefinitionFile::writeIntoMissingFolderFails()
{
    QVERIFY(!WriteDefinitionFileFrom(MiddleColumnGrid(), dir->filePath("fehlt/neu.inc")));
}

// Several pieces of the file's reading, with lines cut at their ends.
void TestDefinitionFile::fileReadsLikeItsBytes()
{
    QRandomGenerator random(20260003);
    QByteArray bytes = Header + "10110001\r\n";
    while (bytes.size() < 3 * 1024 * 1024) {
        QByteArray line =
            QByteArray::fromStdString(BuildDefinitionLine(RandomGrid(random), random.bounded(SegmentCount)));
        if (random.bounded(4) == 0)
            line[random.bounded(line.size())] = "x 1,\t"[random.bounded(5)];
        bytes += line + (random.bounded(2) ? "\r\n" : "\n");
    }
    const QString path = dir->filePath("gross.inc");
    SetContents(path, bytes);

    GridSnapshot expected;
    ReadDefinitionBytes({bytes.constData(), std::size_t(bytes.size())}, expected);
    QVERIFY(expected != GridSnapshot());
    GridSnapshot read;
    QVERIFY(ReadDefinitionFileInto(path, read));
    QVERIFY(read == expected);
}

QTEST_GUILESS_MAIN(TestDefinitionFile)
#include "tst_definitionfile.moc"

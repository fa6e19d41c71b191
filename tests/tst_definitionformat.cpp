// The definition line and file as bytes, and the reader fed in pieces.

#include "definition/definitionformat.h"
#include "randomgrid.h"

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QStringDecoder>
#include <QtTest>

#include <atomic>
#include <cstdlib>
#include <new>
#include <optional>

// Counts every allocation of the process, so a test can see that reading
// allocates nothing.
namespace {
std::atomic<long> AllocationCount{0};
}

void *operator new(std::size_t size)
{
    ++AllocationCount;
    if (void *memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void *memory) noexcept { std::free(memory); }
void operator delete(void *memory, std::size_t) noexcept { std::free(memory); }

namespace {

const QByteArray Header = "'Diese Zeile nicht l\xC3\xB6schen! Segmente=";

// A literal with its NUL bytes.
template <std::size_t N>
QByteArray Bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

// Every segment carries its own checkerboard, so a pixel that changes shows,
// whichever way it flips.
GridSnapshot CheckeredGrid()
{
    GridSnapshot grid;
    for (int segment = 0; segment < SegmentCount; ++segment)
        for (int column = 1; column <= ColumnCount; ++column)
            for (int row = 1; row <= RowCount; ++row)
                grid.setPixel(segment, column, row, (segment + column + row) % 2 == 0);
    grid.activeSegment = 6;
    return grid;
}

// "10000 00000 ..." row by row, top first; rows left out are off.
void SetRows(GridSnapshot &grid, int segment, const QString &rows)
{
    const QStringList given = rows.split(' ', Qt::SkipEmptyParts);
    for (int row = 1; row <= RowCount; ++row)
        for (int column = 1; column <= ColumnCount; ++column)
            grid.setPixel(segment, column, row,
                          row <= given.size() && given[row - 1].at(column - 1) == '1');
}

QString Describe(const GridSnapshot &grid)
{
    QString text = "flags ";
    for (bool flag : grid.includeFlags)
        text += flag ? '1' : '0';
    for (int segment = 0; segment < SegmentCount; ++segment) {
        text += QString("\n%1:").arg(segment);
        for (int row = 1; row <= RowCount; ++row) {
            text += ' ';
            for (int column = 1; column <= ColumnCount; ++column)
                text += grid.pixel(segment, column, row) ? '1' : '0';
        }
    }
    return text + QString("\nactive %1").arg(grid.activeSegment);
}

GridSnapshot ReadInPieces(const QByteArray &bytes, const QList<qsizetype> &cuts, GridSnapshot grid)
{
    DefinitionReader reader;
    qsizetype from = 0;
    for (qsizetype cut : cuts) {
        FeedDefinitionReader(reader, View(bytes.mid(from, cut - from)));
        from = cut;
    }
    FeedDefinitionReader(reader, View(bytes.mid(from)));
    FinishDefinitionReader(reader, grid);
    return grid;
}

// ---- A reader written plainly after the format's steps: the whole file
// decoded at once by Qt, then line by line as text. The streaming reader must
// always agree with it.

using Text = QList<uint>;

Text TrimSpaces(Text line)
{
    while (!line.isEmpty() && line.first() == ' ')
        line.removeFirst();
    while (!line.isEmpty() && line.last() == ' ')
        line.removeLast();
    return line;
}

Text StripCommas(Text field)
{
    while (!field.isEmpty() && field.first() == ',')
        field.removeFirst();
    while (!field.isEmpty() && field.last() == ',')
        field.removeLast();
    return field;
}

uint AsciiLower(uint ch) { return ch >= 'A' && ch <= 'Z' ? ch + 32 : ch; }

qsizetype FindKeyword(const Text &line)
{
    static const QByteArray keyword = "segmente";
    for (qsizetype start = 0; start + keyword.size() <= line.size(); ++start) {
        qsizetype i = 0;
        while (i < keyword.size() && AsciiLower(line[start + i]) == uint(keyword[i]))
            ++i;
        if (i == keyword.size())
            return start;
    }
    return -1;
}

// The value of a segment field, or nothing when it holds no digit at all.
std::optional<long long> ReadNumber(const Text &field)
{
    qsizetype i = 0;
    while (i < field.size() && (field[i] == ' ' || field[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-'))
        negative = field[i++] == '-';
    int radix = 10;
    if (i < field.size() && field[i] == '$') {
        radix = 16;
        ++i;
    } else if (i < field.size() && field[i] == '%') {
        radix = 2;
        ++i;
    }
    long long value = 0;
    bool digits = false;
    for (; i < field.size(); ++i) {
        const uint ch = field[i];
        int digit = -1;
        if (ch >= '0' && ch <= '9')
            digit = ch - '0';
        else if (AsciiLower(ch) >= 'a' && AsciiLower(ch) <= 'f')
            digit = AsciiLower(ch) - 'a' + 10;
        if (digit < 0 || digit >= radix)
            break;
        digits = true;
        value = std::min(value * radix + digit, 1000000LL);
    }
    if (!digits)
        return std::nullopt;
    return negative ? -value : value;
}

GridSnapshot ReferenceRead(const QByteArray &bytes, GridSnapshot grid)
{
    // The decoder keeps a character cut short by the end to itself, and keeps a
    // byte-order mark as the character it is.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::ConvertInitialBom);
    const Text text = QString(decoder(bytes)).toUcs4();
    qsizetype position = 0;
    const auto readLine = [&] {
        Text line;
        while (position < text.size()) {
            const uint ch = text[position++];
            if (ch == '\r') {
                if (position < text.size() && text[position] == '\n')
                    ++position;
                break;
            }
            if (ch == '\n' || ch == 0)
                break;
            line.append(ch);
        }
        return TrimSpaces(line);
    };

    const Text header = readLine();
    const qsizetype keyword = FindKeyword(header);
    const Text kept = keyword < 0 ? header : header.mid(keyword);
    const qsizetype equals = kept.indexOf('=');
    Text flags;
    if (equals >= 0) {
        const qsizetype next = kept.indexOf('=', equals + 1);
        flags = kept.mid(equals + 1, next < 0 ? -1 : next - equals - 1);
    }
    for (int i = 0; i < SegmentCount; ++i)
        grid.includeFlags[i] = i < flags.size() && flags[i] == '1';

    while (position < text.size()) {
        const Text line = readLine();
        QList<Text> fields(1);
        for (uint ch : line) {
            if (ch == ' ')
                fields.append(Text());
            else
                fields.last().append(ch);
        }
        const auto field = [&](int n) { return n <= fields.size() ? StripCommas(fields[n - 1]) : Text(); };
        const std::optional<long long> segment = ReadNumber(field(2));
        if (!segment || *segment < 0 || *segment >= SegmentCount)
            continue;
        for (int row = 1; row <= RowCount; ++row) {
            const Text rowField = field(row + 2);
            for (int column = 1; column <= ColumnCount; ++column)
                grid.setPixel(int(*segment), column, row, column < rowField.size() && rowField[column] == '1');
        }
    }
    return grid;
}

// ---- Inputs for comparing the two readers.

QByteArray Piece(QRandomGenerator &random)
{
    static const QList<QByteArray> pieces = {
        "Lcddefchar", "Lcddefchar ", " ", "  ", ",", ", %", "%", "$", "+", "-", "0", "1", "1", "7", "8",
        "00000", "11111", "10101", "0007", "ff", "Segmente", "SEGMENTE", "sEgMeNt", "segmente=", "Segmente=1",
        "=", "=", "\r", "\n", "\r\n", QByteArray(1, '\0'), "\t", "'", "x", "e",
        "\xC3\xB6", "\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xEF\xBB\xBF", "\xFF", "\x80", "\xC3", "\xE2\x82",
        "\xF0\x9F\x98", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC0\xAF", "\xE0\x80\x80",
    };
    switch (random.bounded(12)) {
    case 0: {
        QByteArray line = QByteArray::fromStdString(BuildDefinitionLine(RandomGrid(random), 0));
        line[11] = char('0' + random.bounded(10));
        return line + (random.bounded(2) ? "\r\n" : "\n");
    }
    case 1: {
        // A long stretch without anything the reader looks for.
        QByteArray filler;
        const int length = random.bounded(60);
        for (int i = 0; i < length; ++i)
            filler += "abcdfghijkxyz019#"[random.bounded(17)];
        return filler;
    }
    default:
        return pieces[random.bounded(pieces.size())];
    }
}

QByteArray Mutated(QByteArray bytes, QRandomGenerator &random)
{
    const int mutations = 1 + random.bounded(6);
    for (int m = 0; m < mutations; ++m) {
        const qsizetype at = random.bounded(bytes.size() + 1);
        switch (random.bounded(4)) {
        case 0:
            if (at < bytes.size())
                bytes[at] = char(random.bounded(256));
            break;
        case 1:
            bytes.insert(at, Piece(random));
            break;
        case 2:
            bytes.remove(at, random.bounded(8));
            break;
        default:
            bytes.insert(at, bytes.mid(random.bounded(bytes.size() + 1), random.bounded(100)));
            break;
        }
    }
    return bytes;
}

QByteArray RandomInput(QRandomGenerator &random)
{
    switch (random.bounded(3)) {
    case 0: {
        QByteArray soup;
        const int count = random.bounded(120);
        for (int i = 0; i < count; ++i)
            soup += Piece(random);
        return soup;
    }
    case 1:
        return Mutated(QByteArray::fromStdString(BuildDefinitionFile(RandomGrid(random))), random);
    default: {
        QByteArray noise(random.bounded(300), Qt::Uninitialized);
        for (char &byte : noise)
            byte = char(random.bounded(256));
        return noise;
    }
    }
}

QList<qsizetype> RandomCuts(qsizetype size, QRandomGenerator &random)
{
    QList<qsizetype> cuts;
    const bool byteByByte = random.bounded(8) == 0;
    for (qsizetype at = 0; at < size;) {
        at += byteByByte ? 1 : 1 + random.bounded(40);
        if (at < size)
            cuts.append(at);
    }
    return cuts;
}

} // namespace

class TestDefinitionFormat : public QObject
{
    Q_OBJECT

private slots:
    void buildDefinitionLine_data();
    void buildDefinitionLine();
    void buildDefinitionFile_data();
    void buildDefinitionFile();
    void readDefinition_data();
    void readDefinition();
    void writeThenReadRestoresTheGrid();
    void streamingReaderAgreesWithPlainReader();
    void readingAllocatesNothing();
};

void TestDefinitionFormat::buildDefinitionLine_data()
{
    QTest::addColumn<int>("segment");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("top-left pixel of segment 2")
        << 2 << "10000"
        << QByteArray("Lcddefchar 2, %10000, %00000, %00000, %00000, %00000, %00000, %00000, %00000");
    QTest::newRow("blank segment 0")
        << 0 << ""
        << QByteArray("Lcddefchar 0, %00000, %00000, %00000, %00000, %00000, %00000, %00000, %00000");
    QTest::newRow("full segment 7")
        << 7 << "11111 11111 11111 11111 11111 11111 11111 11111"
        << QByteArray("Lcddefchar 7, %11111, %11111, %11111, %11111, %11111, %11111, %11111, %11111");
    QTest::newRow("column 1 first, row 1 first")
        << 5 << "10000 01000 00100 00010 00001 11000 00011 10101"
        << QByteArray("Lcddefchar 5, %10000, %01000, %00100, %00010, %00001, %11000, %00011, %10101");
}

void TestDefinitionFormat::buildDefinitionLine()
{
    QFETCH(int, segment);
    QFETCH(QString, rows);
    QFETCH(QByteArray, line);

    GridSnapshot grid = CheckeredGrid();
    SetRows(grid, segment, rows);
    const std::string built = BuildDefinitionLine(grid, segment);
    QCOMPARE(QByteArray::fromStdString(built), line);
    QCOMPARE(built.size(), 76u);
}

void TestDefinitionFormat::buildDefinitionFile_data()
{
    QTest::addColumn<QString>("flags");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("size");

    const QByteArray blankRows = ", %00000, %00000, %00000, %00000, %00000, %00000, %00000, %00000\r\n";
    QTest::newRow("nothing included") << "00000000" << Header + "00000000\r\n" << 48;
    QTest::newRow("segment 3 with its middle column")
        << "00010000"
        << Header + "00010000\r\n"
                    "Lcddefchar 3, %00100, %00100, %00100, %00100, %00100, %00100, %00100, %00100\r\n"
        << 126;
    QTest::newRow("segments 1 and 6")
        << "01000010"
        << Header + "01000010\r\n"
                    "Lcddefchar 1" + blankRows + "Lcddefchar 6" + blankRows
        << 204;
    QByteArray all = Header + "11111111\r\n";
    for (char segment = '0'; segment <= '7'; ++segment)
        all += "Lcddefchar " + QByteArray(1, segment)
               + (segment == '3' ? ", %00100, %00100, %00100, %00100, %00100, %00100, %00100, %00100\r\n" : blankRows);
    QTest::newRow("all eight") << "11111111" << all << 672;
}

void TestDefinitionFormat::buildDefinitionFile()
{
    QFETCH(QString, flags);
    QFETCH(QByteArray, file);
    QFETCH(int, size);

    // Only segment 3 has pixels on; the other included ones are blank, and
    // segments left out must not show up whatever they hold.
    GridSnapshot grid;
    for (int segment = 0; segment < SegmentCount; ++segment) {
        grid.includeFlags[segment] = flags[segment] == '1';
        if (!grid.includeFlags[segment])
            SetRows(grid, segment, "11111 11111 11111 11111 11111 11111 11111 11111");
    }
    if (grid.includeFlags[3])
        SetRows(grid, 3, "00100 00100 00100 00100 00100 00100 00100 00100");

    const std::string built = BuildDefinitionFile(grid);
    QCOMPARE(QByteArray::fromStdString(built), file);
    QCOMPARE(int(built.size()), size);
}

void TestDefinitionFormat::readDefinition_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("flags");
    // "segment: rows" for each segment whose pixels the file sets, ";" between.
    QTest::addColumn<QString>("segments");

    const QByteArray example =
        Header + "00010000\r\nLcddefchar 3, %00100, %00100, %00100, %00100, %00100, %00100, %00100, %00100\r\n";
    const QString middleColumn = "3: 00100 00100 00100 00100 00100 00100 00100 00100";

    QTest::newRow("empty file") << QByteArray() << "00000000" << "";
    QTest::newRow("written example") << example << "00010000" << middleColumn;
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + example << "00010000" << middleColumn;

    // Header line.
    QTest::newRow("header without keyword") << QByteArray("x=11000000") << "11000000" << "";
    QTest::newRow("keyword in capitals") << QByteArray("SEGMENTE=1") << "10000000" << "";
    QTest::newRow("fewer flags") << QByteArray("Segmente=101") << "10100000" << "";
    QTest::newRow("flags end at the next equals sign") << QByteArray("Segmente=11=11111") << "11000000" << "";
    QTest::newRow("flags count from the keyword")
        << QByteArray("a=11111111 segMENTE: x=00000011 Segmente=10000000") << "00000011" << "";
    QTest::newRow("keyword late in a long line")
        << QByteArray(5000, '=') + "Segmente=01" << "01000000" << "";
    QTest::newRow("no equals sign") << QByteArray("Segmente 11111111") << "00000000" << "";
    QTest::newRow("spaces around the header") << QByteArray("   Segmente= 1111111   ") << "01111111" << "";
    QTest::newRow("umlaut is one character") << QByteArray("Segmente=1\xC3\xB6" "1") << "10100000" << "";
    QTest::newRow("four-byte character is one character")
        << QByteArray("Segmente=1\xF0\x9F\x98\x80" "1") << "10100000" << "";
    QTest::newRow("broken byte is one character") << QByteArray("Segmente=1\xFF" "1") << "10100000" << "";
    QTest::newRow("broken-off sequence counts byte by byte")
        << QByteArray("Segmente=1\xE2\x82" "1") << "10010000" << "";
    QTest::newRow("keyword does not fold non-ASCII letters")
        << QByteArray("x=11 \xC5\xBF" "egmente=00111111") << "11000000" << "";

    // Line ends.
    QTest::newRow("LF only") << QByteArray("Segmente=0001\nLcddefchar 3, %11111\n") << "00010000" << "3: 11111";
    QTest::newRow("CR only") << QByteArray("Segmente=0001\rLcddefchar 3, %11111\r") << "00010000" << "3: 11111";
    QTest::newRow("NUL ends a line")
        << Bytes("Segmente=0001\0Lcddefchar 3, %11111\0%11111") << "00010000" << "3: 11111";
    QTest::newRow("every kind in one file")
        << Bytes("Segmente=1111\r\nLcddefchar 0, %1\rLcddefchar 1, %01\nLcddefchar 2, %001\0Lcddefchar 3, %0001")
        << "11110000" << "0: 10000; 1: 01000; 2: 00100; 3: 00010";
    QTest::newRow("last line without line end") << QByteArray("Segmente=1\r\nLcddefchar 0, %1") << "10000000"
                                                << "0: 10000";

    // Data lines.
    QTest::newRow("one row given") << QByteArray("h\r\nLcddefchar 3, %11111") << "00000000" << "3: 11111";
    QTest::newRow("later line wins")
        << QByteArray("h\r\nLcddefchar 3, %11111, %11111\r\nLcddefchar 3, %00000, %10001") << "00000000"
        << "3: 00000 10001";
    QTest::newRow("header deleted")
        << QByteArray("Lcddefchar 3, %11111\r\nLcddefchar 4, %11111\r\n") << "00000000" << "4: 11111";
    QTest::newRow("spaces around a line")
        << QByteArray("h\r\n   Lcddefchar 3, %11111   \r\n") << "00000000" << "3: 11111";
    QTest::newRow("two spaces make an empty row")
        << QByteArray("h\r\nLcddefchar 3, %11111,  %10101") << "00000000" << "3: 11111 00000 10101";
    QTest::newRow("commas at both ends of fields")
        << QByteArray("h\r\nLcddefchar ,,3,, ,,%11000,,,") << "00000000" << "3: 11000";
    QTest::newRow("short and odd row fields")
        << QByteArray("h\r\nLcddefchar 3, %11, x1x1x1, %1\xC3\xB6" "111, %\xFF\x31, 1%1111") << "00000000"
        << "3: 11000 10101 10111 01000 01111";
    QTest::newRow("tab joins the first two fields")
        << QByteArray("h\r\nLcddefchar\t3, %11111, %11111") << "00000000" << "";

    // Segment numbers.
    QTest::newRow("plus sign") << QByteArray("h\nL +3, %1") << "00000000" << "3: 10000";
    QTest::newRow("minus zero") << QByteArray("h\nL -0, %1") << "00000000" << "0: 10000";
    QTest::newRow("hexadecimal") << QByteArray("h\nL $7, %1") << "00000000" << "7: 10000";
    QTest::newRow("binary") << QByteArray("h\nL %111, %1") << "00000000" << "7: 10000";
    QTest::newRow("leading zeros") << QByteArray("h\nL 0000000000000000000000000000000000007, %1") << "00000000"
                                   << "7: 10000";
    QTest::newRow("reading stops at a letter") << QByteArray("h\nL 1e5, %1") << "00000000" << "1: 10000";
    QTest::newRow("tabs before the number") << QByteArray("h\nL \t\t+2, %1") << "00000000" << "2: 10000";

    // Lines that name no segment change nothing.
    QTest::newRow("blank line") << QByteArray("h\r\n\r\n  \r\n") << "00000000" << "";
    QTest::newRow("comment line") << QByteArray("h\r\n' Pfeil nach oben\r\n") << "00000000" << "";
    QTest::newRow("keyword and two spaces") << QByteArray("h\r\nLcddefchar  3, %11111") << "00000000" << "";
    QTest::newRow("sign or prefix alone")
        << QByteArray("h\nL +, %1\nL -, %1\nL $, %1\nL %, %1\nL %2, %1\nL $g, %1") << "00000000" << "";
    QTest::newRow("segment 8") << QByteArray("h\nL 8, %1") << "00000000" << "";
    QTest::newRow("segments 8 and 9 in whole lines")
        << QByteArray("h\nLcddefchar 8, %11111, %11111, %11111, %11111, %11111, %11111, %11111, %11111\n"
                      "Lcddefchar 9, %11111, %11111, %11111, %11111, %11111, %11111, %11111, %11111\n")
        << "00000000" << "";
    QTest::newRow("negative segment") << QByteArray("h\nL -1, %1") << "00000000" << "";
    QTest::newRow("hexadecimal too large") << QByteArray("h\nL $8, %1\nL $1f, %1") << "00000000" << "";
    QTest::newRow("binary too large") << QByteArray("h\nL %1000, %1") << "00000000" << "";
    QTest::newRow("overflowing segment")
        << QByteArray("h\nL 18446744073709551617, %1\nL 4294967296, %1") << "00000000" << "";
}

void TestDefinitionFormat::readDefinition()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, flags);
    QFETCH(QString, segments);

    GridSnapshot expected = CheckeredGrid();
    for (int segment = 0; segment < SegmentCount; ++segment)
        expected.includeFlags[segment] = flags[segment] == '1';
    for (const QString &entry : segments.split(';', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(':');
        SetRows(expected, parts[0].trimmed().toInt(), parts[1]);
    }

    GridSnapshot whole = CheckeredGrid();
    ReadDefinitionBytes(View(file), whole);
    QCOMPARE(Describe(whole), Describe(expected));

    // Cut anywhere, and byte by byte: the result must not change.
    QList<qsizetype> everyByte;
    for (qsizetype at = 1; at < file.size(); ++at)
        everyByte.append(at);
    QCOMPARE(Describe(ReadInPieces(file, everyByte, CheckeredGrid())), Describe(expected));
    for (qsizetype at = 1; at < file.size(); ++at)
        QCOMPARE(Describe(ReadInPieces(file, {at}, CheckeredGrid())), Describe(expected));
}

void TestDefinitionFormat::writeThenReadRestoresTheGrid()
{
    QRandomGenerator random(20260001);
    for (int i = 0; i < 500; ++i) {
        const GridSnapshot written = RandomGrid(random);
        GridSnapshot read = RandomGrid(random);
        GridSnapshot expected = read;
        expected.includeFlags = written.includeFlags;
        for (int segment = 0; segment < SegmentCount; ++segment)
            if (written.includeFlags[segment])
                expected.pixels[segment] = written.pixels[segment];

        ReadDefinitionBytes(BuildDefinitionFile(written), read);
        QCOMPARE(Describe(read), Describe(expected));
    }
}

void TestDefinitionFormat::streamingReaderAgreesWithPlainReader()
{
    QRandomGenerator random(20260002);
    for (int i = 0; i < 20000; ++i) {
        const QByteArray input = RandomInput(random);
        const QList<qsizetype> cuts = RandomCuts(input.size(), random);
        const GridSnapshot start = RandomGrid(random);
        const QString streamed = Describe(ReadInPieces(input, cuts, start));
        const QString plain = Describe(ReferenceRead(input, start));
        if (streamed != plain) {
            QString cutText;
            for (qsizetype cut : cuts)
                cutText += QString::number(cut) + ' ';
            qWarning().noquote() << "input" << input.toHex() << "\ncuts" << cutText;
            QCOMPARE(streamed, plain);
        }
    }
}

void TestDefinitionFormat::readingAllocatesNothing()
{
    const QByteArray lines = QByteArray::fromStdString(BuildDefinitionFile(CheckeredGrid())).repeated(2000)
                             + QByteArray("Lcddefchar 2,   %1   ").repeated(5000);
    const QByteArray endless = QByteArray("Segment x=1\xC3\xB6 %10101, ").repeated(200000);
    GridSnapshot grid;

    const long before = AllocationCount;
    for (const QByteArray *file : {&lines, &endless}) {
        const std::string_view bytes = View(*file);
        DefinitionReader reader;
        for (std::size_t at = 0; at < bytes.size(); at += 4093)
            FeedDefinitionReader(reader, bytes.substr(at, 4093));
        FinishDefinitionReader(reader, grid);
    }
    QCOMPARE(AllocationCount - before, 0L);
}

QTEST_APPLESS_MAIN(TestDefinitionFormat)
#include "tst_definitionformat.moc"

#include "definitionformat.h"

#include <bit>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define PIXKOR_SCAN_SSE2 1
#endif

namespace {

// The "ö" is spelled as its UTF-8 bytes so the file's bytes do not depend on
// how a compiler reads this source file.
constexpr std::string_view HeaderText = "'Diese Zeile nicht l\xC3\xB6" "schen! Segmente=";
constexpr std::string_view LineKeyword = "Lcddefchar ";
constexpr std::string_view FlagsKeyword = "segmente";   // compared in lower case
constexpr int FlagCount = SegmentCount;

// The reader's states, kept in DefinitionReader's small fields.
enum FlagsPhase : std::uint8_t { SeekingEquals, TakingFlags, FlagsDone };
enum NumberStep : std::uint8_t { NumberCommas, NumberBlanks, NumberSign, NumberRadix, NumberDigits, NumberDone };
enum RowStep : std::uint8_t { RowCommas, RowCounting, RowDone };
constexpr std::uint8_t FirstRowField = 3;
constexpr std::uint8_t PastRowFields = FirstRowField + RowCount;
// A line whose segment number names no segment: nothing more of it matters.
constexpr std::uint8_t DeadLine = 0xFF;
constexpr std::uint8_t NoSegmentNumber = 8;   // any number above 7 saturates here

// Six bits a row: bit 0 takes whatever stands before the columns in a row
// field (normally the "%"), bits 1 to 5 the columns. The extra bit spares the
// reader a branch on every character of a row.
constexpr int RowBitCount = ColumnCount + 1;

std::uint64_t PixelBit(int row, int column)
{
    return std::uint64_t{1} << ((row - 1) * RowBitCount + column);
}

// CR LF needs no pairing, not even across pieces: taken as two line ends it
// leaves an empty line between them, and an empty line names no segment.
bool IsLineEnd(unsigned char byte)
{
    return byte == '\n' || byte == '\r' || byte == '\0';
}

int DigitValue(unsigned char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

unsigned char AsciiLower(unsigned char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<unsigned char>(ch + ('a' - 'A')) : ch;
}

void TakeFlagCharacter(DefinitionReader::FlagsPart &part, unsigned char ch)
{
    if (part.phase == SeekingEquals) {
        if (ch == '=')
            part.phase = TakingFlags;
        return;
    }
    if (part.phase != TakingFlags)
        return;
    if (ch == '=') {
        part.phase = FlagsDone;
        return;
    }
    if (ch == '1')
        part.flags |= static_cast<std::uint8_t>(1u << part.taken);
    if (++part.taken == FlagCount)
        part.phase = FlagsDone;
}

// The flags count from the first "Segmente" when the line has one, else from
// the line's start; until the line ends it is open which, so both are followed.
// The keyword holds no "=", so the part after it starts looking right after it.
// Letter case is ignored for ASCII letters only, like everything the reader
// looks at is ASCII: "ſegmente" is no keyword.
void HeaderCharacter(DefinitionReader &reader, unsigned char ch)
{
    if (reader.keywordMatched == FlagsKeyword.size()) {
        TakeFlagCharacter(reader.fromKeyword, ch);
        return;
    }
    TakeFlagCharacter(reader.wholeLine, ch);
    // No proper start of "segmente" is also its end, so a mismatch can only
    // restart the match at this character.
    const unsigned char lower = AsciiLower(ch);
    if (lower == static_cast<unsigned char>(FlagsKeyword[reader.keywordMatched]))
        ++reader.keywordMatched;
    else
        reader.keywordMatched = lower == FlagsKeyword[0] ? 1 : 0;
}

void EndHeaderLine(DefinitionReader &reader)
{
    const bool keywordFound = reader.keywordMatched == FlagsKeyword.size();
    reader.includeFlags = keywordFound ? reader.fromKeyword.flags : reader.wholeLine.flags;
    reader.inHeader = false;
}

void ResetDataLine(DefinitionReader &reader)
{
    reader.field = 0;
    reader.fieldStep = 0;
    reader.fieldPosition = 0;
    reader.negative = false;
    reader.sawDigit = false;
    reader.radix = 10;
    reader.number = 0;
    reader.segment = -1;
    reader.linePixels = 0;
}

// A field without a single digit makes the line no definition at all: a blank
// line or a comment must not wipe segment 0. A number outside 0..7 names no
// segment of the grid.
void EndSegmentField(DefinitionReader &reader)
{
    const bool inRange = reader.number < NoSegmentNumber && (!reader.negative || reader.number == 0);
    if (reader.sawDigit && inRange) {
        reader.segment = static_cast<std::int8_t>(reader.number);
        return;
    }
    reader.field = DeadLine;
}

void SegmentFieldCharacter(DefinitionReader &reader, unsigned char ch)
{
    switch (reader.fieldStep) {
    case NumberCommas:
        if (ch == ',')
            return;
        reader.fieldStep = NumberBlanks;
        [[fallthrough]];
    case NumberBlanks:
        // Spaces never get here: they end the field.
        if (ch == '\t')
            return;
        reader.fieldStep = NumberSign;
        [[fallthrough]];
    case NumberSign:
        reader.fieldStep = NumberRadix;
        if (ch == '+' || ch == '-') {
            reader.negative = ch == '-';
            return;
        }
        [[fallthrough]];
    case NumberRadix:
        reader.fieldStep = NumberDigits;
        if (ch == '$') {
            reader.radix = 16;
            return;
        }
        if (ch == '%') {
            reader.radix = 2;
            return;
        }
        [[fallthrough]];
    case NumberDigits: {
        const int digit = DigitValue(ch);
        if (digit < 0 || digit >= reader.radix) {
            reader.fieldStep = NumberDone;
            return;
        }
        reader.sawDigit = true;
        // Saturating keeps the value small however many digits follow, and
        // leading zeros keep it at 0.
        const int value = reader.number * reader.radix + digit;
        reader.number = static_cast<std::uint8_t>(value < NoSegmentNumber ? value : NoSegmentNumber);
        return;
    }
    default:
        return;
    }
}

// Commas at the field's start are skipped; those at its end need no removing,
// as a comma is no "1" and removing trailing characters moves no position.
void RowFieldCharacter(DefinitionReader &reader, unsigned char ch)
{
    if (reader.fieldStep == RowCommas) {
        if (ch == ',')
            return;
        reader.fieldStep = RowCounting;
    }
    if (reader.fieldStep != RowCounting)
        return;
    // Position 1 is normally the "%"; positions 2 to 6 are the columns.
    // Whether a column is "1" is anybody's guess, so no branch asks.
    const std::uint64_t on = ch == '1';
    reader.linePixels |= on << ((reader.field - FirstRowField) * RowBitCount + reader.fieldPosition);
    ++reader.fieldPosition;
    if (reader.fieldPosition == ColumnCount + 1)
        reader.fieldStep = RowDone;
}

// Spaces at the end of a line need no trimming: they only add empty fields,
// and an empty field reads like a missing one.
void DataCharacter(DefinitionReader &reader, unsigned char ch)
{
    if (reader.field == DeadLine)
        return;
    if (ch == ' ') {
        if (reader.field == 0)
            return;   // spaces before the line's first character
        if (reader.field == 2)
            EndSegmentField(reader);
        if (reader.field < PastRowFields) {
            ++reader.field;
            reader.fieldStep = 0;
            reader.fieldPosition = 0;
        }
        return;
    }
    if (reader.field == 0)
        reader.field = 1;
    if (reader.field == 2)
        SegmentFieldCharacter(reader, ch);
    else if (reader.field >= FirstRowField && reader.field < PastRowFields)
        RowFieldCharacter(reader, ch);
}

void CommitLine(DefinitionReader &reader, int segment, std::uint64_t pixels)
{
    reader.segmentPixels[segment] = pixels;
    reader.namedSegments |= static_cast<std::uint8_t>(1u << segment);
}

void EndDataLine(DefinitionReader &reader)
{
    if (reader.field == 2)
        EndSegmentField(reader);
    if (reader.field != DeadLine && reader.segment >= 0)
        CommitLine(reader, reader.segment, reader.linePixels);
    ResetDataLine(reader);
}

void EndLine(DefinitionReader &reader)
{
    if (reader.inHeader)
        EndHeaderLine(reader);
    else
        EndDataLine(reader);
}

void Character(DefinitionReader &reader, unsigned char ch)
{
    if (reader.inHeader)
        HeaderCharacter(reader, ch);
    else
        DataCharacter(reader, ch);
}

// Only ASCII characters mean anything to the reader, and every other character
// reaches it as its first byte, which is no ASCII character. Bytes that are
// not well-formed UTF-8 count one character each, as QString::fromUtf8 turns
// each into a replacement character of its own: a sequence that breaks off
// gives back every byte it had taken as a character, and the byte that broke
// it starts afresh. So "Segmente=1" "\xE2\x82" "1" has its second "1" at
// position 4. A character cut short by the end of the file counts as the one
// character its first byte stood for; it can only be the last of the last
// line, where no count or position depends on it.
void StartSequence(DefinitionReader &reader, unsigned char lead)
{
    std::uint8_t count = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 2;
        if (lead == 0xE0)
            low = 0xA0;   // no overlong forms
        if (lead == 0xED)
            high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 3;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;  // nothing above U+10FFFF
    }
    reader.continuationsLeft = count;
    reader.continuationsSeen = 0;
    reader.continuationLow = low;
    reader.continuationHigh = high;
}

void StepByte(DefinitionReader &reader, unsigned char byte)
{
    if (reader.continuationsLeft != 0) {
        if (byte >= reader.continuationLow && byte <= reader.continuationHigh) {
            ++reader.continuationsSeen;
            --reader.continuationsLeft;
            reader.continuationLow = 0x80;
            reader.continuationHigh = 0xBF;
            return;
        }
        const int brokenBytes = reader.continuationsSeen;
        reader.continuationsLeft = 0;
        reader.continuationsSeen = 0;
        for (int i = 0; i < brokenBytes; ++i)
            Character(reader, 0x80);
    }
    if (IsLineEnd(byte)) {
        EndLine(reader);
        return;
    }
    if (byte >= 0x80)
        StartSequence(reader, byte);
    Character(reader, byte);
}

// Bytes besides the line ends that end a stretch the reader may pass over
// without looking; unused places repeat the LF.
struct StopBytes {
    unsigned char first = '\n';
    unsigned char second = '\n';
    unsigned char third = '\n';
};

// Whether, in the reader's present state, every byte other than a line end
// and the given stop bytes would change nothing.
bool PassableStretch(const DefinitionReader &reader, StopBytes &stops)
{
    if (reader.inHeader) {
        if (reader.keywordMatched == FlagsKeyword.size()) {
            if (reader.fromKeyword.phase == SeekingEquals)
                stops = {'='};
            return reader.fromKeyword.phase != TakingFlags;
        }
        if (reader.keywordMatched != 0 || reader.wholeLine.phase == TakingFlags)
            return false;
        stops = reader.wholeLine.phase == SeekingEquals ? StopBytes{'=', 's', 'S'} : StopBytes{'s', 'S'};
        return true;
    }
    if (reader.field >= PastRowFields)
        return true;
    const bool restOfFieldPassable = reader.field == 1 || (reader.field == 2 ? reader.fieldStep == NumberDone
                                                           : reader.field != 0 && reader.fieldStep == RowDone);
    if (restOfFieldPassable)
        stops = {' '};
    return restOfFieldPassable;
}

bool IsStop(unsigned char byte, StopBytes stops)
{
    return IsLineEnd(byte) || byte == stops.first || byte == stops.second || byte == stops.third;
}

const unsigned char *FindStop(const unsigned char *p, const unsigned char *end, StopBytes stops)
{
#ifdef PIXKOR_SCAN_SSE2
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i nul = _mm_setzero_si128();
    const __m128i first = _mm_set1_epi8(static_cast<char>(stops.first));
    const __m128i second = _mm_set1_epi8(static_cast<char>(stops.second));
    const __m128i third = _mm_set1_epi8(static_cast<char>(stops.third));
    while (end - p >= 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const __m128i lineEnds = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, lf), _mm_cmpeq_epi8(v, cr)),
                                              _mm_cmpeq_epi8(v, nul));
        const __m128i others = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, first), _mm_cmpeq_epi8(v, second)),
                                            _mm_cmpeq_epi8(v, third));
        const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(lineEnds, others)));
        if (mask != 0)
            return p + std::countr_zero(mask);
        p += 16;
    }
#endif
    while (p < end && !IsStop(*p, stops))
        ++p;
    return p;
}

// The lines this program writes, read eight bytes per row: ", %" and five
// digits "0" or "1". A line that fits this mould down to its line end reads
// exactly as the character-by-character way would read it.
constexpr std::size_t WrittenLineLength = 76;

constexpr std::uint64_t LittleEndianWord(const char (&bytes)[9])
{
    std::uint64_t word = 0;
    for (int i = 7; i >= 0; --i)
        word = (word << 8) | static_cast<unsigned char>(bytes[i]);
    return word;
}

constexpr std::uint64_t WrittenRowPattern = LittleEndianWord(", %00000");
// "0" and "1" differ only in their lowest bit, which the mask leaves out.
constexpr std::uint64_t RowMask = LittleEndianWord("\xFF\xFF\xFF\xFE\xFE\xFE\xFE\xFE");

// Moves the five column bits, one per byte at bytes 3..7, next to each other:
// each byte lands at bit 28 + its index and no two products overlap.
std::uint64_t RowBits(std::uint64_t word)
{
    const std::uint64_t digits = (word >> 24) & 0x0101010101ull;
    return ((digits * 0x10204081ull) >> 28) & 0x1F;
}

// Reads a whole line as written by this program, with its line end, when all
// of it lies in [p, end). Returns the bytes taken, 0 when the line is not one.
std::size_t TakeWrittenLine(DefinitionReader &reader, const unsigned char *p, const unsigned char *end)
{
    if constexpr (std::endian::native != std::endian::little)
        return 0;
    if (static_cast<std::size_t>(end - p) <= WrittenLineLength)
        return 0;
    if (std::memcmp(p, LineKeyword.data(), LineKeyword.size()) != 0)
        return 0;
    const unsigned char digit = p[LineKeyword.size()];
    if (digit < '0' || digit >= '0' + SegmentCount || !IsLineEnd(p[WrittenLineLength]))
        return 0;
    std::uint64_t pixels = 0;
    const unsigned char *row = p + LineKeyword.size() + 1;
    for (int r = 0; r < RowCount; ++r, row += 8) {
        std::uint64_t word;
        std::memcpy(&word, row, sizeof word);
        if ((word & RowMask) != WrittenRowPattern)
            return 0;
        pixels |= RowBits(word) << (r * RowBitCount + 1);
    }
    CommitLine(reader, digit - '0', pixels);
    return WrittenLineLength + 1;
}

} // namespace

std::string BuildDefinitionLine(const GridSnapshot &grid, int segment)
{
    std::string line(LineKeyword);
    line += std::to_string(segment);
    for (int row = 1; row <= RowCount; ++row) {
        line += ", %";
        for (int column = 1; column <= ColumnCount; ++column)
            line += grid.pixel(segment, column, row) ? '1' : '0';
    }
    return line;
}

std::string BuildDefinitionFile(const GridSnapshot &grid)
{
    std::string file(HeaderText);
    for (int segment = 0; segment < SegmentCount; ++segment)
        file += grid.includeFlags[segment] ? '1' : '0';
    file += "\r\n";
    for (int segment = 0; segment < SegmentCount; ++segment) {
        if (!grid.includeFlags[segment])
            continue;
        file += BuildDefinitionLine(grid, segment);
        file += "\r\n";
    }
    return file;
}

void FeedDefinitionReader(DefinitionReader &reader, std::string_view bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *end = p + bytes.size();
    while (p < end) {
        if (reader.continuationsLeft == 0) {
            if (!reader.inHeader && reader.field == 0) {
                if (const std::size_t taken = TakeWrittenLine(reader, p, end)) {
                    p += taken;
                    continue;
                }
            }
            StopBytes stops;
            if (PassableStretch(reader, stops)) {
                p = FindStop(p, end, stops);
                if (p == end)
                    break;
            }
        }
        StepByte(reader, *p++);
    }
}

void FinishDefinitionReader(DefinitionReader &reader, GridSnapshot &grid)
{
    reader.continuationsLeft = 0;
    reader.continuationsSeen = 0;
    EndLine(reader);
    for (int segment = 0; segment < SegmentCount; ++segment) {
        grid.includeFlags[segment] = (reader.includeFlags >> segment) & 1u;
        if (!((reader.namedSegments >> segment) & 1u))
            continue;
        for (int row = 1; row <= RowCount; ++row)
            for (int column = 1; column <= ColumnCount; ++column)
                grid.setPixel(segment, column, row, (reader.segmentPixels[segment] & PixelBit(row, column)) != 0);
    }
}

void ReadDefinitionBytes(std::string_view bytes, GridSnapshot &grid)
{
    DefinitionReader reader;
    FeedDefinitionReader(reader, bytes);
    FinishDefinitionReader(reader, grid);
}

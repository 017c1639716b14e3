#include "prepare/conversion_table.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/job_setup.h"
#include "base/errors.h"

namespace vendrel {
namespace {

// The file is read in pieces of at most this many characters; a longer
// line becomes several pieces, each parsed and counted as a line.
constexpr int kPieceLength = 1022;
constexpr int kLineBufferSize = 1024;

constexpr int kMaxDefinitions = 254;
constexpr int kToHalf = 256;

constexpr long kLowestCode = 1;
constexpr long kHighestCode = 254;

// Bytes 128 to 255 never count, whatever the locale says.
bool is_white_space(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// A conversion file is a short text; one that goes on for more pieces
// than this (an endless device, a huge file) is refused rather than read on.
constexpr int kMostPieces = 1 << 20;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Reads the next piece of at most kPieceLength characters, up to and with
// its newline, into line and ends it with a NUL. Returns its length, or -1
// at the end of the file. A NUL byte read from the file stays in the piece,
// so the length tells where the piece really ends.
int read_piece(std::FILE* file, char* line) {
    int length = 0;
    while (length < kPieceLength) {
        const int c = std::getc(file);
        if (c == EOF) break;
        line[length++] = static_cast<char>(c);
        if (c == '\n') break;
    }
    line[length] = '\0';
    return length > 0 ? length : -1;
}

// Reads one code at text. Returns the code, or 0 when there is no number or
// its value lies outside 1 to 254; *end receives the first position after
// the number (text itself when there is none).
int read_code(const char* text, const char** end) {
    char* stop = nullptr;
    const long value = std::strtol(text, &stop, 10);
    *end = stop;
    if (stop == text || value < kLowestCode || value > kHighestCode) return 0;
    return static_cast<int>(value);
}

// Parses one line into the next free entry. Returns 0 for a comment line,
// 1 for a stored definition, or a negative code still to be reported.
int parse_line(const char* line, std::uint8_t* entry) {
    const char* position = skip_white_space(line);
    if (*position == '\0' || *position == ';') return 0;

    // The from-code must be followed by white space: the line's own
    // newline counts, the end of a file without one does not.
    const int from = read_code(position, &position);
    if (from == 0 || !is_white_space(*position)) return kBadCharacterCode;
    entry[0] = static_cast<std::uint8_t>(from);

    position = skip_white_space(position);
    if (*position == '\0') return kBadDefinition;

    const int to = read_code(position, &position);
    if (to == 0 || (*position != '\0' && !is_white_space(*position))) return kBadCharacterCode;
    entry[kToHalf] = static_cast<std::uint8_t>(to);

    position = skip_white_space(position);
    if (*position != '\0' && *position != ';') return kBadDefinition;
    return 1;
}

}  // namespace

const char* skip_white_space(const char* text) {
    while (is_white_space(*text)) ++text;
    return text;
}

int read_conversion_table(Job& job) {
    const int allocated = allocate_zeroed(job.conversion_table, kConversionTableSize);
    if (allocated < 0) return allocated;
    job.conversion_count = 0;

    File file(std::fopen(job.conversion_path, "r"));
    if (!file) return report_error(kCannotOpenConversion, job.conversion_path);

    char line[kLineBufferSize];
    int line_number = 0;
    int length = 0;
    while ((length = read_piece(file.get(), line)) >= 0) {
        if (++line_number > kMostPieces) return report_error(kConversionFileTooLong, job.conversion_path);
        // A NUL byte would end the line early for the parser: a line
        // holding one is no definition, nor a comment.
        if (std::memchr(line, '\0', static_cast<std::size_t>(length)) != nullptr) {
            return report_error(kBadDefinition, line_number);
        }
        const int parsed = parse_line(line, job.conversion_table + job.conversion_count);
        if (parsed < 0) return report_error(parsed, line_number);
        if (parsed == 0) continue;

        // The 255th definition fits in the table (entry 254) and is stored
        // before it is refused, so the check comes after the store.
        if (++job.conversion_count > kMaxDefinitions) {
            return report_error(kTooManyDefinitions, job.conversion_path);
        }
    }
    // A read that failed (a directory, an I/O error) is no end of file: the
    // table could not be read, as if it could not be opened.
    if (std::ferror(file.get())) return report_error(kCannotOpenConversion, job.conversion_path);
    return 0;
}

void apply_conversion_table(Job& job) {
    // One 256-entry map built once instead of a search per byte. Filling it
    // from the last definition back to the first lets the earliest
    // definition of a from-code win; each byte is looked up once, so
    // definitions do not chain.
    std::array<std::uint8_t, 256> map{};
    for (int code = 0; code < 256; ++code) map[code] = static_cast<std::uint8_t>(code);
    const std::uint8_t* const table = job.conversion_table;
    int count = job.conversion_count;
    if (count > kMaxDefinitions + 1) count = kMaxDefinitions + 1;
    for (int entry = count - 1; entry >= 0; --entry) map[table[entry]] = table[kToHalf + entry];

    std::uint8_t* const text = job.text_buffer;
    for (int position = 0; position < kTextBufferSize && text[position] != kEndMark; ++position) {
        text[position] = map[text[position]];
    }
}

}  // namespace vendrel

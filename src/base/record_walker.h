// Reading a packed text: the code stream divided into records by its codes
// 0, and each code expanded through the character and pair tables. The
// packer's result, a recognised image, the listing and the timing estimate
// all read it the same way.
#pragma once

#include <cstdint>
#include <vector>

#include "base/job.h"

namespace vendrel {

// Where the parts of a packed text stand: n characters, the pair table
// (left and right code of each pair code n, n+1, ...) and the code stream.
struct PackedCodes {
    int char_count = 0;
    const std::uint8_t* char_table = nullptr;
    const std::uint8_t* pair_table = nullptr;
    int pair_count = 0;  // pair codes the table defines
    const std::uint8_t* code_stream = nullptr;
    int stream_length = 0;
    // The stream of an -oa image that fills the whole text buffer ends with
    // the 0 behind the image, which lies outside the buffer: the walk counts
    // that code 0 without reading it.
    bool zero_after_stream = false;
};

// The packed text of a job after packing (symbol table and code stream in
// their buffers) or after an image was recognised (both inside the image in
// the text buffer, the stream cut at the buffer's end).
PackedCodes packed_codes_of(const Job& job);

// A record: the codes [begin, end) of the stream, after its opening code 0.
// closed: a code 0 ends it; otherwise it is the run after the last one.
struct RecordSpan {
    int number = 0;  // 1 ..
    int begin = 0;
    int end = 0;
    bool closed = false;
};

struct RecordWalk {
    std::vector<RecordSpan> records;
    int separators = 0;  // codes 0 in the stream
};

// Record k follows the k-th code 0 of the stream. Every record closed by a
// code 0, then the run after the last code 0 when it holds codes; codes
// before the first code 0 belong to no record.
RecordWalk walk_records(const PackedCodes& codes);

// Calls take(c) with each character code c (below char_count) of code, the
// left half of a pair before its right half, as the unpack routines print
// them; take returns false to stop the expansion, and so does this.
//
// A pair is only ever built from codes made before it, so following a pair
// only to strictly smaller codes loses nothing on a sound table. On a
// damaged one it guarantees the end: each level goes to a smaller code, so
// the depth stays below 256; an undefined code, and a half that names its
// own pair or a later code, give nothing. Only the entries of defined codes
// are read. The right half is taken by the loop rather than by recursion,
// as the routines do.
template <typename Take>
bool expand_code(const PackedCodes& codes, int code, Take& take) {
    const int code_end = codes.char_count + codes.pair_count;
    while (code >= 0 && code < code_end) {
        if (code < codes.char_count) return take(static_cast<std::uint8_t>(code));
        const std::uint8_t* pair = codes.pair_table + 2 * (code - codes.char_count);
        if (pair[0] < code && !expand_code(codes, pair[0], take)) return false;
        if (pair[1] >= code) return true;
        code = pair[1];
    }
    return true;
}

// The same, giving the characters themselves.
template <typename Take>
bool expand_characters(const PackedCodes& codes, int code, Take& take) {
    auto character = [&](std::uint8_t c) { return take(codes.char_table[c]); };
    return expand_code(codes, code, character);
}

// What expanding a code takes: its characters and the pair codes passed
// through, the code itself included, by the rule of expand_code.
struct ExpansionCount {
    std::uint64_t characters = 0;
    std::uint64_t pairs = 0;
};

// For every code 0 .. 255; undefined codes count nothing.
std::vector<ExpansionCount> expansion_counts(const PackedCodes& codes);

// How deeply the routines nest to expand each code 0 .. 255, in pending
// left halves: a left half is expanded by a call and a right half by a
// jump, so a pair nests one level more than its left half, or as deep as
// its right half when that is deeper; a character, an undefined code and
// a half that expand_code does not follow nest 0. At the deepest character
// of a code of nesting k the routine has k left halves pending, each with
// its right half and a return address on the stack.
std::vector<int> nesting_levels(const PackedCodes& codes);

// The deepest nesting of the record's codes; 0 for an empty record.
int record_nesting(const PackedCodes& codes, const RecordSpan& record, const std::vector<int>& levels);

// The deepest nesting of any record of the walk, the open run after the
// last code 0 included; 0 without records.
int deepest_record_nesting(const PackedCodes& codes);

}  // namespace vendrel

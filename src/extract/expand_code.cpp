#include "extract/extract_records.h"

namespace vendrel {

namespace {

// Number of pair codes that the symbol table defines.
int defined_pair_count(const Job& job) {
    const int pair_bytes = job.symbol_table_size - job.char_count;
    return pair_bytes > 0 ? pair_bytes / 2 : 0;
}

}  // namespace

// A pair is only ever built from codes created before it, so following a
// pair only to strictly smaller codes loses nothing on a sound image. On a
// damaged one it guarantees the end: each level of recursion goes to a
// smaller code, so the depth stays below 256; an undefined code, and a half
// of a pair that names the pair itself or a later code, write nothing. Only
// the table entries of defined codes are read, and recognition has placed
// those inside the loaded file. The right code is taken by the loop rather
// than by recursion, as the unpack routines do. Once the text has outgrown
// the image buffer nothing more is expanded, so even a pair table that
// doubles its text at every level costs no more than one buffer's worth.
void expand_code(const Job& job, ExtractionCursor& cursor, int code) {
    const int character_count = job.char_count;
    const int code_end = character_count + defined_pair_count(job);
    while (!cursor.overflow && code >= 0 && code < code_end) {
        if (code < character_count) {
            put_byte(cursor, job.symbol_table[code]);
            return;
        }
        const std::uint8_t* pair = job.symbol_end + 2 * (code - character_count);
        const int left = pair[0];
        const int right = pair[1];
        if (left < code) expand_code(job, cursor, left);
        if (right >= code) return;
        code = right;
    }
}

}  // namespace vendrel

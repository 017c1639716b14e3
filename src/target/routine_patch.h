// What the Z80 and i8080 unpack routines share: relocation of the
// routine-relative words, the description of a routine's patch fields, and
// the patching and comparison that work from that description.
#pragma once

#include <cstdint>

#include "base/job.h"

namespace vendrel {

// Size of the scratch buffer into which a composer has a routine patched.
inline constexpr int kRoutineScratchSize = 256;

// Adds base to each 16-bit little-endian word at the listed offsets of the
// routine, modulo 65,536.
void relocate_words(std::uint8_t* routine, const int* offsets, int count, int base);

// Where one routine keeps its patch fields. Every field is a 16-bit
// little-endian word except the character count, a single byte. The patcher
// writes the fields and the recogniser skips them (and reads them back), so
// both take the offsets from here and from the relocation list.
struct RoutineLayout {
    int length;                     // routine length R
    const std::uint8_t* bytes;      // the template, length bytes
    const int* relocations;         // offsets of routine-relative words
    int relocation_count;
    int code_stream_field;          // load address + R + symbol table size
    int search_length_field;        // packed length (+1 with -oa)
    int char_count_field;           // n, one byte
    int pair_table_field;           // load address + R + n
    int char_table_field;           // load address + R
    int print_address_field;        // print address
};

// Copies the template to out, writes the patch fields from the job,
// relocates the listed words by the load address; sets routine_length and
// returns the routine length.
int patch_routine(const RoutineLayout& layout, Job& job, std::uint8_t* out);

// How many bytes at offset the patcher may change (2 for a word, 1 for the
// character count), or 0 for a byte that is the template's own.
int patched_width(const RoutineLayout& layout, int offset);

// True when the first layout.length bytes of data equal the template in
// every byte that the patcher leaves alone.
bool matches_template(const RoutineLayout& layout, const std::uint8_t* data);

}  // namespace vendrel

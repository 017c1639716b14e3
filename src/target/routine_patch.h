// What the unpack routines share: relocation of the
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

// What a patch field of a routine receives. Addresses and lengths are
// taken modulo 65,536; the character count and zero-page addresses are one
// byte.
enum class FieldValue : std::uint8_t {
    code_stream,    // load address + R + symbol table size
    search_length,  // packed length (+1 with -oa)
    search_end,     // code stream address + search length
    char_count,     // n
    pair_table,     // load address + R + n
    pair_base,      // pair table address - 2n: the pair of code c at + 2c
    char_table,     // load address + R
    print_address,  // print address
    zero_page,      // the first of the routine's zero-page bytes
};

// One field: the value plus bias, its low byte at `low` and its high byte
// at `high`, or a single byte when high is -1. A 16-bit field is usually a
// little-endian word (high = low + 1), but a CPU that loads addresses as
// two immediate bytes keeps its halves apart.
struct PatchField {
    FieldValue value;
    int low;
    int high;
    int bias = 0;
};

// Where one routine keeps its patch fields. The patcher writes the fields
// and the recogniser skips them (and reads them back), so both take the
// offsets from here and from the relocation list.
struct RoutineLayout {
    int length;                     // routine length R
    const std::uint8_t* bytes;      // the template, length bytes
    const int* relocations;         // offsets of routine-relative words
    int relocation_count;
    const PatchField* fields;       // never overlapping each other or a relocated word
    int field_count;
};

// The first field that receives value, or nullptr when the routine has none.
const PatchField* find_field(const RoutineLayout& layout, FieldValue value);

// The offset of the low byte of that field, -1 when there is none.
int field_offset(const RoutineLayout& layout, FieldValue value);

// The value that field holds in routine, its bias taken off again.
int read_field(const PatchField& field, const std::uint8_t* routine);

// Copies the template to out, writes the patch fields from the job,
// relocates the listed words by the load address; sets routine_length and
// returns the routine length.
int patch_routine(const RoutineLayout& layout, Job& job, std::uint8_t* out);

// How many bytes from offset on the patcher may change (2 for a word, 1
// for a single byte or half of a split field), or 0 for a byte that is the
// template's own.
int patched_width(const RoutineLayout& layout, int offset);

// True when the first layout.length bytes of data equal the template in
// every byte that the patcher leaves alone.
bool matches_template(const RoutineLayout& layout, const std::uint8_t* data);

}  // namespace vendrel

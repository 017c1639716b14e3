#include "target/routine_patch.h"

#include <cstring>

namespace vendrel {

namespace {

// Every value written into a routine is cut to 16 bits.
void write_word(std::uint8_t* at, int value) {
    at[0] = static_cast<std::uint8_t>(value & 0xFF);
    at[1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

int read_word(const std::uint8_t* at) { return at[0] | (at[1] << 8); }

}  // namespace

void relocate_words(std::uint8_t* routine, const int* offsets, int count, int base) {
    for (int i = 0; i < count; ++i) {
        std::uint8_t* word = routine + offsets[i];
        write_word(word, read_word(word) + base);
    }
}

int patch_routine(const RoutineLayout& layout, Job& job, std::uint8_t* out) {
    const int length = layout.length;
    const int char_table = job.load_address + length;
    job.routine_length = length;
    std::memcpy(out, layout.bytes, static_cast<std::size_t>(length));
    write_word(out + layout.code_stream_field, char_table + job.symbol_table_size);
    write_word(out + layout.search_length_field, job.packed_length + (job.oa ? 1 : 0));
    out[layout.char_count_field] = static_cast<std::uint8_t>(job.char_count & 0xFF);
    write_word(out + layout.pair_table_field, char_table + job.char_count);
    write_word(out + layout.char_table_field, char_table);
    write_word(out + layout.print_address_field, job.print_address);
    // Fields and relocated words never overlap, so the order does not matter.
    relocate_words(out, layout.relocations, layout.relocation_count, job.load_address);
    return length;
}

int patched_width(const RoutineLayout& layout, int offset) {
    if (offset == layout.char_count_field) return 1;
    const int words[] = {layout.code_stream_field, layout.search_length_field, layout.pair_table_field,
                         layout.char_table_field, layout.print_address_field};
    for (const int word : words) {
        if (offset == word) return 2;
    }
    for (int i = 0; i < layout.relocation_count; ++i) {
        if (offset == layout.relocations[i]) return 2;
    }
    return 0;
}

bool matches_template(const RoutineLayout& layout, const std::uint8_t* data) {
    int offset = 0;
    while (offset < layout.length) {
        const int skip = patched_width(layout, offset);
        if (skip > 0) {
            offset += skip;
            continue;
        }
        if (data[offset] != layout.bytes[offset]) return false;
        ++offset;
    }
    return true;
}

}  // namespace vendrel

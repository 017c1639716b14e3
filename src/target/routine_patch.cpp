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

// The value a field receives for the job, before its bias.
int field_value(FieldValue value, const Job& job, int routine_length) {
    const int char_table = job.load_address + routine_length;
    const int code_stream = char_table + job.symbol_table_size;
    const int search_length = job.packed_length + (job.oa ? 1 : 0);
    switch (value) {
        case FieldValue::code_stream: return code_stream;
        case FieldValue::search_length: return search_length;
        case FieldValue::search_end: return code_stream + search_length;
        case FieldValue::char_count: return job.char_count;
        case FieldValue::pair_table: return char_table + job.char_count;
        case FieldValue::pair_base: return char_table + job.char_count - 2 * job.char_count;  // pair table - 2n
        case FieldValue::char_table: return char_table;
        case FieldValue::print_address: return job.print_address;
        case FieldValue::zero_page: return job.zero_page;
    }
    return 0;
}

void write_field(const PatchField& field, int value, std::uint8_t* routine) {
    const int biased = (value + field.bias) & 0xFFFF;
    routine[field.low] = static_cast<std::uint8_t>(biased & 0xFF);
    if (field.high >= 0) routine[field.high] = static_cast<std::uint8_t>(biased >> 8);
}

}  // namespace

void relocate_words(std::uint8_t* routine, const int* offsets, int count, int base) {
    for (int i = 0; i < count; ++i) {
        std::uint8_t* word = routine + offsets[i];
        write_word(word, read_word(word) + base);
    }
}

const PatchField* find_field(const RoutineLayout& layout, FieldValue value) {
    for (int i = 0; i < layout.field_count; ++i) {
        if (layout.fields[i].value == value) return &layout.fields[i];
    }
    return nullptr;
}

int field_offset(const RoutineLayout& layout, FieldValue value) {
    const PatchField* field = find_field(layout, value);
    return field != nullptr ? field->low : -1;
}

int read_field(const PatchField& field, const std::uint8_t* routine) {
    const int stored = routine[field.low] | (field.high >= 0 ? routine[field.high] << 8 : 0);
    const int mask = field.high >= 0 ? 0xFFFF : 0xFF;
    return (stored - field.bias) & mask;
}

int patch_routine(const RoutineLayout& layout, Job& job, std::uint8_t* out) {
    const int length = layout.length;
    job.routine_length = length;
    std::memcpy(out, layout.bytes, static_cast<std::size_t>(length));
    for (int i = 0; i < layout.field_count; ++i) {
        const PatchField& field = layout.fields[i];
        write_field(field, field_value(field.value, job, length), out);
    }
    // Fields and relocated words never overlap, so the order does not matter.
    relocate_words(out, layout.relocations, layout.relocation_count, job.load_address);
    return length;
}

int patched_width(const RoutineLayout& layout, int offset) {
    for (int i = 0; i < layout.field_count; ++i) {
        const PatchField& field = layout.fields[i];
        if (offset == field.low) return field.high == offset + 1 ? 2 : 1;
        if (offset == field.high) return 1;
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

#include <algorithm>

#include "target/cpu_description.h"
#include "target/packed_image.h"
#include "target/unpack_routines.h"

namespace vendrel {

namespace {

// The sizes an image's patch fields describe.
struct ImageSizes {
    int char_count;         // n
    int symbol_table_size;  // S
    int packed_length;      // P, one more than the stored codes with -oa
};

int read_value(const RoutineLayout& layout, FieldValue value, const std::uint8_t* image) {
    const PatchField* field = find_field(layout, value);
    return field != nullptr ? read_field(*field, image) : 0;
}

ImageSizes read_sizes(const RoutineLayout& layout, const std::uint8_t* image) {
    ImageSizes sizes;
    sizes.char_count = read_value(layout, FieldValue::char_count, image);
    // The routine subtracts its addresses modulo 65,536, so an image loaded
    // near the top of memory, whose code stream address wrapped past
    // 65,535, has its true size here too.
    const int code_stream = read_value(layout, FieldValue::code_stream, image);
    sizes.symbol_table_size = (code_stream - read_value(layout, FieldValue::char_table, image)) & 0xFFFF;
    // A routine that bounds its search by the end address keeps the length
    // as the distance to it.
    sizes.packed_length = find_field(layout, FieldValue::search_length) != nullptr
                              ? read_value(layout, FieldValue::search_length, image)
                              : (read_value(layout, FieldValue::search_end, image) - code_stream) & 0xFFFF;
    return sizes;
}

// True when everything the sizes describe lies inside the loaded file and
// holds only codes that can be expanded. Record extraction relies on this:
// it reads the tables and the stream without bounds checks of its own, and
// it expands every code through codes defined before it, so an image that
// passes here can never make it read outside the file or recurse forever.
//
// The stream may reach one byte past the file: an image made with -oa
// carries a search length one more than its stored codes, and that last
// code is the 0 that follows the file. Behind a shorter file it is the
// zero-filled text buffer's; behind a file that fills the whole buffer it
// is not read at all (record extraction supplies it).
bool sizes_fit(const ImageSizes& sizes, int routine_length, const std::uint8_t* image, int file_length) {
    const int n = sizes.char_count;
    const int symbol_size = sizes.symbol_table_size;
    // A table smaller than n cannot hold the characters.
    if (symbol_size < n || (symbol_size - n) % 2 != 0) return false;
    const int pair_count = (symbol_size - n) / 2;
    if (pair_count > 256 - n) return false;
    const int stream_start = routine_length + symbol_size;
    if (stream_start > file_length || stream_start + sizes.packed_length > file_length + 1) return false;

    // Each pair is made of codes defined before it.
    const std::uint8_t* pairs = image + routine_length + n;
    for (int k = 0; k < pair_count; ++k) {
        const int code = n + k;
        if (pairs[2 * k] >= code || pairs[2 * k + 1] >= code) return false;
    }
    // Code 0 separates records and is never expanded, so it stands even
    // in the image of an empty text, which defines no code at all.
    const int defined_codes = n + pair_count;
    const std::uint8_t* stream = image + stream_start;
    const int stored_codes = std::min(sizes.packed_length, file_length - stream_start);
    for (int i = 0; i < stored_codes; ++i) {
        if (stream[i] != 0 && stream[i] >= defined_codes) return false;
    }
    return true;
}

}  // namespace

int recognise_image(const RoutineLayout& layout, Job& job) {
    const std::uint8_t* image = job.text_buffer;
    const int file_length = job.source_length;
    if (file_length < 0 || file_length > kTextBufferSize) return 0;
    // The comparison may read past a short file into the zero-filled rest
    // of the buffer; the size checks then refuse the image.
    if (!matches_template(layout, image)) return 0;
    const ImageSizes sizes = read_sizes(layout, image);
    if (!sizes_fit(sizes, layout.length, image, file_length)) return 0;

    job.routine_length = layout.length;
    job.packed_length = sizes.packed_length;
    job.char_count = sizes.char_count;
    job.symbol_table_size = sizes.symbol_table_size;
    job.symbol_table = job.text_buffer + layout.length;
    job.symbol_end = job.symbol_table + sizes.char_count;
    return 1;
}

const CpuDescription* recognise_known_image(Job& job) {
    for (const CpuDescription* cpu : known_cpus()) {
        if (recognise_image(*cpu->routine, job)) return cpu;
    }
    return nullptr;
}

int recognise_i8080_image(Job& job) { return recognise_image(i8080_routine_layout, job); }

int recognise_z80_image(Job& job) { return recognise_image(z80_routine_layout, job); }

}  // namespace vendrel

// Extraction of arbitrary files. The first byte chooses: bit 0 -dtp; bit 1
// lays the routine template's compared bytes over the file, so that the
// fuzzer spends its time on the patch fields, tables and code stream rather
// than on finding the template; bits 2-7 the first record (0 = all), and
// the second byte how many. The rest is the file.
//
// Whatever the file holds, recognition accepts it or not, and an accepted
// image is expanded into the image buffer (nothing is printed) without
// reading outside the loaded file, recursing without end or writing past
// the buffer: the text fits with its end mark, or the run is refused as too
// long.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/errors.h"
#include "extract/extract_records.h"
#include "fuzz_support.h"
#include "target/unpack_routines.h"
#include "target/packed_image.h"

namespace vendrel::fuzz {
namespace {

// Offsets of a template that recognition compares.
std::vector<bool> compared_offsets(const RoutineLayout& layout) {
    std::vector<bool> compared(static_cast<std::size_t>(layout.length), false);
    std::vector<std::uint8_t> copy(layout.bytes, layout.bytes + layout.length);
    for (int offset = 0; offset < layout.length; ++offset) {
        copy[offset] ^= 0x5A;
        compared[offset] = !matches_template(layout, copy.data());
        copy[offset] ^= 0x5A;
    }
    return compared;
}

void lay_template_over(const RoutineLayout& layout, std::vector<std::uint8_t>& file) {
    static const std::vector<bool> z80 = compared_offsets(z80_routine_layout);
    static const std::vector<bool> i8080 = compared_offsets(i8080_routine_layout);
    const std::vector<bool>& compared = layout.length == z80_routine_layout.length ? z80 : i8080;
    if (file.size() < compared.size()) file.resize(compared.size(), 0);
    for (std::size_t offset = 0; offset < compared.size(); ++offset) {
        if (compared[offset]) file[offset] = layout.bytes[offset];
    }
}

}  // namespace
}  // namespace vendrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vendrel;
    if (size < 2) return 0;
    const bool dtp = (data[0] & 0x01) != 0;
    const bool overlay = (data[0] & 0x02) != 0;
    const int from = data[0] >> 2;
    const int to = from + data[1];
    std::vector<std::uint8_t> file(data + 2, data + size);
    if (overlay && !file.empty()) {
        // The file's first byte picks the routine, as offset 7 tells them apart.
        const RoutineLayout& layout = (file[0] & 1) != 0 ? i8080_routine_layout : z80_routine_layout;
        fuzz::lay_template_over(layout, file);
    }
    if (file.size() > static_cast<std::size_t>(kMaxSourceLength)) file.resize(kMaxSourceLength);

    JobHandle job = fuzz::new_job();
    if (!file.empty()) std::memcpy(job->text_buffer, file.data(), file.size());
    job->source_length = static_cast<std::int32_t>(file.size());
    job->extract_from = from;
    job->extract_to = to;
    job->dtp = dtp;
    job->output_path = "records.txt";
    std::uint8_t* const own_symbol_table = job->symbol_table;

    if (!recognise_i8080_image(*job) && !recognise_z80_image(*job)) {
        VENDREL_FUZZ_CHECK(job->symbol_table == own_symbol_table);
        return 0;
    }
    // The tables and the code stream lie inside the file (the stream may
    // take the one 0 behind it, as an -oa image does).
    const std::uint8_t* start = job->text_buffer;
    const int stream_start = job->routine_length + job->symbol_table_size;
    VENDREL_FUZZ_CHECK(job->symbol_table == start + job->routine_length);
    VENDREL_FUZZ_CHECK(job->symbol_table_size >= job->char_count && job->char_count >= 0);
    VENDREL_FUZZ_CHECK(stream_start <= job->source_length);
    VENDREL_FUZZ_CHECK(job->packed_length >= 0 && stream_start + job->packed_length <= job->source_length + 1);

    const int result = extract_records(*job);
    job->symbol_table = own_symbol_table;
    VENDREL_FUZZ_CHECK(result == 0 || result == kExtractedTextTooLong);
    if (result == 0) {
        VENDREL_FUZZ_CHECK(job->final_length >= 0 && job->final_length < kImageBufferSize);
        VENDREL_FUZZ_CHECK(job->final_length == 0 || job->image_buffer[job->final_length] == kEndMark);
        if (dtp && job->final_length > 0) VENDREL_FUZZ_CHECK(job->image_buffer[0] == kDesktopLineHead);
    }
    return 0;
}

// Extraction of arbitrary files as tapes. The first byte's low two bits
// choose the image asked for with -xb (0: not given); the rest is the file.
//
// Whatever the file holds, recognise_packed_file accepts a raw image or
// one image of an intact TAP or PTP file, or refuses it and leaves the
// Job's own symbol table in place. An accepted image lies at the start of
// the text buffer with only zero bytes behind it, its tables and code
// stream inside it, and it expands without reading outside it.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "base/errors.h"
#include "extract/extract_records.h"
#include "extract/packed_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vendrel;
    if (size < 1) return 0;
    std::size_t length = size - 1;
    if (length > static_cast<std::size_t>(kTextBufferSize)) length = kTextBufferSize;

    JobHandle job = fuzz::new_job();
    if (length > 0) std::memcpy(job->text_buffer, data + 1, length);
    job->source_length = static_cast<std::int32_t>(length);
    job->source_path = "tape";
    job->extract_from = 0;
    job->extract_to = 0;
    job->output_path = "records.txt";
    job->tape_block = data[0] & 0x03;
    std::uint8_t* const own_symbol_table = job->symbol_table;

    const int recognised = recognise_packed_file(*job);
    if (recognised != 0) {
        VENDREL_FUZZ_CHECK(recognised == kNotPackedFile || recognised == kBadTapeBlock);
        VENDREL_FUZZ_CHECK(job->symbol_table == own_symbol_table);
        return 0;
    }
    const int image_length = job->source_length;
    VENDREL_FUZZ_CHECK(image_length >= 0 && static_cast<std::size_t>(image_length) <= length);
    for (std::size_t at = static_cast<std::size_t>(image_length); at < length; ++at) {
        VENDREL_FUZZ_CHECK(job->text_buffer[at] == 0);
    }
    const int stream_start = job->routine_length + job->symbol_table_size;
    VENDREL_FUZZ_CHECK(job->symbol_table == job->text_buffer + job->routine_length);
    VENDREL_FUZZ_CHECK(stream_start <= image_length && stream_start + job->packed_length <= image_length + 1);

    const int result = extract_records(*job);
    job->symbol_table = own_symbol_table;
    VENDREL_FUZZ_CHECK(result == 0 || result == kExtractedTextTooLong);
    return 0;
}

// The conversion table reader: the input is the conversion file. Reading
// ends with 0 or one of its own errors; a table that was read holds at most
// 254 definitions of codes 1 to 254, and applying it to every byte value
// follows the first-match rule without chaining.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "base/errors.h"
#include "fuzz_support.h"
#include "prepare/conversion_table.h"

namespace vendrel::fuzz {
namespace {

// One file per fuzzing process, removed again after each input.
const std::string& table_path() {
    static const std::string path = "/tmp/vendrel-fuzz-table-" + std::to_string(::getpid());
    return path;
}

void write_table_file(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(table_path().c_str(), "wb");
    if (file == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
}

// Every byte value except the end mark, once, then the end mark.
void load_all_bytes(Job& job) {
    for (int value = 0; value < 255; ++value) job.text_buffer[value] = static_cast<std::uint8_t>(value);
    job.text_buffer[255] = kEndMark;
}

void check_applied(const Job& job) {
    const std::uint8_t* from = job.conversion_table;
    const std::uint8_t* to = job.conversion_table + 256;
    for (int value = 0; value < 255; ++value) {
        int expected = value;
        for (int entry = 0; entry < job.conversion_count; ++entry) {
            if (from[entry] == value) {
                expected = to[entry];
                break;
            }
        }
        VENDREL_FUZZ_CHECK(job.text_buffer[value] == expected);
    }
    VENDREL_FUZZ_CHECK(job.text_buffer[255] == kEndMark);
}

}  // namespace
}  // namespace vendrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vendrel;
    fuzz::write_table_file(data, size);
    JobHandle job = fuzz::new_job();
    job->conversion_path = fuzz::table_path().c_str();

    const int result = read_conversion_table(*job);
    std::remove(fuzz::table_path().c_str());
    VENDREL_FUZZ_CHECK(job->conversion_table != nullptr);
    VENDREL_FUZZ_CHECK(result == 0 || result == kBadCharacterCode || result == kBadDefinition ||
                       result == kTooManyDefinitions);
    VENDREL_FUZZ_CHECK(job->conversion_count >= 0 && job->conversion_count <= 255);
    VENDREL_FUZZ_CHECK(result == kTooManyDefinitions || job->conversion_count <= 254);
    for (int entry = 0; entry < job->conversion_count; ++entry) {
        for (int half : {0, 256}) {
            const int code = job->conversion_table[half + entry];
            VENDREL_FUZZ_CHECK(code >= 1 && code <= 254);
        }
    }
    if (result == 0 && job->conversion_count > 0) {
        fuzz::load_all_bytes(*job);
        apply_conversion_table(*job);
        fuzz::check_applied(*job);
    }
    return 0;
}

// Packing of arbitrary text under every option combination, and the round
// trip back. The first bytes choose the options:
//
//   byte 0: bit 0 -oa; bits 1-3 the line-end policy (1 -no-crlf, 2
//           -crlf-spc, 3 -only-cr, 4 -only-lf, else none); bit 4 -dtp; bit 5
//           -lc (with -dtp); bit 6 -i8080 instead of -z80; bit 7 the tape
//           file (TAP or PTP)
//   bytes 1-2: the load address, high byte first
//   byte 3: bits 0-2 the number k of conversion definitions (without -dtp);
//           bits 3-7 the first record to extract (0 = all); byte 4: bit 7
//           -best, bits 0-6 how many more records
//   then 2k bytes of definitions, then the text (0xFF becomes 0xFE).
//
// The text is prepared and packed, the image (inside its tape file, if one
// is asked for) composed, recognised by its own routine only, and its
// records extracted into the image buffer. They must be the prepared text's
// records, each with the CR that extraction adds, and the closing line.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "base/job_setup.h"
#include "base/errors.h"
#include "extract/extract_from_image.h"
#include "fuzz_support.h"
#include "pack/pack_text.h"
#include "prepare/conversion_table.h"
#include "prepare/desktop_import.h"
#include "prepare/line_ends.h"
#include "tape/compose_output.h"
#include "target/packed_image.h"

namespace vendrel::fuzz {
namespace {

constexpr std::size_t kHeaderLength = 5;

struct Options {
    bool oa, dtp, lc, i8080, tape, best;
    int line_ends;
    int load_address;
    int from, to;
    std::vector<std::uint8_t> definitions;  // from, to, from, to, ...
};

void set_options(Job& job, const Options& options) {
    job.oa = options.oa;
    job.best = options.best;
    job.dtp = options.dtp;
    job.lc = options.lc;
    job.no_crlf = options.line_ends == 1;
    job.crlf_spc = options.line_ends == 2;
    job.only_cr = options.line_ends == 3;
    job.only_lf = options.line_ends == 4;
    job.z80 = !options.i8080;
    job.i8080 = options.i8080;
    job.tap = options.tape && !options.i8080;
    job.ptp = options.tape && options.i8080;
    job.load_address = options.load_address;
    job.print_address = options.i8080 ? 0x8500 : 16;
    const int count = static_cast<int>(options.definitions.size() / 2);
    if (count > 0) {
        if (allocate_zeroed(job.conversion_table, kConversionTableSize) != 0) std::abort();
        for (int k = 0; k < count; ++k) {
            job.conversion_table[k] = options.definitions[2 * k];
            job.conversion_table[256 + k] = options.definitions[2 * k + 1];
        }
        job.conversion_count = count;
    }
}

// Loads the text as the main flow does: the end mark behind it, or with -oa
// over its last byte.
void load_text(Job& job, const std::vector<std::uint8_t>& text) {
    const std::string_view source(reinterpret_cast<const char*>(text.data()), text.size());
    VENDREL_FUZZ_CHECK(load_source_text(job, source) == 0);
}

// The preparation passes run one by one on a job of their own. Returns
// false when the Desktop import refuses the document.
bool prepare(const Options& options, const std::vector<std::uint8_t>& text, std::string& prepared) {
    JobHandle job = new_job();
    set_options(*job, options);
    load_text(*job, text);
    if (job->conversion_count > 0) apply_conversion_table(*job);
    if (job->dtp && import_desktop_document(*job) != 0) return false;
    if (job->no_crlf) apply_line_end_policy(*job, false, false, false);
    if (job->crlf_spc) apply_line_end_policy(*job, false, false, true);
    if (job->only_cr) apply_line_end_policy(*job, true, false, false);
    if (job->only_lf) apply_line_end_policy(*job, false, true, false);
    const auto* start = reinterpret_cast<const char*>(job->text_buffer);
    const void* mark = std::memchr(start, kEndMark, kTextBufferSize);
    VENDREL_FUZZ_CHECK(mark != nullptr);
    prepared.assign(start, static_cast<const char*>(mark));
    return true;
}

// What extracting records from..to gives for the prepared text. Each
// separator starts a record, except one that ends the text; an -oa image
// reads one more code, the 0 behind it, as one more separator.
std::string expected_extraction(const std::string& prepared, bool oa, int from, int to) {
    if (prepared.empty() && !oa) return "";
    const char separator = prepared.empty() ? '\0' : prepared[0];
    std::vector<std::string> records;
    int separators = 0;
    {
        const std::string text = oa ? prepared + separator : prepared;
        std::size_t start = std::string::npos;
        for (std::size_t i = 0; i <= text.size(); ++i) {
            if (i == text.size() || text[i] == separator) {
                if (start != std::string::npos && (i < text.size() || start < i)) {
                    records.push_back(text.substr(start, i - start));
                }
                if (i < text.size()) {
                    ++separators;
                    start = i + 1;
                }
            }
        }
    }
    // An empty text with -oa has a separator code but no character for it.
    const std::string separator_text = prepared.empty() ? "" : std::string(1, separator);
    std::string out;
    auto line = [&](const std::string& record) {
        out += separator_text + record;
        if (out.empty() || (out.back() != '\r' && out.back() != '\n')) out += '\r';
    };
    const int first = from == 0 ? 1 : from;
    if (first > separators) return "";
    const int last = from == 0 ? static_cast<int>(records.size()) : std::min<int>(to, static_cast<int>(records.size()));
    for (int k = first; k <= last; ++k) line(records[k - 1]);
    line("");
    return out;
}

void check_packed(const Job& job, const std::string& prepared) {
    VENDREL_FUZZ_CHECK(job.source_length == static_cast<int>(prepared.size()));
    VENDREL_FUZZ_CHECK(job.packed_length >= 0 && job.packed_length <= job.source_length);
    VENDREL_FUZZ_CHECK(job.char_count == static_cast<int>(std::set<char>(prepared.begin(), prepared.end()).size()));
    // The code after the last pair is the next one to assign, except that the
    // count stops at 255 once code 255 itself has been assigned.
    const int pair_bytes = job.symbol_table_size - job.char_count;
    VENDREL_FUZZ_CHECK(pair_bytes >= 0 && pair_bytes % 2 == 0 && pair_bytes / 2 <= 256 - job.char_count);
    VENDREL_FUZZ_CHECK(job.next_code == std::min(job.char_count + pair_bytes / 2, 255));
}

// Composes the output the options ask for and returns the raw image in it.
std::vector<std::uint8_t> compose(Job& job) {
    VENDREL_FUZZ_CHECK(compose_output(job) == 0);
    const int image_start = job.tap ? kTapImageStart : job.ptp ? kPtpImageStart : 0;
    const int framing = job.tap ? kTapFraming : job.ptp ? kPtpFraming : 0;
    const int routine_length = job.z80 ? kZ80RoutineLength : kI8080RoutineLength;
    VENDREL_FUZZ_CHECK(job.routine_length == routine_length);
    VENDREL_FUZZ_CHECK(job.total_length == routine_length + job.symbol_table_size + job.packed_length);
    VENDREL_FUZZ_CHECK(job.final_length == job.total_length + framing);
    VENDREL_FUZZ_CHECK(job.final_length <= kImageBufferSize);
    return std::vector<std::uint8_t>(job.image_buffer + image_start,
                                     job.image_buffer + image_start + job.total_length);
}

void check_round_trip(const Options& options, const Job& packed, const std::vector<std::uint8_t>& image,
                      const std::string& prepared) {
    JobHandle job = new_job();
    std::memcpy(job->text_buffer, image.data(), image.size());
    job->source_length = static_cast<std::int32_t>(image.size());
    job->extract_from = options.from;
    job->extract_to = options.to;
    job->output_path = "records.txt";
    std::uint8_t* const own_symbol_table = job->symbol_table;

    // Each image is recognised by its own routine only, also one loaded so
    // near the top of memory that its code stream's address wraps past 65,535.
    const int as_i8080 = recognise_i8080_image(*job);
    const int as_z80 = as_i8080 ? 0 : recognise_z80_image(*job);
    VENDREL_FUZZ_CHECK(as_i8080 == (options.i8080 ? 1 : 0));
    VENDREL_FUZZ_CHECK(as_z80 == (options.i8080 ? 0 : 1));
    VENDREL_FUZZ_CHECK(job->char_count == packed.char_count);
    VENDREL_FUZZ_CHECK(job->symbol_table_size == packed.symbol_table_size);
    VENDREL_FUZZ_CHECK(job->packed_length == packed.packed_length + (options.oa ? 1 : 0));
    job->symbol_table = own_symbol_table;

    const int result = extract_from_image(*job);
    const std::string expected = expected_extraction(prepared, options.oa, options.from, options.to);
    if (expected.size() > static_cast<std::size_t>(kMaxSourceLength)) {
        VENDREL_FUZZ_CHECK(result == kExtractedTextTooLong);
        return;
    }
    VENDREL_FUZZ_CHECK(result == 0);
    VENDREL_FUZZ_CHECK(job->final_length == static_cast<int>(expected.size()));
    VENDREL_FUZZ_CHECK(std::memcmp(job->image_buffer, expected.data(), expected.size()) == 0);
    // The end mark follows a text; when nothing is extracted, nothing is written.
    VENDREL_FUZZ_CHECK(expected.empty() || job->image_buffer[job->final_length] == kEndMark);
}

}  // namespace
}  // namespace vendrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vendrel;
    if (size < fuzz::kHeaderLength) return 0;
    fuzz::Options options{};
    options.oa = (data[0] & 0x01) != 0;
    options.line_ends = (data[0] >> 1) & 0x07;
    options.dtp = (data[0] & 0x10) != 0;
    options.lc = options.dtp && (data[0] & 0x20) != 0;
    options.i8080 = (data[0] & 0x40) != 0;
    options.tape = (data[0] & 0x80) != 0;
    options.load_address = (data[1] << 8) | data[2];
    options.from = data[3] >> 3;
    options.best = (data[4] & 0x80) != 0;
    options.to = options.from + (data[4] & 0x7F);

    std::size_t at = fuzz::kHeaderLength;
    const std::size_t definitions = options.dtp ? 0 : (data[3] & 0x07);
    for (std::size_t k = 0; k < 2 * definitions && at < size; ++k, ++at) {
        options.definitions.push_back(static_cast<std::uint8_t>(1 + data[at] % 254));
    }
    if (options.definitions.size() % 2 != 0) options.definitions.pop_back();

    std::vector<std::uint8_t> text(data + at, data + size);
    if (text.size() > static_cast<std::size_t>(kMaxSourceLength)) text.resize(kMaxSourceLength);
    for (std::uint8_t& byte : text) {
        if (byte == kEndMark) byte = 0xFE;
    }

    std::string prepared;
    const bool preparable = fuzz::prepare(options, text, prepared);

    JobHandle job = fuzz::new_job();
    fuzz::set_options(*job, options);
    fuzz::load_text(*job, text);
    const int packed = pack_text(*job);
    if (!preparable) {
        VENDREL_FUZZ_CHECK(packed == kDocumentTooLong);
        return 0;
    }
    if (packed == kTooManyCharacters) {
        VENDREL_FUZZ_CHECK(std::set<char>(prepared.begin(), prepared.end()).size() > 126);
        return 0;
    }
    VENDREL_FUZZ_CHECK(packed == 0);
    fuzz::check_packed(*job, prepared);

    if (check_output_fits(*job) != 0) {
        const int framing = job->tap ? kTapFraming : job->ptp ? kPtpFraming : 0;
        VENDREL_FUZZ_CHECK(raw_image_length(*job) + framing > kImageBufferSize);
        return 0;
    }
    const std::vector<std::uint8_t> image = fuzz::compose(*job);
    fuzz::check_round_trip(options, *job, image, prepared);
    return 0;
}

#include "listing/record_summary.h"

#include <algorithm>
#include <cstdio>

#include "base/text_codes.h"

namespace vendrel {

namespace {

int longest_line(const std::string& text) {
    int longest = 0;
    int current = 0;
    for (const char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        if (byte == kCarriageReturn || byte == kLineFeed) {
            current = 0;
        } else {
            longest = std::max(longest, ++current);
        }
    }
    return longest;
}

// Where the image lies and how far its routine searches. A recognised
// image tells both in its routine's fields: the character table follows
// the routine, and the search length is the packed length recognition
// read; a packed one has the job's load address and its codes, one more
// with -oa.
ImagePlace image_place_of(const Job& job, const CpuDescription& cpu) {
    if (!is_extraction(job)) return {job.load_address, job.packed_length + (job.oa ? 1 : 0)};
    const PatchField* char_table = find_field(*cpu.routine, FieldValue::char_table);
    const int load = char_table != nullptr ? read_field(*char_table, job.text_buffer) - cpu.routine->length : 0;
    return {load & 0xFFFF, job.packed_length};
}

}  // namespace

PackedText packed_text_of(const Job& job) {
    PackedText packed;
    // A recognised image tells its routine by its length.
    packed.cpu = is_extraction(job) ? &cpu_of_routine_length(job.routine_length) : &cpu_of_job(job);
    packed.place = image_place_of(job, *packed.cpu);
    packed.codes = packed_codes_of(job);
    return packed;
}

std::vector<RecordSummary> summarize_records(const PackedText& packed) {
    const std::vector<std::uint64_t> times = estimate_every_record(*packed.cpu, packed.place, packed.codes);
    const std::vector<int> levels = nesting_levels(packed.codes);
    std::vector<RecordSummary> records;
    for (const RecordSpan& span : walk_records(packed.codes).records) {
        RecordSummary record;
        record.number = span.number;
        auto append = [&](std::uint8_t character) {
            record.text.push_back(static_cast<char>(character));
            return true;
        };
        for (int at = span.begin; at < span.end; ++at) {
            expand_characters(packed.codes, packed.codes.code_stream[at], append);
        }
        record.codes = span.end - span.begin;
        record.open = !span.closed;
        record.longest_line = longest_line(record.text);
        record.nesting = record_nesting(packed.codes, span, levels);
        record.stack = stack_bytes(*packed.cpu, record.nesting);
        record.tstates = record.open ? estimate_record_tstates(*packed.cpu, packed.place, packed.codes, span.number)
                                     : times[static_cast<std::size_t>(span.number - 1)];
        records.push_back(std::move(record));
    }
    return records;
}

std::string record_preview(std::string_view text, std::size_t width) {
    std::string shown;
    const std::size_t count = std::min(text.size(), width);
    for (std::size_t i = 0; i < count; ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        if (byte == kCarriageReturn) {
            shown += "\\r";
        } else if (byte == kLineFeed) {
            shown += "\\n";
        } else if (byte == '\t') {
            shown += "\\t";
        } else if (byte == '\\') {
            shown += "\\\\";
        } else if (byte < 32 || byte >= 127) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        } else {
            shown.push_back(static_cast<char>(byte));
        }
    }
    if (count < text.size()) shown += "...";
    return shown;
}

}  // namespace vendrel

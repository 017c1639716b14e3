#include "cli/record_summary.h"

#include <algorithm>
#include <cstdio>

#include "base/text_codes.h"

namespace vendrel {

namespace {

// Appends the characters of code, expanding pairs depth-first as the
// routine does. A pair code refers only to smaller codes, so the depth is
// bounded; a code outside the table adds nothing.
void expand(const PackedText& packed, int code, std::string& out, int depth = 0) {
    const int n = packed.codes.char_count;
    if (code < n) {
        out.push_back(static_cast<char>(packed.char_table[code]));
        return;
    }
    if (depth > 256) return;
    const std::uint8_t* pair = packed.codes.pair_table + 2 * (code - n);
    expand(packed, pair[0], out, depth + 1);
    expand(packed, pair[1], out, depth + 1);
}

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

}  // namespace

PackedText packed_text_of(const Job& job) {
    PackedText packed;
    // A recognised image tells its routine by its length.
    packed.cpu = is_extraction(job) ? &cpu_of_routine_length(job.routine_length) : &cpu_of_job(job);
    packed.char_table = job.symbol_table;
    packed.codes.char_count = job.char_count;
    packed.codes.pair_table = job.symbol_table + job.char_count;
    packed.codes.code_stream = is_extraction(job) ? job.text_buffer + job.routine_length + job.symbol_table_size
                                                  : job.text_buffer;
    packed.codes.stream_length = job.packed_length;
    return packed;
}

std::vector<RecordSummary> summarize_records(const PackedText& packed) {
    const std::vector<std::uint64_t> times = estimate_every_record(packed.cpu->costs, packed.codes);
    std::vector<RecordSummary> records;
    const std::uint8_t* stream = packed.codes.code_stream;
    const int length = packed.codes.stream_length;
    // Record k starts after the k-th code 0; the first code is always one.
    int at = 0;
    while (at < length && stream[at] != kSeparatorCode) ++at;
    for (int number = 1; at < length; ++number) {
        RecordSummary record;
        record.number = number;
        ++at;  // the separator
        while (at < length && stream[at] != kSeparatorCode) {
            expand(packed, stream[at++], record.text);
            ++record.codes;
        }
        record.open = at >= length;
        if (record.open && record.codes == 0) break;
        record.longest_line = longest_line(record.text);
        record.tstates = record.open ? estimate_record_tstates(packed.cpu->costs, packed.codes, number)
                                     : times[static_cast<std::size_t>(number - 1)];
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

#include "base/record_walker.h"

#include <algorithm>

#include "base/text_codes.h"

namespace vendrel {

namespace {

// Pair codes that a table of table_size bytes defines behind its characters.
int defined_pair_count(int table_size, int char_count) {
    const int pair_bytes = table_size - char_count;
    return pair_bytes > 0 ? pair_bytes / 2 : 0;
}

}  // namespace

PackedCodes packed_codes_of(const Job& job) {
    PackedCodes codes;
    codes.char_count = job.char_count;
    codes.char_table = job.symbol_table;
    codes.pair_table = job.symbol_table + job.char_count;
    codes.pair_count = defined_pair_count(job.symbol_table_size, job.char_count);
    if (!is_extraction(job)) {
        codes.code_stream = job.text_buffer;
        codes.stream_length = job.packed_length;
        return codes;
    }
    // Recognition has checked that the code stream lies inside the loaded
    // file (for an -oa image, one byte beyond it, the 0 after the file); the
    // clamps only keep a slip elsewhere from reading past the text buffer.
    const int stream_offset = std::clamp(job.routine_length + job.symbol_table_size, 0, kTextBufferSize);
    codes.code_stream = job.text_buffer + stream_offset;
    codes.stream_length = std::clamp(job.packed_length, 0, kTextBufferSize - stream_offset);
    codes.zero_after_stream = stream_offset + job.packed_length == kTextBufferSize + 1;
    return codes;
}

RecordWalk walk_records(const PackedCodes& codes) {
    RecordWalk walk;
    const int length = codes.stream_length;
    int at = 0;
    while (at < length && codes.code_stream[at] != kSeparatorCode) ++at;
    while (at < length) {
        walk.separators += 1;
        RecordSpan record{walk.separators, at + 1, at + 1, false};
        while (record.end < length && codes.code_stream[record.end] != kSeparatorCode) ++record.end;
        record.closed = record.end < length || codes.zero_after_stream;
        // The run after the last code 0 is a record only when it holds codes.
        if (record.closed || record.end > record.begin) walk.records.push_back(record);
        at = record.end;
    }
    // The code 0 behind the stream has closed the last run, even an empty
    // one; nothing follows it.
    if (codes.zero_after_stream) walk.separators += 1;
    return walk;
}

std::vector<ExpansionCount> expansion_counts(const PackedCodes& codes) {
    std::vector<ExpansionCount> counts(256);
    const int code_end = std::min(codes.char_count + codes.pair_count, 256);
    for (int code = 0; code < code_end; ++code) {
        ExpansionCount& count = counts[static_cast<std::size_t>(code)];
        if (code < codes.char_count) {
            count.characters = 1;
            continue;
        }
        count.pairs = 1;
        const std::uint8_t* pair = codes.pair_table + 2 * (code - codes.char_count);
        for (const int half : {pair[0], pair[1]}) {
            if (half >= code) continue;
            count.characters += counts[static_cast<std::size_t>(half)].characters;
            count.pairs += counts[static_cast<std::size_t>(half)].pairs;
        }
    }
    return counts;
}

std::vector<int> nesting_levels(const PackedCodes& codes) {
    std::vector<int> levels(256, 0);
    const int code_end = std::min(codes.char_count + codes.pair_count, 256);
    for (int code = codes.char_count; code < code_end; ++code) {
        const std::uint8_t* pair = codes.pair_table + 2 * (code - codes.char_count);
        int& level = levels[static_cast<std::size_t>(code)];
        if (pair[0] < code) level = levels[pair[0]] + 1;
        if (pair[1] < code) level = std::max(level, levels[pair[1]]);
    }
    return levels;
}

int record_nesting(const PackedCodes& codes, const RecordSpan& record, const std::vector<int>& levels) {
    int deepest = 0;
    for (int at = record.begin; at < record.end; ++at) deepest = std::max(deepest, levels[codes.code_stream[at]]);
    return deepest;
}

int deepest_record_nesting(const PackedCodes& codes) {
    const std::vector<int> levels = nesting_levels(codes);
    int deepest = 0;
    for (const RecordSpan& record : walk_records(codes).records) {
        deepest = std::max(deepest, record_nesting(codes, record, levels));
    }
    return deepest;
}

}  // namespace vendrel

#include "extract/extract_records.h"

#include <algorithm>
#include <cstdio>

#include "base/errors.h"

namespace vendrel {

namespace {

constexpr int kAllRecords = 65536;

// Ends a record with CR unless its last byte already ends a line (on a
// sound image the record holds at least its separator character).
void close_line(const Job& job, ExtractionCursor& cursor) {
    if (cursor.write > job.image_buffer) {
        const std::uint8_t last = cursor.write[-1];
        if (last == kCarriageReturn || last == kLineFeed) return;
    }
    put_byte(cursor, kCarriageReturn);
}

// With -dtp every record is one Desktop line, which starts with its head byte.
void start_line(const Job& job, ExtractionCursor& cursor) {
    if (job.dtp) put_byte(cursor, kDesktopLineHead);
}

ExtractionCursor open_cursor(const Job& job) {
    // Recognition has checked that the code stream lies inside the loaded
    // file (for an -oa image, one byte beyond it, the 0 after the file); the
    // clamps only keep a slip elsewhere from reading past the text buffer.
    const std::uint8_t* buffer_end = job.text_buffer + kTextBufferSize;
    const int stream_offset = std::clamp(job.routine_length + job.symbol_table_size, 0, kTextBufferSize);
    const std::uint8_t* start = job.text_buffer + stream_offset;
    const int stream_length = std::clamp(job.packed_length, 0, static_cast<int>(buffer_end - start));
    return ExtractionCursor{start, start + stream_length, job.image_buffer,
                            job.image_buffer + kImageBufferSize - 1, false};
}

// True when the code stream ends one byte past the text buffer, as the
// stream of an -oa image that fills the whole buffer does.
bool stream_passes_buffer(const Job& job) {
    return job.routine_length + job.symbol_table_size + job.packed_length == kTextBufferSize + 1;
}

}  // namespace

// A record ends at its closing code 0, or at the end of the code stream when
// the text did not end with the separator: the bytes after the stream are
// never taken for codes.
void extract_record(const Job& job, ExtractionCursor& cursor) {
    start_line(job, cursor);
    expand_code(job, cursor, kSeparatorCode);
    while (cursor.read < cursor.limit && *cursor.read != kSeparatorCode) {
        expand_code(job, cursor, *cursor.read++);
    }
    if (cursor.read < cursor.limit) ++cursor.read;
    close_line(job, cursor);
}

int extract_records(Job& job) {
    ExtractionCursor cursor = open_cursor(job);

    const bool all = job.extract_from == 0;
    int skip = all ? 1 : job.extract_from;
    int count = all ? kAllRecords : job.extract_to - job.extract_from + 1;

    // An image made with -oa that fills the whole text buffer ends its code
    // stream with the 0 behind the buffer: the cursor stops at the buffer's
    // end, and that last separator is counted here instead.
    bool closing_zero = stream_passes_buffer(job);

    while (skip > 0 && cursor.read < cursor.limit) {
        if (*cursor.read++ == kSeparatorCode) --skip;
    }
    if (skip > 0 && closing_zero) {
        --skip;
        closing_zero = false;
    }
    if (skip > 0) return 0;  // fewer records than from: an empty result

    for (; count > 0 && cursor.read < cursor.limit && !cursor.overflow; --count) {
        extract_record(job, cursor);
    }
    // A record that starts right at that closing 0 is an empty one.
    if (closing_zero && count > 0 && cursor.read == cursor.limit && cursor.limit[-1] == kSeparatorCode) {
        extract_record(job, cursor);
    }
    // The closing line: a record without codes, so that the text again ends
    // with a separator.
    start_line(job, cursor);
    expand_code(job, cursor, kSeparatorCode);
    close_line(job, cursor);

    if (cursor.overflow) return report_error(kExtractedTextTooLong);

    job.final_length = static_cast<std::int32_t>(cursor.write - job.image_buffer);
    *cursor.write = kEndMark;

    if (job.output_path != nullptr) return 0;
    // The text must reach the console: a full disk or a closed standard
    // output shows at the latest when the stream is flushed.
    const std::string shown = console_text(job.image_buffer, job.final_length);
    const bool written = std::fwrite(shown.data(), 1, shown.size(), stdout) == shown.size();
    if (!written || std::fflush(stdout) != 0 || std::ferror(stdout)) return report_error(kCannotWriteConsole);
    return 0;
}

}  // namespace vendrel

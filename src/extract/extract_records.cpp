#include "extract/extract_records.h"

#include <cstdio>
#include <limits>

#include "base/errors.h"

namespace vendrel {

namespace {

// Ends a record with CR unless its last byte already ends a line (on a
// sound image the record holds at least its separator character).
void close_line(const Job& job, ExtractedText& text) {
    if (text.write > job.image_buffer) {
        const std::uint8_t last = text.write[-1];
        if (last == kCarriageReturn || last == kLineFeed) return;
    }
    put_byte(text, kCarriageReturn);
}

// With -dtp every record is one Desktop line, which starts with its head byte.
void start_line(const Job& job, ExtractedText& text) {
    if (job.dtp) put_byte(text, kDesktopLineHead);
}

// Once the text has outgrown the image buffer nothing more is expanded, so
// even a pair table that doubles its text at every level costs no more
// than one buffer's worth.
void expand_into(const PackedCodes& codes, int code, ExtractedText& text) {
    auto put = [&](std::uint8_t character) {
        put_byte(text, character);
        return !text.overflow;
    };
    if (!text.overflow) expand_characters(codes, code, put);
}

}  // namespace

// A record ends at its closing code 0, or at the end of the code stream when
// the text did not end with the separator: the bytes after the stream are
// never taken for codes.
void extract_record(const Job& job, const PackedCodes& codes, const RecordSpan& record, ExtractedText& text) {
    start_line(job, text);
    expand_into(codes, kSeparatorCode, text);
    for (int at = record.begin; at < record.end; ++at) expand_into(codes, codes.code_stream[at], text);
    close_line(job, text);
}

int extract_records(Job& job) {
    const PackedCodes codes = packed_codes_of(job);
    const RecordWalk walk = walk_records(codes);
    ExtractedText text{job.image_buffer, job.image_buffer + kImageBufferSize - 1, false};

    const bool all = job.extract_from == 0;
    const int first = all ? 1 : job.extract_from;
    const int last = all ? std::numeric_limits<int>::max() : job.extract_to;
    if (walk.separators < first) return 0;  // fewer records than from: an empty result

    for (const RecordSpan& record : walk.records) {
        if (record.number > last || text.overflow) break;
        if (record.number >= first) extract_record(job, codes, record, text);
    }
    // The closing line: a record without codes, so that the text again ends
    // with a separator.
    start_line(job, text);
    expand_into(codes, kSeparatorCode, text);
    close_line(job, text);

    if (text.overflow) return report_error(kExtractedTextTooLong);

    job.final_length = static_cast<std::int32_t>(text.write - job.image_buffer);
    *text.write = kEndMark;

    if (job.output_path != nullptr) return 0;
    // The text must reach the console: a full disk or a closed standard
    // output shows at the latest when the stream is flushed.
    const std::string shown = console_text(job.image_buffer, job.final_length);
    const bool written = std::fwrite(shown.data(), 1, shown.size(), stdout) == shown.size();
    if (!written || std::fflush(stdout) != 0 || std::ferror(stdout)) return report_error(kCannotWriteConsole);
    return 0;
}

}  // namespace vendrel

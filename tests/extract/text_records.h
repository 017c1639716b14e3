// What extraction must give for a packed text: the prepared text that the
// packer saw, cut into its records, each written back with the CR and the
// closing line that extraction adds.
#pragma once

#include <string>
#include <vector>

#include "extract/extraction_fixture.h"
#include "prepare/line_ends.h"

namespace vendrel::test {

enum class LineEnds { kKeep, kNoCrlf, kCrlfSpace, kOnlyCr, kOnlyLf };

struct PackOptions {
    Routine routine = Routine::kZ80;
    bool oa = false;
    LineEnds line_ends = LineEnds::kKeep;
    int load_address = 0x8000;
};

inline void set_options(Job& job, const PackOptions& options) {
    job.oa = options.oa ? 1 : 0;
    job.no_crlf = options.line_ends == LineEnds::kNoCrlf;
    job.crlf_spc = options.line_ends == LineEnds::kCrlfSpace;
    job.only_cr = options.line_ends == LineEnds::kOnlyCr;
    job.only_lf = options.line_ends == LineEnds::kOnlyLf;
}

// The text as the packer sees it after the line-end policy, and with -oa
// without its last byte.
inline std::string prepared_text(const std::string& source, const PackOptions& options) {
    JobHandle job = make_job();
    set_options(*job, options);
    test::load_text(*job, source);
    switch (options.line_ends) {
        case LineEnds::kKeep: break;
        case LineEnds::kNoCrlf: apply_line_end_policy(*job, false, false, false); break;
        case LineEnds::kCrlfSpace: apply_line_end_policy(*job, false, false, true); break;
        case LineEnds::kOnlyCr: apply_line_end_policy(*job, true, false, false); break;
        case LineEnds::kOnlyLf: apply_line_end_policy(*job, false, true, false); break;
    }
    const auto* text = reinterpret_cast<const char*>(job->text_buffer);
    return std::string(text, std::char_traits<char>::find(text, kTextBufferSize, '\xFF') - text);
}

// The records of a prepared text: what follows each separator up to the
// next. An -oa image reads one more code, the 0 after the image, as if the
// text had one more separator.
inline std::vector<std::string> records_of(const std::string& prepared, bool oa) {
    std::vector<std::string> records;
    if (prepared.empty()) return records;
    const char separator = prepared[0];
    const std::string text = oa ? prepared + separator : prepared;
    std::size_t start = 1;
    while (start <= text.size()) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string::npos) {
            if (start < text.size()) records.push_back(text.substr(start));
            break;
        }
        records.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return records;
}

inline std::string extracted_form(const std::vector<std::string>& records, char separator) {
    std::string text;
    auto line = [&](const std::string& record) {
        text += separator;
        text += record;
        if (text.back() != '\r' && text.back() != '\n') text += '\r';
    };
    for (const std::string& record : records) line(record);
    line("");  // the closing line
    return text;
}

}  // namespace vendrel::test

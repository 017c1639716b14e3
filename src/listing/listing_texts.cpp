#include "listing/listing_texts.h"

#include <algorithm>
#include <cstring>

#include "base/job_setup.h"
#include "pack/pack_text.h"

namespace vendrel {

namespace {

std::string packed_text(const Job& job, const std::vector<RecordSummary>& records) {
    if (job.char_count == 0) return std::string();
    const char separator = static_cast<char>(job.symbol_table[0]);
    std::string text(1, separator);
    for (const RecordSummary& record : records) {
        text += record.text;
        if (!record.open) text.push_back(separator);
    }
    return text;
}

// The file prepared as for packing, but without the line-end option, in a
// buffer of its own: the passes work in place on a Job's text buffer.
std::string prepared_without_line_ends(const Job& job, const std::string& file) {
    std::vector<std::uint8_t> buffer(kTextBufferSize, 0);
    std::memcpy(buffer.data(), file.data(), std::min(file.size(), static_cast<std::size_t>(kMaxSourceLength)));
    Job copy = job;
    copy.text_buffer = buffer.data();
    copy.source_length = static_cast<std::int32_t>(std::min(file.size(), static_cast<std::size_t>(kMaxSourceLength)));
    copy.no_crlf = copy.crlf_spc = copy.only_cr = copy.only_lf = 0;
    place_end_mark(copy);
    // The same passes on the same bytes succeeded when the text was packed.
    if (prepare_text(copy) != 0) return std::string();
    const auto end = std::find(buffer.begin(), buffer.end(), kEndMark);
    return std::string(buffer.begin(), end);
}

}  // namespace

ListingTexts listing_texts(const Job& job, std::string file, const std::vector<RecordSummary>& records) {
    ListingTexts texts;
    texts.packed = packed_text(job, records);
    const bool line_end_option = job.no_crlf || job.crlf_spc || job.only_cr || job.only_lf;
    texts.laid_out = line_end_option ? prepared_without_line_ends(job, file) : texts.packed;
    texts.file = std::move(file);
    return texts;
}

}  // namespace vendrel

#include "listing/listing_text.h"

#include <cinttypes>
#include <cstdio>

#include "listing/listing_texts.h"
#include "listing/text_checks.h"

namespace vendrel {

namespace {

constexpr std::size_t kPreviewWidth = 40;

std::string table_row(const RecordSummary& record) {
    const std::string preview = record_preview(record.text, kPreviewWidth);
    const char* open = record.open ? "  (open: needs a 0 after the image)" : "";
    const char* format = "%6d %6zu %6d %13d %9" PRIu64 "  %s%s\n";
    const int length = std::snprintf(nullptr, 0, format, record.number, record.text.size(), record.codes,
                                     record.longest_line, record.tstates, preview.c_str(), open);
    std::string row(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(row.data(), row.size(), format, record.number, record.text.size(), record.codes,
                  record.longest_line, record.tstates, preview.c_str(), open);
    row.pop_back();
    return row;
}

}  // namespace

std::string record_table_text(const std::vector<RecordSummary>& records) {
    std::string text = "Record  Chars  Codes  Longest line  T-states  Text\n";
    for (const RecordSummary& record : records) text += table_row(record);
    return text;
}

std::string record_listing_text(const Job& job, const std::string& source) {
    const std::vector<RecordSummary> records = summarize_records(packed_text_of(job));
    std::string text = "\n" + record_table_text(records) + "\n";
    const std::vector<std::string> findings = check_packed_text(job, listing_texts(job, source, records), records);
    if (findings.empty()) text += "Checks: nothing found.\n";
    for (const std::string& finding : findings) text += "Check: " + finding + "\n";
    return text;
}

}  // namespace vendrel

#include "cli/record_listing.h"

#include <cinttypes>
#include <cstdio>

#include "base/errors.h"
#include "cli/listing_texts.h"
#include "cli/record_summary.h"
#include "cli/text_checks.h"
#include "target/packed_image.h"

namespace vendrel {

namespace {

constexpr std::size_t kPreviewWidth = 40;

void print_table(const std::vector<RecordSummary>& records) {
    std::printf("Record  Chars  Codes  Longest line  T-states  Text\n");
    for (const RecordSummary& record : records) {
        std::printf("%6d %6zu %6d %13d %9" PRIu64 "  %s%s\n", record.number, record.text.size(), record.codes,
                    record.longest_line, record.tstates, record_preview(record.text, kPreviewWidth).c_str(),
                    record.open ? "  (open: needs a 0 after the image)" : "");
    }
}

}  // namespace

void print_record_listing(const Job& job, const std::string& source) {
    const std::vector<RecordSummary> records = summarize_records(packed_text_of(job));
    std::printf("\n");
    print_table(records);
    const std::vector<std::string> findings = check_packed_text(job, listing_texts(job, source, records), records);
    std::printf("\n");
    if (findings.empty()) std::printf("Checks: nothing found.\n");
    for (const std::string& finding : findings) std::printf("Check: %s\n", finding.c_str());
}

int list_image_records(Job& job) {
    // Recognition points the symbol table into the loaded image; the Job's
    // own table goes back in place afterwards, so that it is released.
    std::uint8_t* const own_symbol_table = job.symbol_table;
    if (recognise_known_image(job) == nullptr) {
        return report_error(kNotPackedFile, job.source_path);
    }
    print_table(summarize_records(packed_text_of(job)));
    job.symbol_table = own_symbol_table;
    job.symbol_end = nullptr;
    return 0;
}

}  // namespace vendrel

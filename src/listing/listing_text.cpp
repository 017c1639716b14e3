#include "listing/listing_text.h"

#include <cinttypes>
#include <cstdio>

#include "listing/listing_texts.h"
#include "listing/text_checks.h"

namespace vendrel {

namespace {

constexpr std::size_t kPreviewWidth = 40;

// printf into a string.
template <typename... Values>
std::string formatted(const char* format, Values... values) {
    const int length = std::snprintf(nullptr, 0, format, values...);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, values...);
    text.pop_back();
    return text;
}

// A CPU whose stack is bounded by default shows each record's stack.
bool lists_stack(const CpuDescription& cpu) { return cpu.default_stack_bound != 0; }

std::string table_row(const CpuDescription& cpu, const RecordSummary& record) {
    const std::string preview = record_preview(record.text, kPreviewWidth);
    const char* open = record.open ? "  (open: needs a 0 after the image)" : "";
    std::string row = formatted("%6d %6zu %6d %13d %9" PRIu64, record.number, record.text.size(), record.codes,
                                record.longest_line, record.tstates);
    if (lists_stack(cpu)) row += formatted(" %6d", record.stack);
    return row + formatted("  %s%s\n", preview.c_str(), open);
}

// The record whose stack is the largest, the first of them; nullptr
// without records.
const RecordSummary* deepest_record(const std::vector<RecordSummary>& records) {
    const RecordSummary* deepest = nullptr;
    for (const RecordSummary& record : records) {
        if (deepest == nullptr || record.stack > deepest->stack) deepest = &record;
    }
    return deepest;
}

}  // namespace

std::string record_table_text(const CpuDescription& cpu, const std::vector<RecordSummary>& records) {
    std::string text = formatted("Record  Chars  Codes  Longest line %9s%s  Text\n", cpu.time_unit,
                                 lists_stack(cpu) ? "  Stack" : "");
    for (const RecordSummary& record : records) text += table_row(cpu, record);
    const RecordSummary* deepest = deepest_record(records);
    if (deepest == nullptr) return text + formatted("Stack needed: %d bytes\n", stack_bytes(cpu, 0));
    return text + formatted("Stack needed: %d bytes (record %d, %d levels of nesting)\n", deepest->stack,
                            deepest->number, deepest->nesting);
}

std::string record_listing_text(const Job& job, const std::string& source) {
    const PackedText packed = packed_text_of(job);
    const std::vector<RecordSummary> records = summarize_records(packed);
    std::string text = "\n" + record_table_text(*packed.cpu, records) + "\n";
    const std::vector<std::string> findings = check_packed_text(job, listing_texts(job, source, records), records);
    if (findings.empty()) text += "Checks: nothing found.\n";
    for (const std::string& finding : findings) text += "Check: " + finding + "\n";
    return text;
}

}  // namespace vendrel

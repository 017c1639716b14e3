// The separator check of the record listing. Texts lay their records out in
// a few common ways: the separator alone on a line between records (fortune
// files), the separator at the start of each record's first line ("#Score:
// 5"), or a line end as the separator, one record per line. A separator that
// stands where the others do not is most likely meant as a character of the
// text, and every later record number shifts by one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "listing/record_summary.h"

namespace vendrel {

// Adds a line to found for each way the separators break the layout the
// others follow. laid_out is the text with its lines as the file has them,
// before a line-end option joins them: it holds the same separators as the
// packed text, in the same order. records are the packed records.
void check_separator_layout(std::string_view laid_out, std::uint8_t separator,
                            const std::vector<RecordSummary>& records, std::vector<std::string>& found);

}  // namespace vendrel

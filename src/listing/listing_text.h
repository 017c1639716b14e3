// The text of the record listing (-list): a table of every record, then a
// line for each check that found something in what was packed.
#pragma once

#include <string>
#include <vector>

#include "base/job.h"
#include "listing/record_summary.h"

namespace vendrel {

// The table of records: a heading, then a row for each record with its
// number, characters, codes, longest line, time (T-states or cycles of
// cpu), stack (for a CPU whose stack is bounded) and first characters;
// then a line with the stack the deepest record needs.
std::string record_table_text(const CpuDescription& cpu, const std::vector<RecordSummary>& records);

// After packing and composing: an empty line, the table, an empty line and
// the checks' lines ("Checks: nothing found." when none found anything).
// source is the file as it was read: the checks prepare a copy of it for
// the lines it had.
std::string record_listing_text(const Job& job, const std::string& source);

}  // namespace vendrel

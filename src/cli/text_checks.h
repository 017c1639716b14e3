// The checks of the record listing: traps in a text or an image that pack
// without an error but do not work as meant on the target.
#pragma once

#include <string>
#include <vector>

#include "base/job.h"
#include "cli/record_summary.h"

namespace vendrel {

// One line for each check that found something, naming the record or the
// byte position. source is the text as it was read; records are the packed
// job's records. Nothing found: an empty list.
std::vector<std::string> check_packed_text(const Job& job, const std::string& source,
                                           const std::vector<RecordSummary>& records);

}  // namespace vendrel

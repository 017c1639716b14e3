// The texts that the checks of the record listing look at.
#pragma once

#include <string>
#include <vector>

#include "base/job.h"
#include "listing/record_summary.h"

namespace vendrel {

struct ListingTexts {
    // The source file as it was read: for the checks that concern the
    // file itself.
    std::string file;
    // The text after the conversion table and the Desktop import, before a
    // line-end option joins its lines: where a separator stands in a line.
    std::string laid_out;
    // What was packed: the prepared text, read back from the records.
    std::string packed;
};

// For a packed job and its records; file is the source as it was read.
// The laid-out text is prepared again, on a copy, by the same passes.
ListingTexts listing_texts(const Job& job, std::string file, const std::vector<RecordSummary>& records);

}  // namespace vendrel

// The checks of the record listing: traps in a text or an image that pack
// without an error but do not work as meant on the target.
#pragma once

#include <string>
#include <vector>

#include "base/job.h"
#include "listing/listing_texts.h"
#include "listing/record_summary.h"

namespace vendrel {

// One line for each check that found something, naming the record and the
// line. The checks look at what was packed, after the conversion table, the
// Desktop import and the line-end option; those about the file itself (a
// byte-order mark, bytes the conversion table leaves unmapped, -oa's dropped
// byte) say so. Nothing found: an empty list.
std::vector<std::string> check_packed_text(const Job& job, const ListingTexts& texts,
                                           const std::vector<RecordSummary>& records);

}  // namespace vendrel

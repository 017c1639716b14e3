// The record listing (-list) on the console: the listing library composes
// its text, a table of every record and the checks that found something.
#pragma once

#include <string>

#include "base/job.h"

namespace vendrel {

// After packing and composing: the table of records, then one line for
// each check that found something in what was packed. source is the file
// as it was read: the checks prepare a copy of it for the lines it had.
void print_record_listing(const Job& job, const std::string& source);

// With -x: recognises the image in the text buffer and lists its records.
// Returns 0 or kNotPackedFile (reported).
int list_image_records(Job& job);

}  // namespace vendrel

// -best: the default packer's result replaced by the smallest pair table
// and code stream the search finds for the same text.
#pragma once

#include "base/job.h"

namespace vendrel {

// Takes the job as the default packer leaves it, recovers the prepared
// text from its code stream, and puts a smaller pair table and code stream
// in its place when the search finds one: symbol_table_size, symbol_end,
// next_code and packed_length follow, the end mark stands behind the
// stream. The characters, their codes and the records stay as they are.
// nesting_cap: the deepest nesting the image may take, -1 for any.
void pack_smallest(Job& job, int nesting_cap = -1);

}  // namespace vendrel

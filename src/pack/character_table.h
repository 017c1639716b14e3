// The first packing stage: every distinct byte of the prepared text gets a
// one-byte code, its index in the character table, and the text is
// rewritten in place as a stream of these codes.
#pragma once

#include "base/job.h"

namespace vendrel {

// Most different characters a text may have; one more is refused.
inline constexpr int kMaxCharacterCount = 126;

// Fills the character table at the start of job.symbol_table with the
// bytes of the prepared text in the order of their first appearance (the
// rest of the 512 bytes becomes 0xFF) and sets char_count, source_length,
// packed_length and symbol_end. Applies no limit: up to 255 characters.
void build_character_table(Job& job);

// Replaces each byte of the prepared text by its code and sets
// record_count to the number of separators minus one. The end mark stays.
void map_text_to_codes(Job& job);

}  // namespace vendrel

// The search behind -best: a pair table and code stream smaller than the
// default packer's, which the unchanged unpack routines and extraction read
// the same way. docs/best-search.md describes its stages and its work unit.
#pragma once

#include <cstdint>
#include <vector>

namespace vendrel {

// A pair table and code stream that the unpack routines read like the
// default packer's.
struct PhraseImage {
    std::vector<std::uint8_t> pair_table;   // 2 bytes per pair code n, n+1, ...: left code, right code
    std::vector<std::uint8_t> code_stream;  // records separated by bare code 0
};

// What the target asks of the image beside its size.
struct BestSearchLimits {
    static constexpr int kNoNestingCap = -1;
    // The deepest nesting (phrase_shapes.h: levels of recursion of the
    // unpack routine, 4 bytes of stack each) that any code of the image may
    // take, for a target whose stack is bounded. The search's own limit, one
    // level more than the default packer's image takes in the same record,
    // applies too: every record is held to the smaller of the two. A cap
    // below what the default packer's image takes holds the search's image
    // only. kNoNestingCap: no cap.
    int max_nesting_cap = kNoNestingCap;
};

// text: the prepared text as character codes (0 .. char_count-1; code 0
// separates records), the code stream as it is before any pair
// substitution. greedy: what the default packer made of it. Returns true
// and fills best when it found an image whose pair table + code stream is
// smaller than greedy's; false otherwise (best is then unspecified).
// Deterministic: bounded by work, never by time.
bool search_best_image(const std::uint8_t* text, int length, int char_count, const PhraseImage& greedy,
                       PhraseImage& best, const BestSearchLimits& limits = {});

}  // namespace vendrel

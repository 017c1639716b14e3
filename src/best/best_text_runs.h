// The runs that the search parses on their own: the records of the text,
// long ones cut where the default packer's codes meet.
#pragma once

#include <cstdint>
#include <vector>

#include "best/best_search.h"
#include "best/best_search_state.h"

namespace vendrel {

// Records longer than this are cut into runs of half to whole this length.
inline constexpr int kLongestRun = 256;

std::vector<TextRun> text_runs(const std::uint8_t* text, int length, int char_count, const PhraseImage& greedy);

}  // namespace vendrel

// The runs that the search parses on their own: the records of the text,
// long ones cut where the default packer's codes meet.
#pragma once

#include <cstdint>
#include <vector>

#include "pack/best_search.h"
#include "pack/best_search_state.h"

namespace vendrel {

// Runs longer than this are cut (never a record shorter than it).
inline constexpr int kLongestRun = 1024;

std::vector<TextRun> text_runs(const std::uint8_t* text, int length, int char_count, const PhraseImage& greedy);

}  // namespace vendrel

// Where the candidate phrases come from: pair replacement without a limit
// on codes, and the pair table of the default packer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "best/best_phrase_set.h"

namespace vendrel {

// Longer phrases are not entered: they bound the work of every parse. (A
// text of long repeats may then keep the default packer's image.)
inline constexpr std::size_t kLongestPhrase = 64;

// Replaces the most frequent adjacent pair of symbols (never one with code
// 0) by a new symbol, over and over, until no pair occurs 3 times or
// max_phrases new symbols have been made; enters each new symbol's text.
void add_replacement_phrases(PhraseSet& set, const std::uint8_t* text, int length, int max_phrases);

// The same replacement over a stream of symbols (0 separates; texts holds
// the characters of every symbol): the texts of the new symbols, in the
// order they were made, those longer than kLongestPhrase left out.
std::vector<std::string> replacement_phrases(std::vector<int> symbols, std::vector<std::string> texts,
                                             int max_phrases);

// Enters the text of every pair code of a pair table (2 bytes per code,
// codes from set.char_count on).
void add_pair_table_phrases(PhraseSet& set, const std::vector<std::uint8_t>& pair_table);

}  // namespace vendrel

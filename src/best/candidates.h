// The candidate phrases of the search: their texts, every way to cut each
// into two halves that are characters or phrases themselves, and where
// they come from: pair replacement without a limit on codes, and the pair
// table of the default packer.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "best/phrase_trie.h"

namespace vendrel {

struct PhraseSet {
    int char_count = 0;
    std::vector<std::string> text;  // per phrase id: its character codes, two or more
    std::unordered_map<std::string, int> id_of;
    // Halves are symbols: a character code (below char_count) or
    // char_count + a phrase id.
    std::vector<std::vector<std::pair<int, int>>> splits;
    // Per phrase: the phrases that have a split with it as a half, once each.
    std::vector<std::vector<int>> parents;
};

// The id of text, entered when new.
int add_phrase_text(PhraseSet& set, const std::string& text);

// A trie of every phrase of the set, by id.
PhraseTrie trie_of(const PhraseSet& set);

// Fills splits and parents for every phrase of the set.
void find_splits(PhraseSet& set, const PhraseTrie& trie);

// Replaces the most frequent adjacent pair of symbols (never one with code
// 0) by a new symbol, over and over, until no pair occurs 3 times or
// max_phrases new symbols have been made; enters each new symbol's text.
// Returns the work, in steps: a step per symbol of the text, and one per
// pair replaced.
long long add_replacement_phrases(PhraseSet& set, const std::uint8_t* text, int length, int max_phrases);

// The same replacement over a stream of symbols (0 separates; texts holds
// the characters of every symbol): the texts of the new symbols, in the
// order they were made, those longer than the longest phrase entered left
// out. Adds the work to steps when given.
std::vector<std::string> replacement_phrases(std::vector<int> symbols, std::vector<std::string> texts,
                                             int max_phrases, long long* steps = nullptr);

// Enters the text of every pair code of a pair table (2 bytes per code,
// codes from set.char_count on).
void add_pair_table_phrases(PhraseSet& set, const std::vector<std::uint8_t>& pair_table);

}  // namespace vendrel

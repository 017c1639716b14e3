// The candidate phrases of the search: their texts, and every way to cut
// each into two halves that are characters or phrases themselves.
#pragma once

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "best/best_phrase_trie.h"

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

// The symbol of a text of one character or of a phrase of the set; -1 when
// it is neither.
int symbol_of(const PhraseSet& set, const std::string& text);

// The id of text, entered when new.
int add_phrase_text(PhraseSet& set, const std::string& text);

// A trie of every phrase of the set, by id.
PhraseTrie trie_of(const PhraseSet& set);

// Fills splits and parents for every phrase of the set.
void find_splits(PhraseSet& set, const PhraseTrie& trie);

}  // namespace vendrel

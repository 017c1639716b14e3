// Every phrase of the trie that starts at each position of the text, found
// in one walk of the whole text, so that the search's many parses of short
// windows read a list instead of walking the trie again and again.
#pragma once

#include <cstdint>
#include <vector>

#include "best/best_phrase_trie.h"

namespace vendrel {

struct PhraseMatch {
    int length;
    int id;
};

struct PhraseMatches {
    std::vector<int> first;          // per position, and one past the last: where its matches start in list
    std::vector<PhraseMatch> list;   // each position's matches, shortest first
    std::vector<int> reach;          // per position: the codes the trie walk from it follows
};

// Finds the matches of every phrase of trie in text[0, length).
void find_matches(const PhraseTrie& trie, const std::uint8_t* text, int length, PhraseMatches& matches);

}  // namespace vendrel

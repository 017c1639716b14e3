// Optimal parse: a run of character codes split into the fewest codes, each
// a single character or an enabled phrase of the trie.
#pragma once

#include <cstdint>
#include <vector>

#include "best/phrase_trie.h"

namespace vendrel {

// Work arrays of the parse, kept between calls.
struct ParseScratch {
    std::vector<int> cost;    // fewest codes from a position to the end of the run
    std::vector<int> length;  // length of the first code chosen there
    std::vector<int> phrase;  // its phrase id, kNoPhrase for a character
    // The work done so far, in trie steps: what walking the trie from each
    // position of the parsed spans would take. The parse no longer walks the
    // trie (it reads the matches found once), but still counts those steps,
    // so that the work bounds of the search, and with them its output, stay
    // the same when a faster way of parsing comes in.
    long long steps = 0;
};

// Which phrases a parse may use: enabled[id] != 0, id != excluded, and,
// with nesting given, (*nesting)[id] <= max_nesting.
struct PhraseFilter {
    const std::vector<std::uint8_t>* enabled;
    int excluded = kNoPhrase;
    const std::vector<int>* nesting = nullptr;
    int max_nesting = 0;
};

// Returns the fewest codes for text[begin, end), whose matches (of the
// phrases of one trie) are those given, and leaves that parse in scratch:
// the first code from begin + i is scratch.length[i] long and is phrase
// scratch.phrase[i]. Among parses of equal length the one taking longer
// phrases earlier wins. The work counted is that of walking the trie.
int parse_run(const PhraseMatches& matches, const PhraseFilter& filter, int begin, int end, ParseScratch& scratch);

// The same for text[begin, end) alone, with its matches found first.
int parse_run(const PhraseTrie& trie, const PhraseFilter& filter, const std::uint8_t* text, int begin, int end,
              ParseScratch& scratch);

// The codes of that parse: a character's code, or code_of_phrase[id].
void emit_parse(const PhraseTrie& trie, const PhraseFilter& filter, const std::uint8_t* text, int begin, int end,
                ParseScratch& scratch, const std::vector<std::uint8_t>& code_of_phrase, std::vector<std::uint8_t>& out);

}  // namespace vendrel

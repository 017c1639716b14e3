// The state of the phrase search: the candidate phrases, which of them are
// kept, and the optimal parse of every run of the text under the kept ones,
// with the bookkeeping that lets a change re-parse only the runs it touches.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "best/candidates.h"
#include "best/optimal_parse.h"
#include "best/phrase_trie.h"
#include "best/search_best_image.h"

namespace vendrel {

// A stretch of the text parsed on its own: a record, or a piece of a long one.
struct TextRun {
    int begin;
    int end;
};

// Records longer than this are cut into runs of half to whole this length.
// A run is what a change re-parses whole and what the removal windows stay
// inside; shorter runs make each re-parse cheaper, at the price of a forced
// code boundary at every cut. It was 1,024 in the first version of the
// search; the figures behind the change to 256 are not recorded.
inline constexpr int kLongestRun = 256;

// Two bytes per pair code in the pair table: what keeping a phrase costs.
inline constexpr int kPairBytes = 2;

// The runs that the search parses on their own: the records of the text,
// long ones cut where the default packer's codes meet.
std::vector<TextRun> text_runs(const std::uint8_t* text, int length, int char_count, const PhraseImage& greedy);

struct SearchState {
    const std::uint8_t* text = nullptr;
    PhraseSet set;
    PhraseTrie trie;
    int length = 0;
    PhraseMatches matches;        // of the trie's phrases in the text
    bool matches_stale = true;    // the trie has changed since they were found
    std::vector<std::uint8_t> kept;  // per phrase id
    int kept_count = 0;
    std::vector<TextRun> runs;
    std::vector<int> run_codes;                 // codes of each run's parse
    std::vector<std::vector<int>> phrase_uses;  // per phrase: positions where the
                                                // parse may use it (may be stale)
    std::vector<int> run_of;                    // per text position: its run, or -1 between runs
    long long stream_codes = 0;                 // sum of run_codes
    // The parse of every run, by text position: the length of the code that
    // starts there (0 inside a code), and its phrase id (kNoPhrase for a
    // character).
    std::vector<int> piece_length;
    std::vector<int> piece_phrase;
    ParseScratch scratch;
    // Nesting: the deepest each run may take, and each phrase's as last
    // worked out (kTooDeep without a split); a parse of a run uses only the
    // phrases that nest no deeper than it may.
    std::vector<int> run_nesting;
    std::vector<int> phrase_nesting;
    // Codes of the parse below this many make printing dearer and count
    // for nothing (unpack_cost.h).
    long long least_codes = 0;
    // The work the whole search may take: scratch.steps stops there.
    long long work_limit = std::numeric_limits<long long>::max();
};

inline constexpr int kTooDeep = 1 << 20;

// What the image's size depends on: pair-table bytes and codes of the
// parse, those below least_codes not counted.
inline long long search_size(const SearchState& state) {
    return static_cast<long long>(kPairBytes) * state.kept_count +
           (state.stream_codes > state.least_codes ? state.stream_codes : state.least_codes);
}

inline bool out_of_work(const SearchState& state) { return state.scratch.steps >= state.work_limit; }

// Gives every run the deepest nesting that its record may take
// (record_limit per record: the text after each code 0).
void set_run_nesting(SearchState& state, const std::vector<int>& record_limit);

// Works out the nesting of every kept phrase again.
void refresh_nesting(SearchState& state);

// Parses text[begin, end) under the kept phrases into the scratch space and
// returns its codes; scratch.length and scratch.phrase hold the parse.
int parse_span(SearchState& state, int begin, int end);

// Keeps every phrase of set and parses every run; with record_limit, each
// run held to its record's limit (set_run_nesting).
void start_search(SearchState& state, const std::uint8_t* text, int length, PhraseSet set, std::vector<TextRun> runs,
                  const std::vector<int>& record_limit = {});

// Leaves only the kept phrases in the trie, which makes every later parse
// walk fewer nodes; a phrase entered again comes back. Dropped phrases keep
// their ids but lose their splits.
void forget_dropped_phrases(SearchState& state);

// Keeps exactly the phrases marked in kept and parses every run again.
void keep_only(SearchState& state, const std::vector<std::uint8_t>& kept);

// Keeps the phrases of texts too, entering the new ones, and parses again.
void keep_also(SearchState& state, const std::vector<std::string>& texts);

// Keeps exactly the phrases marked in kept (as it was earlier, perhaps
// before the set grew), putting back in the trie those it forgot.
void restore_kept(SearchState& state, std::vector<std::uint8_t> kept);

// Codes of the current parse in text[begin, end), which start and end at code
// boundaries.
int codes_between(const SearchState& state, int begin, int end);

// The stretches to parse again when the phrases of ids go: from a few
// codes before each of their uses to a few after it, stretches of one run
// that meet joined; in text order.
std::vector<TextRun> removal_windows(SearchState& state, const std::vector<int>& ids);

// Drops kept phrases and re-parses the windows around their uses: the
// parse stays close to optimal (keep_only makes it optimal again).
void remove_phrases(SearchState& state, const std::vector<int>& ids);

// The phrase ids of the kept phrases, in increasing order.
std::vector<int> kept_phrases(const SearchState& state);

}  // namespace vendrel

// Removal cost by windows: around each use of the phrase, the codes from a
// few before it to a few after it are parsed again without the phrase;
// windows that meet are parsed as one.
#include "pack/best_removal_cost.h"

namespace vendrel {

namespace {

// Codes kept in a window on each side of a use.
constexpr int kWindowCodes = 4;

// Codes of the current parse in text[begin, end), which start and end at code boundaries.
int codes_between(const SearchState& state, int begin, int end) {
    int codes = 0;
    for (int at = begin; at < end; at += state.piece_length[static_cast<std::size_t>(at)]) ++codes;
    return codes;
}

}  // namespace

int removal_growth(SearchState& state, int id) {
    tidy_runs_of(state, id);
    const PhraseFilter filter{&state.kept, id};
    int growth = 0;
    auto parse_window = [&](int begin, int end) {
        growth += parse_run(state.trie, filter, state.text, begin, end, state.scratch) -
                  codes_between(state, begin, end);
    };
    int recent[kWindowCodes];  // starts of the last codes, a ring
    for (const int run : state.phrase_runs[static_cast<std::size_t>(id)]) {
        const TextRun& span = state.runs[static_cast<std::size_t>(run)];
        int window_begin = -1;
        int window_end = -1;
        int seen = 0;
        for (int at = span.begin; at < span.end;) {
            const int length = state.piece_length[static_cast<std::size_t>(at)];
            if (length > 1 && state.piece_phrase[static_cast<std::size_t>(at)] == id) {
                const int begin = seen < kWindowCodes ? span.begin : recent[seen % kWindowCodes];
                int end = at + length;
                for (int k = 0; k < kWindowCodes && end < span.end; ++k) {
                    end += state.piece_length[static_cast<std::size_t>(end)];
                }
                if (window_end >= begin) {
                    window_end = end;
                } else {
                    if (window_end >= 0) parse_window(window_begin, window_end);
                    window_begin = begin;
                    window_end = end;
                }
            }
            recent[seen % kWindowCodes] = at;
            ++seen;
            at += length;
        }
        if (window_end >= 0) parse_window(window_begin, window_end);
    }
    return growth;
}

}  // namespace vendrel

// The search for a smaller image: candidate phrases from unlimited pair
// replacement and from the default packer, pruned to what pays for its
// table bytes under an optimal parse, grown again from that parse and
// improved, then numbered and written.
#include "best/search_best_image.h"

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

#include "best/candidates.h"
#include "best/numbering.h"
#include "best/phrase_shapes.h"
#include "best/pruning.h"
#include "best/regrowth.h"
#include "best/search_state.h"
#include "best/unpack_cost.h"

namespace vendrel {

namespace {

// Codes are one byte: the characters and the pair codes share 256 values.
constexpr int kCodeCount = 256;
// Candidate phrases made by pair replacement over the text, at most. The
// first pruning's work grows with the candidates; under a work bound of
// 500 steps per character, 1,000 left more work for regrowth than 6,000 and took
// the 17 texts of scripts/best-corpus.sh from 1.82 % to 1.85 % smaller in
// total (600: 1.85 % too).
constexpr int kMostReplacementPhrases = 1000;
// How much deeper than the default packer's image, in the same record, the
// unpack routine may recurse; each level takes 4 more bytes of the
// target's stack. With one level, the 17 texts of scripts/best-corpus.sh
// pack 2.00 % smaller in total (when the limit held for the image's
// deepest record only). Figures for 0 or 2 levels are not recorded.
constexpr int kExtraNesting = 1;

// The work the whole search may take, in trie steps (ParseScratch::steps,
// which also counts the pair replacements and the finding of matches),
// whatever the text's length: 500 per character of the longest text. On
// the machine the figures of docs/best-search.md come from, it takes 0.3
// to 0.5 s of CPU on real texts of 65,535 bytes and at most 0.71 s on the
// hostile inputs of scripts/best-hostile.sh; twice as much took up to
// 0.9 s on real texts and 1.3 s on hostile ones. Shorter texts get the
// same work: a bound of 500 steps per character of their own took the 17
// texts of scripts/best-corpus.sh to 1.85 % smaller in total, this one to
// 1.88 %.
constexpr long long kWork = 500LL * 65'535;

std::size_t image_size(const PhraseImage& image) { return image.pair_table.size() + image.code_stream.size(); }

// Character codes only in the text, and a pair table whose codes refer to
// smaller codes only.
bool is_well_formed(const std::uint8_t* text, int length, int char_count, const PhraseImage& greedy) {
    for (int i = 0; i < length; ++i) {
        if (text[i] >= char_count) return false;
    }
    if (greedy.pair_table.size() % 2 != 0 || char_count + greedy.pair_table.size() / 2 > kCodeCount) return false;
    for (std::size_t k = 0; k < greedy.pair_table.size(); ++k) {
        if (greedy.pair_table[k] >= char_count + static_cast<int>(k / 2)) return false;
    }
    return true;
}

// Pruning does not see that a phrase it keeps may come to nest too deep
// for some records once the shorter phrases it was made of are gone; where
// the nesting limits bite (short records of few levels beside long ones),
// the default packer's own phrases under an optimal parse can be the
// better start. Takes them when they are smaller.
void start_from_greedy_if_smaller(SearchState& state, std::size_t greedy_phrases, int max_phrases,
                                  int max_nesting) {
    const std::vector<std::uint8_t> pruned = state.kept;
    const long long pruned_size = search_size(state);
    std::vector<std::uint8_t> kept(state.kept.size(), 0);
    std::fill(kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(greedy_phrases), 1);
    restore_kept(state, kept);
    limit_nesting(state, max_nesting);
    if (state.kept_count <= max_phrases && search_size(state) < pruned_size) return;
    restore_kept(state, pruned);
}

// Codes of a stream, code 0 left out.
long long stream_codes(const PhraseImage& image) {
    return static_cast<long long>(image.code_stream.size()) -
           std::count(image.code_stream.begin(), image.code_stream.end(), 0);
}

// The deepest nesting each record of the search's image may take.
std::vector<int> record_limits(const PhraseImage& greedy, int char_count, int cap) {
    std::vector<int> limits = record_nesting(greedy, char_count);
    for (int& limit : limits) {
        limit += kExtraNesting;
        if (cap != BestSearchLimits::kNoNestingCap) limit = std::min(limit, cap);
    }
    return limits;
}

}  // namespace

bool search_best_image(const std::uint8_t* text, int length, int char_count, const PhraseImage& greedy,
                       PhraseImage& best, const BestSearchLimits& limits) {
    if (length <= 0 || char_count < 1 || char_count >= kCodeCount) return false;
    if (!is_well_formed(text, length, char_count, greedy)) return false;
    const int max_phrases = kCodeCount - char_count;
    const std::vector<int> record_limit = record_limits(greedy, char_count, limits.max_nesting_cap);
    if (record_limit.empty()) return false;
    const int max_nesting = *std::max_element(record_limit.begin(), record_limit.end());

    SearchState state;
    state.work_limit = kWork;
    PhraseSet set;
    set.char_count = char_count;
    add_pair_table_phrases(set, greedy.pair_table);
    const std::size_t greedy_phrases = set.text.size();  // ids 0 .. greedy_phrases - 1
    state.scratch.steps += add_replacement_phrases(set, text, length, kMostReplacementPhrases);

    state.least_codes = least_stream_codes(text, length, greedy);
    start_search(state, text, length, std::move(set), text_runs(text, length, char_count, greedy), record_limit);
    prune_phrases(state, max_phrases);
    forget_dropped_phrases(state);
    limit_nesting(state, max_nesting);
    start_from_greedy_if_smaller(state, greedy_phrases, max_phrases, max_nesting);
    regrow_phrases(state, max_phrases, max_nesting);
    // The parse made optimal again (removals leave it a little long), held
    // to the fewest codes it may take.
    keep_only(state, state.kept);
    while (state.stream_codes < state.least_codes) {
        if (!give_back_codes(state)) return false;
        limit_nesting(state, max_nesting);
        keep_only(state, state.kept);
    }
    if (state.kept_count > max_phrases) return false;
    emit_phrase_image(state, length, best);
    if (stream_codes(best) < state.least_codes) emit_phrase_image(state, length, best, true);
    return image_size(best) < image_size(greedy);
}

}  // namespace vendrel

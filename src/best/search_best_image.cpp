// The search for a smaller image: candidate phrases from unlimited pair
// replacement and from the default packer, pruned to what pays for its
// table bytes under an optimal parse, grown again from that parse and
// improved, then numbered and written.
#include "best/search_best_image.h"

#include <utility>

#include "best/candidates.h"
#include "best/numbering.h"
#include "best/pruning.h"
#include "best/regrowth.h"
#include "best/search_state.h"

namespace vendrel {

namespace {

// Codes are one byte: the characters and the pair codes share 256 values.
constexpr int kCodeCount = 256;
// Candidate phrases made by pair replacement over the text, at most. The
// bound holds the trie, the matches and the first pruning (whose work grows
// with the candidates) in check on texts of many repeats. On the six
// 65,535-byte benchmark inputs replacement stops by itself first (no pair
// left 3 times), with 46 to 2,498 candidates in all, so the bound changes
// nothing there; no text is recorded on which a larger one made a smaller
// image.
constexpr int kMostReplacementPhrases = 6000;
// How much deeper than the default packer's the unpack routine may
// recurse; each level takes 4 more bytes of the target's stack. With one
// level, the 17 texts of scripts/best-corpus.sh pack 2.00 % smaller in
// total, the deepest stack grows by at most those 4 bytes and the T-states
// per printed character by at most 1.0 %. Figures for 0 or 2 levels are
// not recorded.
constexpr int kExtraNesting = 1;

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

}  // namespace

bool search_best_image(const std::uint8_t* text, int length, int char_count, const PhraseImage& greedy,
                       PhraseImage& best) {
    if (length <= 0 || char_count < 1 || char_count >= kCodeCount) return false;
    if (!is_well_formed(text, length, char_count, greedy)) return false;
    const int max_phrases = kCodeCount - char_count;
    PhraseSet set;
    set.char_count = char_count;
    add_pair_table_phrases(set, greedy.pair_table);
    add_replacement_phrases(set, text, length, kMostReplacementPhrases);

    SearchState state;
    start_search(state, text, length, std::move(set), text_runs(text, length, char_count, greedy));
    prune_phrases(state, max_phrases);
    forget_dropped_phrases(state);
    const int max_nesting = deepest_nesting(greedy, char_count) + kExtraNesting;
    limit_nesting(state, max_nesting);
    regrow_phrases(state, max_phrases, max_nesting);
    if (state.kept_count > max_phrases) return false;
    emit_phrase_image(state, length, best);
    return image_size(best) < image_size(greedy);
}

}  // namespace vendrel

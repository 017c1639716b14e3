// The search for a smaller image: candidate phrases from unlimited pair
// replacement and from the default packer, pruned to what pays for its
// table bytes under an optimal parse, then numbered and written.
#include "pack/best_search.h"

#include <utility>
#include <cstdio>

#include "pack/best_candidates.h"
#include "pack/best_improvement.h"
#include "pack/best_numbering.h"
#include "pack/best_pruning.h"
#include "pack/best_search_state.h"
#include "pack/best_text_runs.h"

namespace vendrel {

namespace {

// Codes are one byte.
constexpr int kCodeCount = 256;
// Bounds the candidate phrases made by pair replacement, and with them the work.
constexpr int kMostReplacementPhrases = 6000;
constexpr int kImprovementRounds = 8;

std::size_t image_size(const PhraseImage& image) { return image.pair_table.size() + image.code_stream.size(); }

}  // namespace

bool search_best_image(const std::uint8_t* text, int length, int char_count, const PhraseImage& greedy,
                       PhraseImage& best) {
    if (length <= 0 || char_count < 1 || char_count >= kCodeCount) return false;
    PhraseSet set;
    set.char_count = char_count;
    add_pair_table_phrases(set, greedy.pair_table);
    add_replacement_phrases(set, text, length, kMostReplacementPhrases);

    SearchState state;
    start_search(state, text, length, std::move(set), text_runs(text, length, char_count, greedy));
    prune_phrases(state, kCodeCount - char_count);
    improve_phrases(state, kCodeCount - char_count, kImprovementRounds);
    fprintf(stderr, "%lld\n", search_size(state));
    emit_phrase_image(state, length, best);
    return image_size(best) < image_size(greedy);
}

}  // namespace vendrel

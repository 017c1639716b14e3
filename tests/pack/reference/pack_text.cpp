#include "pack/reference/pack_text.h"

#include "base/errors.h"
#include "pack/character_table.h"
#include "pack/pack_text.h"
#include "pack/reference/candidate_recount.h"
#include "pack/reference/initial_pairs.h"
#include "pack/reference/new_code_pairs.h"
#include "pack/reference/pair_substitution.h"
#include "pack/reference/stream_marks.h"

namespace vendrel::reference {

// The text is prepared by the program's own passes; what is compared is the
// packing that follows.
int pack_text(Job& job) {
    const int prepared = prepare_text(job);
    if (prepared != 0) return prepared;

    build_character_table(job);
    if (job.char_count > kMaxCharacterCount) return kTooManyCharacters;
    job.next_code = job.char_count;
    map_text_to_codes(job);

    count_initial_pairs(job);
    clear_marks(job);

    while (substitute_best_pair(job)) {
        if (job.oa) {
            recount_candidates_single_pass(job);
        } else {
            recount_candidates(job);
        }
        count_new_code_pairs(job);
        if (marks_usable(job)) clear_marks(job);
    }

    job.symbol_table_size = static_cast<std::int32_t>(job.symbol_end - job.symbol_table);
    return 0;
}

}  // namespace vendrel::reference

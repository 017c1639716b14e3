#include "pack/reference/pack_text.h"

#include "cli/messages.h"
#include "pack/reference/candidate_recount.h"
#include "pack/character_table.h"
#include "pack/reference/initial_pairs.h"
#include "pack/reference/new_code_pairs.h"
#include "pack/reference/pair_substitution.h"
#include "pack/reference/stream_marks.h"
#include "prepare/conversion_table.h"
#include "prepare/desktop_import.h"
#include "prepare/line_ends.h"

namespace vendrel::reference {

namespace {

// Runs the one line-end policy that the options ask for; the flags are
// tested in this order and only the first one set counts.
void apply_chosen_line_end_policy(Job& job) {
    if (job.no_crlf) {
        apply_line_end_policy(job, false, false, false);
    } else if (job.crlf_spc) {
        apply_line_end_policy(job, false, false, true);
    } else if (job.only_cr) {
        apply_line_end_policy(job, true, false, false);
    } else if (job.only_lf) {
        apply_line_end_policy(job, false, true, false);
    }
}

// Prepares the text in place. Returns 0 or an error a pass has reported.
int prepare_text(Job& job) {
    if (job.conversion_count > 0) apply_conversion_table(job);
    if (job.dtp) {
        const int result = import_desktop_document(job);
        if (result != 0) return result;
    }
    apply_chosen_line_end_policy(job);
    return 0;
}

}  // namespace

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

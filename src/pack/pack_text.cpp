#include "pack/pack_text.h"

#include <memory>
#include <new>

#include "base/errors.h"
#include "pack/candidate_recount.h"
#include "pack/character_table.h"
#include "pack/initial_pairs.h"
#include "pack/linked_stream.h"
#include "pack/new_code_pairs.h"
#include "pack/pack_smallest.h"
#include "pack/pack_workspace.h"
#include "pack/pair_substitution.h"
#include "prepare/conversion_table.h"
#include "prepare/desktop_import.h"
#include "prepare/line_ends.h"

namespace vendrel {

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

}  // namespace

int prepare_text(Job& job) {
    if (job.conversion_count > 0) apply_conversion_table(job);
    if (job.dtp) {
        const int result = import_desktop_document(job);
        if (result != 0) return result;
    }
    apply_chosen_line_end_policy(job);
    return 0;
}

int pack_text(Job& job, int nesting_cap) {
    const int prepared = prepare_text(job);
    if (prepared != 0) return prepared;

    build_character_table(job);
    if (job.char_count > kMaxCharacterCount) return kTooManyCharacters;
    job.next_code = job.char_count;
    map_text_to_codes(job);

    // The work tables are fixed in size and taken once for the whole run;
    // only the part that is read before it is written is cleared.
    const std::unique_ptr<PackWorkspace> work(new (std::nothrow) PackWorkspace);
    if (work == nullptr) return report_error(kOutOfMemory);
    work->start(job.packed_length);

    count_initial_pairs(job, *work);
    link_stream(job, *work);
    while (substitute_best_pair(job, *work)) {
        const AffectedPairCounts& counts = work->affected;
        if (job.oa) {
            recount_candidates_single_pass(job, counts);
        } else {
            recount_candidates(job, counts);
        }
        count_new_code_pairs(job, *work);
    }
    write_linked_stream(job, *work);

    job.symbol_table_size = static_cast<std::int32_t>(job.symbol_end - job.symbol_table);
    if (job.best) pack_smallest(job, nesting_cap);
    return 0;
}

int pack_text(Job& job) { return pack_text(job, -1); }

}  // namespace vendrel

#include "packing_steps.h"

#include "pack/candidate_recount.h"
#include "pack/character_table.h"
#include "pack/initial_pairs.h"
#include "pack/new_code_pairs.h"
#include "pack/pair_substitution.h"
#include "pack/stream_marks.h"

namespace vendrel::test {

PackingSteps::PackingSteps(const std::string& text, bool oa) {
    job_->oa = oa ? 1 : 0;
    job_.load_text(text);
    build_character_table(*job_);
    job_->next_code = job_->char_count;
    map_text_to_codes(*job_);
    count_initial_pairs(*job_);
    clear_marks(*job_);
}

bool PackingSteps::substitute() { return substitute_best_pair(*job_); }

void PackingSteps::recount() {
    if (job_->oa) {
        recount_candidates_single_pass(*job_);
    } else {
        recount_candidates(*job_);
    }
}

void PackingSteps::count_new_pairs() { count_new_code_pairs(*job_); }

void PackingSteps::clear_marks_if_usable() {
    if (marks_usable(*job_)) clear_marks(*job_);
}

}  // namespace vendrel::test

#include "packing_steps.h"

#include "pack/reference/candidate_recount.h"
#include "pack/character_table.h"
#include "pack/reference/initial_pairs.h"
#include "pack/reference/new_code_pairs.h"
#include "pack/reference/pair_substitution.h"
#include "pack/reference/stream_marks.h"

namespace vendrel::test {

// The steps are those of the plain reference packer, whose stream carries
// the marks that the tests look at.
using namespace vendrel::reference;

PackingSteps::PackingSteps(const std::string& text, bool oa) {
    job_->oa = oa ? 1 : 0;
    test::load_text(*job_, text);
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

#include "target/stack_fits.h"

#include "base/errors.h"
#include "base/record_walker.h"
#include "target/cpu_description.h"

namespace vendrel {

int image_stack_bytes(const Job& job) {
    return stack_bytes(cpu_of_job(job), deepest_record_nesting(packed_codes_of(job)));
}

int nesting_cap(const Job& job) {
    if (job.stack_bound <= 0) return -1;
    const StackUse& stack = cpu_of_job(job).stack;
    if (job.stack_bound < stack.base || stack.per_level <= 0) return 0;
    return (job.stack_bound - stack.base) / stack.per_level;
}

int check_stack_fits(const Job& job) {
    if (job.stack_bound <= 0) return 0;
    const int bytes = image_stack_bytes(job);
    return bytes > job.stack_bound ? report_error(kStackTooDeep, bytes) : 0;
}

}  // namespace vendrel

// A packing run taken one operation at a time, so that tests can look at
// the stream and the candidate table between the operations.
#pragma once

#include <string>

#include "support/job_fixture.h"

namespace vendrel::test {

class PackingSteps {
public:
    // Loads the text and runs the steps up to the first substitution:
    // character table, code stream, initial count, clearing of marks.
    explicit PackingSteps(const std::string& text, bool oa = false);

    bool substitute();
    // The recount of the job's variant (-oa or not).
    void recount();
    void count_new_pairs();
    // Clears the marks when the packing loop would.
    void clear_marks_if_usable();

    Job& job() { return *job_; }

private:
    JobHandle job_ = make_job();
};

}  // namespace vendrel::test

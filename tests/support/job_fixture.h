// Jobs made in-process for the tests, with their buffers, released on exit.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cli/job.h"

namespace vendrel::test {

// A Job allocated zero-filled with the defaults of the command line (-1
// addresses, record numbers and conversion count) and all buffers of a
// packing run; released by the destructor.
class OwnedJob {
public:
    OwnedJob();
    ~OwnedJob();
    OwnedJob(const OwnedJob&) = delete;
    OwnedJob& operator=(const OwnedJob&) = delete;

    Job& operator*() const { return *job_; }
    Job* operator->() const { return job_; }
    Job* get() const { return job_; }

    // Copies text into the text buffer and places the end mark behind it
    // (one byte earlier with oa, as the main flow does), and stores the
    // length in source_length.
    void load_text(std::string_view text);

    // The first length bytes of a buffer, as a vector.
    static std::vector<std::uint8_t> bytes(const std::uint8_t* data, int length);

private:
    Job* job_ = nullptr;
};

// The text buffer up to its end mark (or its whole length without one).
std::string text_before_end_mark(const Job& job);

}  // namespace vendrel::test

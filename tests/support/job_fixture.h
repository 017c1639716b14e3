// The tests' view of a Job made with make_job: loading a text that must
// fit, and reading buffers back.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/job_making.h"

namespace vendrel::test {

using Bytes = std::vector<std::uint8_t>;

// Loads text as a source read whole (load_source_text); a text that does
// not fit fails the test.
void load_text(Job& job, std::string_view text);

// The first length bytes of a buffer.
Bytes bytes(const std::uint8_t* data, int length);

// The text buffer up to its end mark (or its whole length without one).
std::string text_before_end_mark(const Job& job);

}  // namespace vendrel::test

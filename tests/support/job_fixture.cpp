#include "support/job_fixture.h"

#include <gtest/gtest.h>

namespace vendrel::test {

void load_text(Job& job, std::string_view text) {
    EXPECT_EQ(load_source_text(job, text), 0) << "a text of " << text.size() << " bytes does not fit";
}

Bytes bytes(const std::uint8_t* data, int length) { return Bytes(data, data + length); }

std::string text_before_end_mark(const Job& job) {
    std::string text;
    for (int i = 0; i < kTextBufferSize && job.text_buffer[i] != kEndMark; ++i) {
        text.push_back(static_cast<char>(job.text_buffer[i]));
    }
    return text;
}

}  // namespace vendrel::test

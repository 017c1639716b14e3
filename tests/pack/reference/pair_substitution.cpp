#include "pack/reference/pair_substitution.h"

#include "pack/candidate_table.h"

namespace vendrel::reference {

bool substitute_best_pair(Job& job) {
    // The head's count is not looked at: an empty table has pair value 0.
    const std::uint16_t pair = job.candidate_table[0].pair;
    if (pair == 0) return false;
    const std::uint8_t left = left_code(pair);
    const std::uint8_t right = right_code(pair);

    *job.symbol_end++ = left;
    *job.symbol_end++ = right;

    const auto code = static_cast<std::uint8_t>(job.next_code);
    std::uint8_t* const stream = job.text_buffer;
    int read = 0;
    int write = 0;
    while (stream[read] != kEndMark) {
        if (stream[read] == left && stream[read + 1] == right) {
            stream[write] = code;
            read += 2;
        } else {
            stream[write] = stream[read];
            read += 1;
        }
        ++write;
    }
    // Once code 255 stands in the stream this end mark is no longer a bound
    // that can be trusted; packed_length is, and nothing walks the stream
    // after that last step.
    stream[write] = kEndMark;
    job.packed_length = write;

    if (job.next_code == kLastPairCode) return false;
    ++job.next_code;
    return true;
}

}  // namespace vendrel::reference

#include "pack/pair_substitution.h"

#include <cstring>

#include "pack/candidate_table.h"

namespace vendrel {

bool substitute_best_pair(Job& job, PackWorkspace& work) {
    // The head's count is not looked at: an empty table has pair value 0.
    const std::uint16_t pair = job.candidate_table[0].pair;
    if (pair == 0) return false;
    const std::uint8_t left = left_code(pair);
    const std::uint8_t right = right_code(pair);

    *job.symbol_end++ = left;
    *job.symbol_end++ = right;

    const auto code = static_cast<std::uint8_t>(job.next_code);
    std::uint8_t* const stream = job.text_buffer;
    const int length = job.packed_length;
    int read = 0;
    int write = 0;
    work.new_code_count = 0;
    while (read < length) {
        // Copy up to the next left code in one move.
        const void* found = std::memchr(stream + read, left, static_cast<std::size_t>(length - read));
        const int until = found != nullptr ? static_cast<int>(static_cast<const std::uint8_t*>(found) - stream)
                                           : length;
        if (until > read) {
            std::memmove(stream + write, stream + read, static_cast<std::size_t>(until - read));
            write += until - read;
            read = until;
        }
        if (read == length) break;
        if (read + 1 < length && stream[read + 1] == right) {
            work.new_code_positions[work.new_code_count++] = static_cast<std::uint16_t>(write);
            stream[write++] = code;
            read += 2;
        } else {
            stream[write++] = stream[read++];
        }
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

std::uint16_t AffectedPairCounts::of(std::uint8_t left, std::uint8_t right) const {
    if (left == a) return right == a ? a_twice : left_is_a[right];
    if (left == b) return right == b ? b_twice : left_is_b[right];
    if (right == a) return right_is_a[left];
    if (right == b) return right_is_b[left];
    return 0;
}

namespace {

// Counts the pairs around every occurrence of code, found with memchr:
// the pair it forms with its right neighbour, and the pair with its left
// neighbour unless that neighbour is itself one of the replaced codes
// (whose own walk takes the pair as its left pair). A pair of code twice is
// counted left to right without overlap.
void count_pairs_around(const std::uint8_t* stream, int length, std::uint8_t code,
                        std::uint16_t* left_is_code, std::uint16_t* right_is_code,
                        std::uint16_t& code_twice, std::uint8_t other) {
    int twice_end = -1;
    const std::uint8_t* position = stream;
    const std::uint8_t* const end = stream + length;
    while (position < end) {
        const void* found = std::memchr(position, code, static_cast<std::size_t>(end - position));
        if (found == nullptr) break;
        const auto* at = static_cast<const std::uint8_t*>(found);
        const int i = static_cast<int>(at - stream);
        if (i + 1 < length) {
            const std::uint8_t right = at[1];
            if (right != code) {
                ++left_is_code[right];
            } else if (i != twice_end) {
                ++code_twice;
                twice_end = i + 1;
            }
        }
        if (i > 0) {
            const std::uint8_t left = at[-1];
            if (left != code && left != other) ++right_is_code[left];
        }
        position = at + 1;
    }
}

}  // namespace

const AffectedPairCounts& count_affected_pairs(const Job& job, PackWorkspace& work) {
    AffectedPairCounts& counts = work.affected;
    std::memset(&counts, 0, sizeof counts);
    const std::uint8_t* pair_bytes = job.symbol_end - 2;
    counts.a = pair_bytes[0];
    counts.b = pair_bytes[1];

    const std::uint8_t* stream = job.text_buffer;
    const int length = job.packed_length;
    count_pairs_around(stream, length, counts.a, counts.left_is_a, counts.right_is_a, counts.a_twice, counts.b);
    if (counts.b != counts.a) {
        count_pairs_around(stream, length, counts.b, counts.left_is_b, counts.right_is_b, counts.b_twice, counts.a);
    }
    return counts;
}

}  // namespace vendrel

#include "pack/pair_substitution.h"

#include <cstring>

#include "pack/candidate_table.h"

namespace vendrel {

namespace {

// Keeps in the list of code only the positions that still hold it, and
// counts the pairs around each of them: the pair with its right neighbour,
// and the pair with its left neighbour unless that neighbour is itself one
// of the replaced codes (whose own walk takes the pair as its left pair).
// A pair of code twice is counted left to right without overlap.
void keep_and_count(const std::uint8_t* stream, std::uint8_t code, std::uint8_t other, PackWorkspace& work,
                    std::uint16_t* left_is_code, std::uint16_t* right_is_code, std::uint16_t& code_twice) {
    std::uint16_t* const list = work.occurrences;
    std::uint32_t kept = work.code_begin[code];
    std::uint16_t twice_end = kNoPosition;
    for (std::uint32_t index = work.code_begin[code]; index < work.code_end[code]; ++index) {
        const std::uint16_t p = list[index];
        if (stream[p] != code) continue;
        list[kept++] = p;
        const std::uint16_t after = work.next[p];
        if (after != kNoPosition) {
            const std::uint8_t right = stream[after];
            if (right != code) {
                ++left_is_code[right];
            } else if (p != twice_end) {
                ++code_twice;
                twice_end = after;
            }
        }
        const std::uint16_t before = work.previous[p];
        if (before != kNoPosition) {
            const std::uint8_t left = stream[before];
            if (left != code && left != other) ++right_is_code[left];
        }
    }
    work.code_end[code] = kept;
}

}  // namespace

bool substitute_best_pair(Job& job, PackWorkspace& work) {
    // The head's count is not looked at: an empty table has pair value 0.
    const std::uint16_t pair = job.candidate_table[0].pair;
    if (pair == 0) return false;
    const std::uint8_t left = left_code(pair);
    const std::uint8_t right = right_code(pair);

    *job.symbol_end++ = left;
    *job.symbol_end++ = right;

    // The occurrences of the left code, in stream order, are the only places
    // where the pair can begin. One whose code has changed was taken as the
    // right half of the pair just before it (left and right code are the
    // same), so the pair is replaced left to right without overlap. A right
    // half that leaves the chain is given the new code too, which tells it
    // apart from the codes still in the lists.
    const auto code = static_cast<std::uint8_t>(job.next_code);
    std::uint8_t* const stream = job.text_buffer;
    std::uint16_t* const list = work.occurrences;
    const std::uint32_t new_begin = work.occurrences_used;
    std::uint32_t new_end = new_begin;
    for (std::uint32_t index = work.code_begin[left]; index < work.code_end[left]; ++index) {
        const std::uint16_t p = list[index];
        if (stream[p] != left) continue;
        const std::uint16_t q = work.next[p];
        if (q == kNoPosition || stream[q] != right) continue;
        stream[p] = code;
        stream[q] = code;
        const std::uint16_t after = work.next[q];
        work.next[p] = after;
        if (after != kNoPosition) work.previous[after] = p;
        list[new_end++] = p;
    }
    AffectedPairCounts& counts = work.affected;
    std::memset(&counts, 0, sizeof counts);
    counts.a = left;
    counts.b = right;
    keep_and_count(stream, left, right, work, counts.left_is_a, counts.right_is_a, counts.a_twice);
    if (right != left) keep_and_count(stream, right, left, work, counts.left_is_b, counts.right_is_b, counts.b_twice);

    work.code_begin[code] = new_begin;
    work.code_end[code] = new_end;
    work.occurrences_used = new_end;
    work.new_code_positions = list + new_begin;
    work.new_code_count = static_cast<int>(new_end - new_begin);
    job.packed_length -= work.new_code_count;

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

}  // namespace vendrel

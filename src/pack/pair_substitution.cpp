#include "pack/pair_substitution.h"

#include "pack/candidate_table.h"

namespace vendrel {

namespace {

// Counts the pairs of code twice left to right without overlap, walking the
// code's list of occurrences, and drops from the list the positions that no
// longer hold the code.
std::uint16_t count_twice_and_keep(const std::uint8_t* stream, std::uint8_t code, PackWorkspace& work) {
    std::uint16_t* const list = work.occurrences;
    std::uint32_t kept = work.code_begin[code];
    std::uint16_t twice_end = kNoPosition;
    std::uint16_t count = 0;
    for (std::uint32_t index = work.code_begin[code]; index < work.code_end[code]; ++index) {
        const std::uint16_t p = list[index];
        if (stream[p] != code) continue;
        list[kept++] = p;
        const std::uint16_t after = work.next[p];
        if (after != kNoPosition && stream[after] == code && p != twice_end) {
            ++count;
            twice_end = after;
        }
    }
    work.code_end[code] = kept;
    return count;
}

bool table_holds(const Job& job, std::uint16_t pair) {
    for (int index = 0; index < kCandidateCount; ++index) {
        if (job.candidate_table[index].pair == pair) return true;
    }
    return false;
}

// Moves one occurrence of a pair from (old_left, old_right) to
// (new_left, new_right) in the counts of pairs of two different codes.
void recount_neighbour_pair(std::uint16_t* counts, std::uint8_t old_left, std::uint8_t old_right,
                            std::uint8_t new_left, std::uint8_t new_right) {
    if (old_left != old_right) --counts[pair_value(old_left, old_right)];
    if (new_left != new_right) ++counts[pair_value(new_left, new_right)];
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
    // where the pair can begin. One whose code has changed was replaced
    // before (as the right half of the pair just before it, when left and
    // right code are the same, or in an earlier step), so the pair is
    // replaced left to right without overlap and the list keeps only the
    // positions that still hold the left code. A right half that leaves the
    // chain is given the new code too, which tells it apart from the codes
    // still in the lists. Each replacement moves the pairs with its two
    // neighbours over to the new code in the pair counts.
    const auto code = static_cast<std::uint8_t>(job.next_code);
    std::uint8_t* const stream = job.text_buffer;
    std::uint16_t* const list = work.occurrences;
    std::uint16_t* const counts = work.pair_count;
    const std::uint32_t new_begin = work.occurrences_used;
    std::uint32_t new_end = new_begin;
    std::uint32_t kept = work.code_begin[left];
    for (std::uint32_t index = work.code_begin[left]; index < work.code_end[left]; ++index) {
        const std::uint16_t p = list[index];
        if (stream[p] != left) continue;
        const std::uint16_t q = work.next[p];
        if (q == kNoPosition || stream[q] != right) {
            list[kept++] = p;
            continue;
        }
        const std::uint16_t before = work.previous[p];
        const std::uint16_t after = work.next[q];
        if (before != kNoPosition) recount_neighbour_pair(counts, stream[before], left, stream[before], code);
        if (left != right) --counts[pair];
        if (after != kNoPosition) recount_neighbour_pair(counts, right, stream[after], code, stream[after]);
        stream[p] = code;
        stream[q] = code;
        work.next[p] = after;
        if (after != kNoPosition) work.previous[after] = p;
        list[new_end++] = p;
    }
    work.code_end[left] = kept;

    AffectedPairCounts& affected = work.affected;
    affected.a = left;
    affected.b = right;
    affected.pair_count = counts;
    affected.a_twice = table_holds(job, pair_value(left, left)) ? count_twice_and_keep(stream, left, work) : 0;
    affected.b_twice = right != left && table_holds(job, pair_value(right, right))
                           ? count_twice_and_keep(stream, right, work)
                           : affected.a_twice;

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

}  // namespace vendrel

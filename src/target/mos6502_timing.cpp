#include "target/mos6502_timing.h"

#include <algorithm>

#include "target/image_format.h"

namespace vendrel {

namespace {

// A conditional branch of the routine: its own offset and its target's.
// Taken, it costs one cycle more when the target lies on another page than
// the instruction after the branch.
struct Branch {
    int at;
    int target;
};

constexpr Branch kNextByte = {15, 19};       // scan: Y did not wrap
constexpr Branch kNotAtEnd = {21, 29};       // scan: low byte other than the end's
constexpr Branch kNotSeparator = {31, 14};   // scan: a code other than 0
constexpr Branch kCountLowSet = {35, 39};    // separator: the count's low byte not 0 yet
constexpr Branch kLowLeft = {41, 14};        // separator: low byte not 0 after the count
constexpr Branch kHighLeft = {45, 14};       // separator: high byte not 0
constexpr Branch kPointerSamePage = {51, 55};  // record loop: the pointer did not wrap
constexpr Branch kRecordEnd = {59, 104};     // record loop: code 0
constexpr Branch kHighPair = {69, 80};       // pair: code 128 or more
constexpr Branch kLowPair = {78, 87};        // pair: code below 128, past the other loads
constexpr Branch kIsPair = {93, 67};         // expander: a pair

// Cycles that INC of the high byte costs beyond the branch that skips it
// (BNE 2 + INC 5 in place of BNE 3), and that a separator costs when the
// count's low byte is 0 before it (BNE 2 + DEC 5 in place of BNE 3).
constexpr int kCarry = 4;
// The scan's extra test of the high byte when the low byte matches the
// end's (BNE 2 + LDA 3 + CMP 2 + BEQ 2 in place of BNE 3).
constexpr int kHighTest = 6;
// The separator asked for (BNE 2 + LDA 3 + BNE 2 in place of BNE 3), and
// one that leaves a low byte of 0 with a high byte above it (BNE 2 + LDA 3
// + BNE 3 in place of BNE 3).
constexpr int kFoundTest = 4;
constexpr int kHighTestTaken = 5;
// A pair of code 128 or more: BCS taken, no BCC (3 in place of 2 + 3).
constexpr int kHighPairSaving = 2;

int low(int address) { return address & 0xFF; }
int page(int address) { return (address >> 8) & 0xFF; }

// Where the image's parts lie, modulo 65,536.
struct Addresses {
    int load;
    int char_table;   // C
    int pair_base;    // P: the pair of code c at P + 2c
    int stream;       // S
    int search_end;   // E
};

Addresses addresses_of(const ImagePlace& place, const PackedCodes& codes) {
    Addresses at{};
    at.load = place.load_address & 0xFFFF;
    at.char_table = (at.load + kMos6502RoutineLength) & 0xFFFF;
    at.pair_base = (at.char_table - codes.char_count) & 0xFFFF;
    at.stream = (at.char_table + codes.char_count + 2 * codes.pair_count) & 0xFFFF;
    at.search_end = (at.stream + place.search_length) & 0xFFFF;
    return at;
}

// 1 when branch, taken, lands on another page.
int crossing(const Addresses& at, Branch branch) {
    return page(at.load + branch.at + 2) != page(at.load + branch.target) ? 1 : 0;
}

// 1 when an indexed load from base with index crosses a page.
int indexed(int base, int index) { return low(base) + index > 0xFF ? 1 : 0; }

// Cycles to expand each code 0 .. 255, by the rule of expand_code: the
// halves of a pair that are smaller codes, each character printed.
std::vector<std::uint64_t> expansion_cycles(const RoutineCosts& costs, const Addresses& at, const PackedCodes& codes) {
    std::vector<std::uint64_t> cycles(256, 0);
    const int n = codes.char_count;
    const int code_end = std::min(n + codes.pair_count, 256);
    for (int code = 0; code < code_end; ++code) {
        std::uint64_t& total = cycles[static_cast<std::size_t>(code)];
        if (code < n) {
            total = static_cast<std::uint64_t>(costs.character + indexed(at.char_table, code));
            continue;
        }
        // ASL leaves 2c in X and the top bit of c in the carry; the loads
        // for codes of 128 or more take their base 256 higher.
        const int x = (2 * code) & 0xFF;
        int own = costs.pair + crossing(at, kIsPair) + indexed(at.pair_base + 1, x) + indexed(at.pair_base, x);
        own += code < 128 ? crossing(at, kLowPair) : crossing(at, kHighPair) - kHighPairSaving;
        total = static_cast<std::uint64_t>(own);
        const std::uint8_t* pair = codes.pair_table + 2 * (code - n);
        for (const int half : {pair[0], pair[1]}) {
            if (half < code) total += cycles[static_cast<std::size_t>(half)];
        }
    }
    return cycles;
}

// Cycles the scan spends on the byte at S + i, the separator count aside:
// before[i] sums them over the bytes before it.
std::vector<std::uint64_t> scan_cycles_before(const RoutineCosts& costs, const Addresses& at,
                                              const PackedCodes& codes) {
    const int passed = costs.byte_passed + crossing(at, kNotSeparator);
    std::vector<std::uint64_t> before(static_cast<std::size_t>(codes.stream_length) + 1, 0);
    for (int i = 0; i < codes.stream_length; ++i) {
        const int address = (at.stream + i) & 0xFFFF;
        int cycles = codes.code_stream[i] != 0 ? passed : costs.separator_passed;
        cycles += low(address) == 0 ? kCarry : crossing(at, kNextByte);
        cycles += low(address) == low(at.search_end) ? kHighTest : crossing(at, kNotAtEnd);
        before[static_cast<std::size_t>(i) + 1] = before[static_cast<std::size_t>(i)] + static_cast<std::uint64_t>(cycles);
    }
    return before;
}

// What counting down one separator costs beyond separator_passed, the count
// left at `left` after it.
int count_cycles(const Addresses& at, int left) {
    int cycles = low(left + 1) == 0 ? kCarry : crossing(at, kCountLowSet);
    if (low(left) != 0) return cycles + crossing(at, kLowLeft);
    return cycles + (left != 0 ? kHighTestTaken + crossing(at, kHighLeft) : kFoundTest);
}

// The record loop over the code at S + offset (or, for code 0, the record's
// end), without the code's expansion.
std::uint64_t fetch_cycles(const RoutineCosts& costs, const Addresses& at, int offset, bool end) {
    const int address = (at.stream + offset) & 0xFFFF;
    int cycles = low(address) == 0 ? kCarry : crossing(at, kPointerSamePage);
    cycles += end ? costs.record_end + crossing(at, kRecordEnd) : costs.code_fetched;
    return static_cast<std::uint64_t>(cycles);
}

}  // namespace

std::vector<std::uint64_t> time_mos6502_records(const CpuDescription& cpu, const ImagePlace& place,
                                                const PackedCodes& codes, std::span<const RecordSpan> records) {
    const RoutineCosts& costs = cpu.costs;
    const Addresses at = addresses_of(place, codes);
    const std::vector<std::uint64_t> expansion = expansion_cycles(costs, at, codes);
    const std::vector<std::uint64_t> scan = scan_cycles_before(costs, at, codes);
    std::vector<std::uint64_t> times;
    // The count of separators passed, added up as the records come.
    std::uint64_t counted = 0;
    int counted_for = 0;
    for (const RecordSpan& record : records) {
        for (; counted_for < record.number; ++counted_for) {
            counted += static_cast<std::uint64_t>(count_cycles(at, counted_for));
        }
        // The scan up to the record's separator, which it passes too.
        const int scanned = std::clamp(record.begin, 0, codes.stream_length);
        std::uint64_t total = static_cast<std::uint64_t>(costs.entry) + scan[static_cast<std::size_t>(scanned)] + counted;
        for (int offset = record.begin; offset < record.end; ++offset) {
            total += fetch_cycles(costs, at, offset, false) + expansion[codes.code_stream[offset]];
        }
        times.push_back(total + fetch_cycles(costs, at, record.end, true));
    }
    return times;
}

}  // namespace vendrel

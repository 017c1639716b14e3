#include "target/routine_timing.h"

#include <array>

namespace vendrel {

namespace {

// States to expand each code, worked out the first time the code is met.
struct ExpansionCosts {
    const RoutineCosts& costs;
    const PackedCodes& codes;
    std::array<std::uint64_t, 256> known{};  // 0: not yet worked out

    // A code met again inside its own expansion (never in a packer's pair
    // table) counts its pair step only, so a looping table still ends.
    std::uint64_t of(std::uint8_t code) {
        if (known[code] != 0) return known[code];
        if (code < codes.char_count) return known[code] = static_cast<std::uint64_t>(costs.character);
        known[code] = static_cast<std::uint64_t>(costs.pair);
        const std::uint8_t* entry = codes.pair_table + 2 * (code - codes.char_count);
        const std::uint64_t halves = of(entry[0]) + of(entry[1]);
        return known[code] += halves;
    }
};

// The search for record `record`, whose first code is at stream offset
// `start`, together with the routine's set-up and the record's end.
std::uint64_t fixed_part(const RoutineCosts& costs, int record, int start) {
    return static_cast<std::uint64_t>(costs.entry) +
           static_cast<std::uint64_t>(costs.byte_passed) * static_cast<std::uint64_t>(start - record) +
           static_cast<std::uint64_t>(costs.separator_passed) * static_cast<std::uint64_t>(record) +
           static_cast<std::uint64_t>(costs.record_end);
}

}  // namespace

std::uint64_t estimate_record_tstates(const RoutineCosts& costs, const PackedCodes& codes, int record) {
    if (record < 1) return 0;
    int start = 0;
    for (int separators = 0; separators < record; ++start) {
        if (start == codes.stream_length) return 0;
        if (codes.code_stream[start] == 0) ++separators;
    }
    ExpansionCosts expansion{costs, codes};
    std::uint64_t total = fixed_part(costs, record, start);
    for (int at = start; at < codes.stream_length && codes.code_stream[at] != 0; ++at) {
        total += static_cast<std::uint64_t>(costs.code_fetched) + expansion.of(codes.code_stream[at]);
    }
    return total;
}

std::vector<std::uint64_t> estimate_every_record(const RoutineCosts& costs, const PackedCodes& codes) {
    ExpansionCosts expansion{costs, codes};
    std::vector<std::uint64_t> estimates;
    int record = 0;        // the record being read, 0 before the first code 0
    int record_start = 0;  // stream offset of its first code
    std::uint64_t codes_part = 0;
    for (int at = 0; at < codes.stream_length; ++at) {
        const std::uint8_t code = codes.code_stream[at];
        if (code != 0) {
            codes_part += static_cast<std::uint64_t>(costs.code_fetched) + expansion.of(code);
            continue;
        }
        if (record > 0) estimates.push_back(fixed_part(costs, record, record_start) + codes_part);
        ++record;
        record_start = at + 1;
        codes_part = 0;
    }
    return estimates;
}

}  // namespace vendrel

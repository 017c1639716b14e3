#include "target/routine_timing.h"

namespace vendrel {

namespace {

// States to expand each code: its pair steps and its characters, each
// character printed.
std::vector<std::uint64_t> code_costs(const RoutineCosts& costs, const PackedCodes& codes) {
    std::vector<std::uint64_t> cost;
    for (const ExpansionCount& count : expansion_counts(codes)) {
        cost.push_back(count.characters * static_cast<std::uint64_t>(costs.character) +
                       count.pairs * static_cast<std::uint64_t>(costs.pair));
    }
    return cost;
}

// The search for record `record`, whose first code is at stream offset
// `start`, together with the routine's set-up and the record's end.
std::uint64_t fixed_part(const RoutineCosts& costs, int record, int start) {
    return static_cast<std::uint64_t>(costs.entry) +
           static_cast<std::uint64_t>(costs.byte_passed) * static_cast<std::uint64_t>(start - record) +
           static_cast<std::uint64_t>(costs.separator_passed) * static_cast<std::uint64_t>(record) +
           static_cast<std::uint64_t>(costs.record_end);
}

// The record's search, its codes and its end.
std::uint64_t record_time(const RoutineCosts& costs, const PackedCodes& codes, const RecordSpan& record,
                          const std::vector<std::uint64_t>& cost) {
    std::uint64_t total = fixed_part(costs, record.number, record.begin);
    for (int at = record.begin; at < record.end; ++at) {
        total += static_cast<std::uint64_t>(costs.code_fetched) + cost[codes.code_stream[at]];
    }
    return total;
}

}  // namespace

std::vector<std::uint64_t> time_records_by_costs(const CpuDescription& cpu, const ImagePlace&,
                                                 const PackedCodes& codes, std::span<const RecordSpan> records) {
    const std::vector<std::uint64_t> cost = code_costs(cpu.costs, codes);
    std::vector<std::uint64_t> times;
    for (const RecordSpan& record : records) times.push_back(record_time(cpu.costs, codes, record, cost));
    return times;
}

std::uint64_t estimate_record_tstates(const CpuDescription& cpu, const ImagePlace& place, const PackedCodes& codes,
                                      int record) {
    const RecordWalk walk = walk_records(codes);
    if (record < 1 || walk.separators < record) return 0;
    // The walk leaves out an empty run after the last code 0; the routine
    // still finds it.
    RecordSpan span{record, codes.stream_length, codes.stream_length, false};
    for (const RecordSpan& found : walk.records) {
        if (found.number == record) span = found;
    }
    return cpu.time_records(cpu, place, codes, std::span<const RecordSpan>(&span, 1)).front();
}

std::vector<std::uint64_t> estimate_every_record(const CpuDescription& cpu, const ImagePlace& place,
                                                 const PackedCodes& codes) {
    std::vector<RecordSpan> closed;
    for (const RecordSpan& record : walk_records(codes).records) {
        if (record.closed) closed.push_back(record);
    }
    return cpu.time_records(cpu, place, codes, closed);
}

}  // namespace vendrel

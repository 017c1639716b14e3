#include "best/unpack_cost.h"

#include <algorithm>

namespace vendrel {

namespace {

long long printing_cost(const UnpackCost& cost, long long characters, long long codes, long long records) {
    return cost.per_code * codes + cost.per_pair * (characters - codes) + cost.per_character * characters +
           cost.per_record * records;
}

}  // namespace

long long least_stream_codes(const std::uint8_t* text, int length, const PhraseImage& greedy) {
    const long long records = std::count(text, text + length, 0);
    const long long characters = length - records;
    const long long codes = static_cast<long long>(greedy.code_stream.size()) -
                            std::count(greedy.code_stream.begin(), greedy.code_stream.end(), 0);
    long long fewest = 0;
    for (const UnpackCost& cost : {kZ80Cost, kI8080Cost}) {
        const long long rise = printing_cost(cost, characters, codes, records) * kMostPrintingRise / 10'000;
        fewest = std::max(fewest, codes - rise / (cost.per_pair - cost.per_code));
    }
    return fewest;
}

}  // namespace vendrel

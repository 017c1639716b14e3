#include "pack/pack_smallest.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/record_walker.h"
#include "best/search_best_image.h"
#include "pack/pair_substitution.h"

namespace vendrel {

namespace {

// The character codes of the code stream, each pair expanded left first.
std::vector<std::uint8_t> character_codes(const Job& job) {
    const PackedCodes codes = packed_codes_of(job);
    std::vector<std::uint8_t> text;
    text.reserve(static_cast<std::size_t>(job.source_length));
    auto take = [&](std::uint8_t code) {
        text.push_back(code);
        return true;
    };
    for (int i = 0; i < codes.stream_length; ++i) expand_code(codes, codes.code_stream[i], take);
    return text;
}

}  // namespace

void pack_smallest(Job& job, int nesting_cap) {
    const int n = job.char_count;
    if (n == 0) return;
    PhraseImage greedy;
    greedy.pair_table.assign(job.symbol_table + n, job.symbol_table + job.symbol_table_size);
    greedy.code_stream.assign(job.text_buffer, job.text_buffer + job.packed_length);
    const std::vector<std::uint8_t> text = character_codes(job);

    PhraseImage best;
    BestSearchLimits limits;
    if (nesting_cap >= 0) limits.max_nesting_cap = nesting_cap;
    if (!search_best_image(text.data(), static_cast<int>(text.size()), n, greedy, best, limits)) return;
    const int pair_bytes = static_cast<int>(best.pair_table.size());
    const int stream_length = static_cast<int>(best.code_stream.size());
    if (pair_bytes % 2 != 0 || n + pair_bytes > kSymbolTableSize || pair_bytes / 2 > 256 - n ||
        stream_length >= kTextBufferSize) {
        return;
    }
    if (pair_bytes > 0) std::memcpy(job.symbol_table + n, best.pair_table.data(), best.pair_table.size());
    job.symbol_table_size = n + pair_bytes;
    job.symbol_end = job.symbol_table + job.symbol_table_size;
    // As after the greedy run: the next code to assign, which stays at 255
    // once the last possible code is taken.
    job.next_code = std::min(n + pair_bytes / 2, kLastPairCode);
    if (stream_length > 0) std::memcpy(job.text_buffer, best.code_stream.data(), best.code_stream.size());
    job.packed_length = stream_length;
    job.text_buffer[stream_length] = kEndMark;
}

}  // namespace vendrel

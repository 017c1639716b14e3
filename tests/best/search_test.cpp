// The -best search over generated and repetitive texts: its image expands
// back to the text record by record, its pair table is one the unpack
// routines can read, it is never larger than the default packer's, and it
// is the same on every call.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "best/search_fixture.h"

namespace vendrel::test {
namespace {

class BestSearch : public testing::TestWithParam<SearchCase> {};

std::size_t size_of(const PhraseImage& image) { return image.pair_table.size() + image.code_stream.size(); }

TEST_P(BestSearch, ImageExpandsToTheTextWithAReadablePairTable) {
    const Packed packed = pack_both_ways(GetParam().text);
    PhraseImage best;
    if (!search(packed, best)) {
        EXPECT_FALSE(GetParam().must_find);
        return;
    }
    const int n = packed.char_count;
    ASSERT_EQ(best.pair_table.size() % 2, 0u);
    ASSERT_LE(n + static_cast<int>(best.pair_table.size() / 2), 256);
    for (std::size_t entry = 0; entry < best.pair_table.size(); entry += 2) {
        const int code = n + static_cast<int>(entry / 2);
        for (const int half : {best.pair_table[entry], best.pair_table[entry + 1]}) {
            EXPECT_GT(half, 0) << "pair code " << code;
            EXPECT_LT(half, code) << "pair code " << code;
        }
    }
    // Separators stay bare code 0, so equal streams mean equal records.
    EXPECT_EQ(expanded_codes(best, n), packed.codes);
    EXPECT_LT(size_of(best), size_of(packed.greedy));
}

TEST_P(BestSearch, SameBytesOnEveryCall) {
    const Packed packed = pack_both_ways(GetParam().text);
    PhraseImage first;
    PhraseImage second;
    const bool found = search(packed, first);
    ASSERT_EQ(search(packed, second), found);
    if (!found) return;
    EXPECT_EQ(first.pair_table, second.pair_table);
    EXPECT_EQ(first.code_stream, second.code_stream);
}

// Inputs that break the promises of the interface are refused, not read
// out of bounds: a code that is no character, a pair that refers to
// itself.
TEST(BestSearchInput, MalformedInputIsRefused) {
    const std::vector<std::uint8_t> text = {0, 1, 2, 1, 2, 1, 2, 0};
    PhraseImage greedy;
    greedy.code_stream = text;
    PhraseImage best;
    struct Malformed {
        const char* name;
        std::vector<std::uint8_t> text;
        std::vector<std::uint8_t> pair_table;
    };
    const Malformed cases[] = {
        {"code beyond the characters", {0, 1, 3, 1, 2, 0}, {}},
        {"pair refers to itself", text, {3, 2}},
        {"odd pair table", text, {1}},
    };
    for (const Malformed& malformed : cases) {
        greedy.pair_table = malformed.pair_table;
        EXPECT_FALSE(search_best_image(malformed.text.data(), static_cast<int>(malformed.text.size()), 3, greedy, best))
            << malformed.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, BestSearch, testing::ValuesIn(search_cases()),
                         [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel::test

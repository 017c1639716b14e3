// Images of the -best search run on the emulated Z80: composed with the
// default packer's character table, they print every record exactly, on
// hardly more stack than the default packer's images.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "best/search_fixture.h"
#include "support/emulator.h"
#include "target/packed_image.h"

namespace vendrel::test {
namespace {

class BestImageRun : public testing::TestWithParam<SearchCase> {};

constexpr std::uint16_t kLoadAddress = 0x4000;
constexpr std::uint16_t kPrintAddress = 0x0010;

// The raw Z80 image of a pair table and code stream, with the character
// table that the default packer left in job.
Bytes compose(Job& job, const PhraseImage& phrases) {
    std::copy(phrases.pair_table.begin(), phrases.pair_table.end(), job.symbol_table + job.char_count);
    job.symbol_table_size = job.char_count + static_cast<int>(phrases.pair_table.size());
    std::copy(phrases.code_stream.begin(), phrases.code_stream.end(), job.text_buffer);
    job.packed_length = static_cast<int>(phrases.code_stream.size());
    job.z80 = 1;
    job.load_address = kLoadAddress;
    job.print_address = kPrintAddress;
    compose_z80_image(job);
    return bytes(job.image_buffer, job.total_length);
}

// Runs every record; returns the deepest stack any of them took.
int run_every_record(const Bytes& image, const std::vector<std::string>& records) {
    int deepest = 0;
    for (std::size_t record = 1; record < records.size(); ++record) {
        const RoutineCall call =
            call_unpack_routine(image, kLoadAddress, kPrintAddress, static_cast<std::uint16_t>(record));
        SCOPED_TRACE(testing::Message() << "record " << record);
        EXPECT_TRUE(call.returned);
        EXPECT_TRUE(call.zero_flag);
        EXPECT_TRUE(call.stack_balanced);
        EXPECT_EQ(call.printed, records[record - 1]);
        deepest = std::max(deepest, call.stack_used);
    }
    return deepest;
}

// Every record prints exactly, and no record needs more than one level of
// nesting (4 bytes of stack) more than with the default packer's image.
TEST_P(BestImageRun, PrintsEveryRecordWithAtMostOneMoreLevelOfStack) {
    const std::string& text = GetParam().text;
    const Packed packed = pack_both_ways(text);
    PhraseImage best;
    if (!search(packed, best)) return;

    JobHandle job = make_job();
    load_text(*job, text);
    ASSERT_EQ(pack_text(*job), 0);
    const std::vector<std::string> records = pieces_after_separators(text);
    const int best_stack = run_every_record(compose(*job, best), records);
    const int default_stack = run_every_record(compose(*job, packed.greedy), records);
    EXPECT_LE(best_stack, default_stack + 4);
}

INSTANTIATE_TEST_SUITE_P(Texts, BestImageRun, testing::ValuesIn(search_cases()),
                         [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel::test

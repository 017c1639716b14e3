// Images of the -best search run on the emulated Z80: composed with the
// default packer's character table, they print every record exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "pack/best_search_fixture.h"
#include "support/emulator.h"
#include "target/packed_image.h"

namespace vendrel::test {
namespace {

class BestImageRun : public testing::TestWithParam<SearchCase> {};

TEST_P(BestImageRun, EmulatedZ80PrintsEveryRecord) {
    const std::string& text = GetParam().text;
    const Packed packed = pack_both_ways(text);
    PhraseImage best;
    if (!search(packed, best)) return;

    JobHandle job = make_job();
    load_text(*job, text);
    ASSERT_EQ(pack_text(*job), 0);
    std::copy(best.pair_table.begin(), best.pair_table.end(), job->symbol_table + job->char_count);
    job->symbol_table_size = job->char_count + static_cast<int>(best.pair_table.size());
    std::copy(best.code_stream.begin(), best.code_stream.end(), job->text_buffer);
    job->packed_length = static_cast<int>(best.code_stream.size());
    job->z80 = 1;
    job->load_address = 0x4000;
    job->print_address = 0x0010;
    compose_z80_image(*job);
    const Bytes image = bytes(job->image_buffer, job->total_length);

    const std::vector<std::string> records = records_of(text);
    for (std::size_t record = 1; record < records.size(); ++record) {
        const RoutineCall call = call_unpack_routine(image, 0x4000, 0x0010, static_cast<std::uint16_t>(record));
        SCOPED_TRACE(testing::Message() << "record " << record);
        ASSERT_TRUE(call.returned);
        EXPECT_TRUE(call.zero_flag);
        EXPECT_TRUE(call.stack_balanced);
        EXPECT_EQ(call.printed, records[record - 1]);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, BestImageRun, testing::ValuesIn(search_cases()),
                         [](const testing::TestParamInfo<SearchCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel::test

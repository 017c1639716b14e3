// Raw packed images: routine, symbol table, code stream, nothing else; and
// the guard that keeps an output inside the image buffer.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "base/errors.h"
#include "support/example_image.h"
#include "support/job_fixture.h"
#include "target/unpack_routines.h"
#include "target/packed_image.h"

namespace vendrel {
namespace {

using RawImage = test::RawExample;

TEST_P(RawImage, IsRoutineSymbolTableAndStream) {
    const test::RawExampleCase& c = GetParam();
    EXPECT_EQ(job->routine_length, c.routine_length);
    EXPECT_EQ(job->total_length, c.total_length);
    EXPECT_EQ(job->final_length, c.total_length);
    EXPECT_EQ(raw_image_length(*job), c.total_length);

    std::array<std::uint8_t, kRoutineScratchSize> routine{};
    patch_routine(c.z80 ? z80_routine_layout : i8080_routine_layout, *job, routine.data());
    const std::uint8_t* image = job->image_buffer;
    const int r = c.routine_length;
    EXPECT_EQ(test::bytes(image, r), test::bytes(routine.data(), r));
    EXPECT_EQ(image[r], '#') << "the first byte after the routine is the text's first character";
    EXPECT_EQ(test::bytes(image + r, 9), (test::Bytes{'#', 'a', 'b', 'c', '\r', 1, 2, 5, 3}));
    EXPECT_EQ(test::bytes(image + r + 9, 20),
              (test::Bytes{0, 6, 4, 0, 5, 5, 4, 0, 1, 2, 3, 4, 0, 6, 6, 4, 0, 3, 4, 0}));
    EXPECT_EQ(image[c.total_length], test::kUnwritten) << "nothing is written behind the image (no end mark)";
}

INSTANTIATE_TEST_SUITE_P(Processors, RawImage, testing::ValuesIn(test::kRawExampleCases), test::raw_example_name);

struct FitCase {
    const char* name;
    bool z80;
    bool tap;
    bool ptp;
    int symbol_table_size;
    int packed_length;
    int output_length;  // raw image, or tape file
};

const FitCase kFitCases[] = {
    {"z80_raw_exactly_full", true, false, false, 126, 65536 - 58 - 126, 65536},
    {"z80_raw_one_over", true, false, false, 126, 65537 - 58 - 126, 65537},
    {"i8080_raw_exactly_full", false, false, false, 386, 65536 - 72 - 386, 65536},
    {"i8080_raw_longest_text", false, false, false, 512, 65535, 72 + 512 + 65535},
    {"tap_exactly_full", true, true, false, 200, 65536 - 25 - 58 - 200, 65536},
    {"tap_one_over", true, true, false, 200, 65537 - 25 - 58 - 200, 65537},
    {"ptp_exactly_full", false, false, true, 10, 65536 - 68 - 72 - 10, 65536},
    {"ptp_one_over", false, false, true, 10, 65537 - 68 - 72 - 10, 65537},
};

class OutputFits : public testing::TestWithParam<FitCase> {};

TEST_P(OutputFits, RefusesWhatWouldOverrunTheImageBuffer) {
    const FitCase& c = GetParam();
    JobHandle job = make_job();
    job->z80 = c.z80 ? 1 : 0;
    job->i8080 = c.z80 ? 0 : 1;
    job->tap = c.tap ? 1 : 0;
    job->ptp = c.ptp ? 1 : 0;
    job->symbol_table_size = c.symbol_table_size;
    job->packed_length = c.packed_length;
    testing::internal::CaptureStderr();
    const int result = check_output_fits(*job);
    const std::string err = testing::internal::GetCapturedStderr();
    if (c.output_length <= kImageBufferSize) {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(err, "");
    } else {
        EXPECT_EQ(result, kOutputTooLong);
        EXPECT_EQ(err, "Output would be " + std::to_string(c.output_length) +
                           " bytes long, more than fits in 65536 bytes!\n\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Outputs, OutputFits, testing::ValuesIn(kFitCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel

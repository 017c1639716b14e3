// The packing report of a composed image: the routine and total lengths.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "base/job_setup.h"
#include "cli/console.h"
#include "support/example_image.h"
#include "target/packed_image.h"

namespace vendrel {
namespace {

struct ComposeCase {
    const char* name;
    bool z80;
    int routine_length;
    int total_length;
};

class RawImage : public testing::TestWithParam<ComposeCase> {};

TEST_P(RawImage, ReportsRoutineAndTotalLengths) {
    const ComposeCase& c = GetParam();
    JobHandle job = make_job();
    test::set_example(*job);  // a prepared text of 30 bytes
    job->z80 = c.z80 ? 1 : 0;
    job->load_address = 0x8000;
    job->print_address = 0x10;
    if (c.z80) {
        compose_z80_image(*job);
    } else {
        compose_i8080_image(*job);
    }
    testing::internal::CaptureStdout();
    print_report(*job);
    const std::string out = testing::internal::GetCapturedStdout();
    char percent[16];
    std::snprintf(percent, sizeof percent, "%.2f", c.total_length * 100.0 / 30);
    EXPECT_NE(out.find("Length of routine:\t\t" + std::to_string(c.routine_length) + " bytes\n"),
              std::string::npos) << out;
    EXPECT_NE(out.find("Size of character table:\t9 bytes\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Total length:\t\t\t" + std::to_string(c.total_length) + " bytes (" + percent + "%)\n"),
              std::string::npos) << out;
    EXPECT_EQ(out.find("Final length"), std::string::npos) << "raw images have no final length line";
}

INSTANTIATE_TEST_SUITE_P(Processors, RawImage,
                         testing::Values(ComposeCase{"z80", true, 58, 87}, ComposeCase{"i8080", false, 72, 101}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel

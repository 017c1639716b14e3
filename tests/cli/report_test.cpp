// The packing report of a composed image: the routine and total lengths.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cli/console.h"
#include "support/example_image.h"

namespace vendrel {
namespace {

using RawImage = test::RawExample;

TEST_P(RawImage, ReportsRoutineAndTotalLengths) {
    const test::RawExampleCase& c = GetParam();
    testing::internal::CaptureStdout();
    print_report(*job);
    const std::string out = testing::internal::GetCapturedStdout();
    char percent[16];
    std::snprintf(percent, sizeof percent, "%.2f", c.total_length * 100.0 / test::kExampleSourceLength);
    EXPECT_NE(out.find("Length of routine:\t\t" + std::to_string(c.routine_length) + " bytes\n"),
              std::string::npos) << out;
    EXPECT_NE(out.find("Size of character table:\t9 bytes\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Total length:\t\t\t" + std::to_string(c.total_length) + " bytes (" + percent + "%)\n"),
              std::string::npos) << out;
    EXPECT_EQ(out.find("Final length"), std::string::npos) << "raw images have no final length line";
}

INSTANTIATE_TEST_SUITE_P(Processors, RawImage, testing::ValuesIn(test::kRawExampleCases), test::raw_example_name);

}  // namespace
}  // namespace vendrel

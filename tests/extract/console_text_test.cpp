#include <gtest/gtest.h>

#include <string>

#include "extract/extract_records.h"

namespace vendrel {
namespace {

struct ConsoleCase {
    std::string text;
    std::string shown;
};

class ConsoleText : public ::testing::TestWithParam<ConsoleCase> {};

TEST_P(ConsoleText, ShowsLineEndsAsNewlines) {
    const std::string& text = GetParam().text;
    EXPECT_EQ(console_text(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<int>(text.size())),
              GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Rules, ConsoleText,
                         ::testing::Values(ConsoleCase{"", "\n"}, ConsoleCase{"#a\r", "#a\n\n"},
                                           ConsoleCase{"#a\n", "#a\n\n"}, ConsoleCase{"#a\r\n", "#a\n\n"},
                                           ConsoleCase{"#a\n\r", "#a\n\n\n"}, ConsoleCase{"\n\n", "\n\n\n"},
                                           ConsoleCase{"\r\r\n", "\n\n\n"}, ConsoleCase{"a\tb\x80\xFE", "a\tb\x80\xFE\n"},
                                           ConsoleCase{std::string("a\0b", 3), std::string("a\0b\n", 4)}));

}  // namespace
}  // namespace vendrel

// The manual page and the README against the program itself: every option
// of the usage text and every error message must be documented.
#include <gtest/gtest.h>

#include <cctype>
#include <sstream>
#include <string>
#include <vector>

#include "base/errors.h"
#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSourceDir = VENDREL_SOURCE_DIR;

// The options named at the start of the usage lines ("  -o outfile.ext ..."),
// from the program's own usage text.
std::vector<std::string> usage_options() {
    const ProgramResult result = run_program({"-h"}, "\n");
    EXPECT_EQ(result.exit_status, 0);
    std::vector<std::string> options;
    std::istringstream lines(result.out);
    std::string line;
    while (std::getline(lines, line)) {
        // The pause prints no line end, so the line after it follows it.
        const std::string pause = "Press ENTER ...";
        if (line.rfind(pause, 0) == 0) line.erase(0, pause.size());
        if (line.rfind("  -", 0) != 0) continue;
        std::istringstream words(line);
        std::string option;
        words >> option;
        options.push_back(option);
    }
    return options;
}

void replace_all(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The manual page's source with the roff escapes it uses turned back into
// the characters they print.
std::string manual_page_text() {
    std::string text = read_file(kSourceDir + "/docs/vendrel.1");
    for (const char* font : {"\\fB", "\\fI", "\\fR", "\\fP"}) replace_all(text, font, "");
    replace_all(text, "\\-", "-");
    replace_all(text, "\\(aq", "'");
    replace_all(text, "\\(dq", "\"");
    replace_all(text, "\\e", "\\");
    replace_all(text, "\\&", "");
    return text;
}

// True when option stands in text as a word of its own: "-o" must not be
// found only inside "-only-cr".
bool mentions_option(const std::string& text, const std::string& option) {
    const auto is_name_char = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '-';
    };
    for (std::size_t at = text.find(option); at != std::string::npos; at = text.find(option, at + 1)) {
        const std::size_t end = at + option.size();
        const bool starts_word = at == 0 || !is_name_char(text[at - 1]);
        const bool ends_word = end == text.size() || !is_name_char(text[end]);
        if (starts_word && ends_word) return true;
    }
    return false;
}

TEST(Documentation, UsageTextListsTheExpectedOptions) {
    const std::vector<std::string> options = usage_options();
    EXPECT_EQ(options.size(), 19u);
}

TEST(Documentation, ManualPageDescribesEveryOptionOfTheUsageText) {
    const std::string manual = manual_page_text();
    for (const std::string& option : usage_options()) {
        EXPECT_TRUE(mentions_option(manual, option)) << option << " is missing from docs/vendrel.1";
    }
    EXPECT_TRUE(mentions_option(manual, "-oa")) << "-oa is missing from docs/vendrel.1";
}

TEST(Documentation, ReadmeShowsEveryOptionOfTheUsageText) {
    const std::string readme = read_file(kSourceDir + "/README.md");
    for (const std::string& option : usage_options()) {
        EXPECT_TRUE(mentions_option(readme, option)) << option << " is missing from README.md";
    }
}

TEST(Documentation, ManualPageQuotesEveryErrorMessage) {
    const std::string manual = manual_page_text();
    for (int code = kOutOfMemory; code >= kLowestErrorCode; --code) {
        const char* format = error_message_format(code);
        ASSERT_NE(format, nullptr) << code;
        std::string message = format;
        // The hint after a missing source name always names the program.
        replace_all(message, "'%s -h'", "'vendrel -h'");
        // A line break in a message is a line break in the page.
        std::istringstream parts(message);
        std::string part;
        while (std::getline(parts, part)) {
            EXPECT_NE(manual.find(part), std::string::npos)
                << "exit status " << -code << ": \"" << part << "\" is missing from docs/vendrel.1";
        }
        EXPECT_NE(manual.find(".B " + std::to_string(-code) + "\n"), std::string::npos)
            << "exit status " << -code << " has no entry";
    }
}

}  // namespace
}  // namespace vendrel::test

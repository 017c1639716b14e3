// The include file's text: the end address and its comment at the top of
// memory, the prefix taken from the include file's own name, the C form for
// every header name, and a prefix that is no name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "listing/include_file.h"
#include "support/example_image.h"

namespace vendrel {
namespace {

constexpr int kImageLength = 87;  // the worked example's Z80 image

// The line of the include text that defines name.
std::string line_defining(const std::string& text, const std::string& name) {
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        if (line.find(name + ":") == 0 || line.find("#define " + name + " ") == 0) return line;
        start = end + 1;
    }
    return "";
}

std::string include_text(Job& job, const char* include_path) {
    job.include_path = include_path;
    std::string text;
    EXPECT_EQ(compose_include_file(job, text), 0);
    return text;
}

struct EndCase {
    const char* name;
    int last_byte;          // where the image's last byte lies, before wrapping
    const char* asm_value;  // the EQU's value and hex comment
    const char* c_value;
    const char* meaning;
};

const EndCase kEndCases[] = {
    {"below_the_top", 65534, "65535 ; FFFFh, ", "0xFFFF /* ", "first free address after the image\n"},
    {"ends_at_65535", 65535, "0     ; 0000h, ", "0x0000 /* ",
     "first free address after the image (0: the image ends at 65535)"},
    {"ends_at_65536", 65536, "1     ; 0001h, ", "0x0001 /* ",
     "first free address after the image (the image wraps past 65535)"},
    {"ends_far_past", 65536 + 40, "41    ; 0029h, ", "0x0029 /* ",
     "first free address after the image (the image wraps past 65535)"},
};

class IncludeEnd : public testing::TestWithParam<EndCase> {};

TEST_P(IncludeEnd, ValueAndCommentAtTheTopOfMemory) {
    const EndCase& c = GetParam();
    const JobHandle job = test::raw_example_job(true);
    ASSERT_EQ(job->total_length, kImageLength);
    job->load_address = c.last_byte - kImageLength + 1;

    const std::string assembler = line_defining(include_text(*job, "msg.asm"), "MSG_END");
    EXPECT_NE(assembler.find(std::string("EQU ") + c.asm_value), std::string::npos) << assembler;
    EXPECT_NE((assembler + "\n").find(c.meaning), std::string::npos) << assembler;

    const std::string header = line_defining(include_text(*job, "msg.h"), "MSG_END");
    EXPECT_NE(header.find(c.c_value), std::string::npos) << header;
    EXPECT_NE(header.find(std::string(c.meaning).substr(0, 34)), std::string::npos) << header;
    EXPECT_EQ(header.find("(") != std::string::npos, c.last_byte >= 65535) << header;
}

INSTANTIATE_TEST_SUITE_P(Boundaries, IncludeEnd, testing::ValuesIn(kEndCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IncludePrefix, ComesFromTheIncludeFilesOwnName) {
    const JobHandle job = test::raw_example_job(true);
    job->output_path = "out/full.tap";
    const std::string text = include_text(*job, "src/rumors.asm");
    EXPECT_NE(line_defining(text, "RUMORS_LOAD"), "") << text;
    EXPECT_EQ(text.find("FULL_"), std::string::npos) << text;
}

TEST(IncludePrefix, IsDerivedAsANameFromAnyFileName) {
    const std::vector<std::pair<std::string, std::string>> names = {
        {"rumors.asm", "RUMORS"},      {"dir/1st part-two.inc", "_1ST_PART_TWO"},
        {"a.b.h", "A_B"},              {"C:\\game\\msgs.hpp", "MSGS"},
        {"noext", "NOEXT"},            {".asm", "VENDREL"},
        {"zpr\xC3\xA1vy.h", "ZPR__VY"}};
    for (const auto& [path, prefix] : names) EXPECT_EQ(derive_include_prefix(path), prefix) << path;
}

TEST(IncludeForm, EveryHeaderNameGivesC) {
    const JobHandle job = test::raw_example_job(true);
    for (const char* path : {"m.h", "m.hpp", "m.hh", "m.hxx", "M.H", "M.HPP", "dir.asm/m.Hh"}) {
        EXPECT_NE(line_defining(include_text(*job, path), "M_LOAD").find("#define"), std::string::npos) << path;
    }
    for (const char* path : {"m.asm", "m.inc", "m.hp", "m.hhh", "m.c", "m.asm~", "m"}) {
        EXPECT_NE(line_defining(include_text(*job, path), "M_LOAD").find(" EQU "), std::string::npos) << path;
    }
}

TEST(IncludePrefix, ANameThatIsNoIdentifierIsRefusedWithItsOwnError) {
    const JobHandle job = test::raw_example_job(true);
    job->include_path = "msg.asm";
    for (const char* prefix : {"9lives", "my-name", ""}) {
        job->include_prefix = prefix;
        std::string text;
        testing::internal::CaptureStderr();
        EXPECT_EQ(compose_include_file(*job, text), kBadIncludePrefix);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "Bad include file prefix '" + std::string(prefix) + "'!\n\n");
        EXPECT_EQ(text, "");
    }
}

}  // namespace
}  // namespace vendrel

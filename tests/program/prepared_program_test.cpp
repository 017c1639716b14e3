// Runs of the built program with the preparation options: the packed image
// must be exactly the image of the prepared text packed without options,
// and the unpack routine must print the prepared records.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/errors.h"
#include "support/emulator.h"
#include "support/program.h"

namespace vendrel {
namespace {

using test::ProgramResult;
using test::ScratchDir;
using test::run_program;

struct Routine {
    const char* option;
    std::uint16_t load_address;
    std::uint16_t print_address;
};

constexpr Routine kZ80{"-z80", 32768, 16};
constexpr Routine kI8080{"-i8080", 0, 0x8500};

struct PreparedRun {
    const char* name;
    std::vector<std::string> options;
    std::string source;
    std::string conversion;  // content of the -ct file; empty for none
    std::string prepared;    // the text that must get packed
};

std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (int value : values) text.push_back(static_cast<char>(value));
    return text;
}

const std::string kHead = bytes({0x00});

// Records of a prepared text: the runs between its separators, the first
// character; a run after the last separator is no record.
std::vector<std::string> records_of(const std::string& prepared) {
    std::vector<std::string> records;
    std::string current;
    for (std::size_t i = 1; i < prepared.size(); ++i) {
        if (prepared[i] == prepared[0]) {
            records.push_back(current);
            current.clear();
        } else {
            current.push_back(prepared[i]);
        }
    }
    return records;
}

std::vector<std::uint8_t> as_bytes(const std::string& text) {
    return std::vector<std::uint8_t>(text.begin(), text.end());
}

class PreparedProgramRun : public testing::TestWithParam<PreparedRun> {};

TEST_P(PreparedProgramRun, PacksPreparedText) {
    const PreparedRun& c = GetParam();
    ScratchDir dir;
    const std::string source = dir.write("source.txt", c.source);
    const std::string plain = dir.write("plain.txt", c.prepared);

    for (const Routine& routine : {kZ80, kI8080}) {
        SCOPED_TRACE(routine.option);
        std::vector<std::string> args{routine.option};
        args.insert(args.end(), c.options.begin(), c.options.end());
        if (!c.conversion.empty()) {
            args.push_back("-ct");
            args.push_back(dir.write("table.ct", c.conversion));
        }
        const std::string image_path = dir.file("prepared.bin");
        args.insert(args.end(), {source, "-o", image_path});
        const ProgramResult prepared_run = run_program(args);
        ASSERT_EQ(prepared_run.exit_status, 0) << prepared_run.err;
        EXPECT_EQ(prepared_run.err, "");

        const std::string reference_path = dir.file("reference.bin");
        const ProgramResult reference_run =
            run_program({routine.option, plain, "-o", reference_path});
        ASSERT_EQ(reference_run.exit_status, 0) << reference_run.err;

        const std::string image = test::read_file(image_path);
        EXPECT_EQ(as_bytes(image), as_bytes(test::read_file(reference_path)));

        const std::vector<std::string> records = records_of(c.prepared);
        ASSERT_FALSE(records.empty());
        for (std::size_t k = 1; k <= records.size(); ++k) {
            const test::RoutineCall call =
                test::call_unpack_routine(as_bytes(image), routine.load_address, routine.print_address,
                                          static_cast<std::uint16_t>(k));
            ASSERT_TRUE(call.returned) << "record " << k;
            EXPECT_EQ(call.printed, records[k - 1]) << "record " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, PreparedProgramRun,
    testing::Values(
        PreparedRun{"NoOptionKeepsLineEnds", {}, "#a\r\nb#\rc\n#d\n\r#", "", "#a\r\nb#\rc\n#d\n\r#"},
        PreparedRun{"ConversionTable",
                    {},
                    "#one\r\n#two#",
                    "; letters\n111 79\n\n  35\t124 ; separator\n",
                    "|One\r\n|twO|"},
        PreparedRun{"ConversionBeforeLineEnds", {"-no-crlf"}, "#a\r\nb#c\r\n#", "13 32\n",
                    "#a b#c #"},
        PreparedRun{"DesktopDocument",
                    {"-dtp"},
                    kHead + "*Hello\r" + bytes({0x20, 7, 7}) + "*wor|\r" + kHead + "ld\t!" +
                        bytes({162}) + "\r" + kHead + "*",
                    "",
                    "*Hello *wor|ld!!! *"},
        PreparedRun{"DesktopDocumentLowerCase",
                    {"-dtp", "-lc"},
                    kHead + "*HELLO\r" + kHead + "*W" + bytes({0x81, 0x9F, 0x80}) + "\r" + kHead + "*",
                    "",
                    "*hello *w" + bytes({0x80, 0x9E, 0x80}) + " *"},
        PreparedRun{"NoCrLf", {"-no-crlf"}, "\r\n#a\r\nb#c\r\n#", "", "#ab#c#"},
        PreparedRun{"CrLfToSpace", {"-crlf-spc"}, "#a\r\n\r\nb# c\r\n#", "", "#a b# c #"},
        PreparedRun{"CrLfToSpaceMakesSpaceSeparator", {"-crlf-spc"}, "\r\nA\r\nB\n\r", "", " A B "},
        PreparedRun{"OnlyCr", {"-only-cr"}, "#a\r\nb#c\n#", "", "#a\rb#c#"},
        PreparedRun{"OnlyLf", {"-only-lf"}, "#a\r\nb#c\r#", "", "#a\nb#c#"}),
    [](const testing::TestParamInfo<PreparedRun>& info) { return std::string(info.param.name); });

struct FailedRun {
    const char* name;
    std::vector<std::string> options;
    std::string source;
    std::string conversion;
    int exit_status;
    std::string err;  // %s stands for the conversion file's path
};

std::string repeated(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += line;
    return text;
}

class PreparationError : public testing::TestWithParam<FailedRun> {};

TEST_P(PreparationError, EndsRunWithMessage) {
    const FailedRun& c = GetParam();
    ScratchDir dir;
    std::vector<std::string> args{"-z80"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const std::string table = dir.file("table.ct");
    if (!c.conversion.empty()) dir.write("table.ct", c.conversion);
    if (c.options.empty()) args.insert(args.end(), {"-ct", table});
    const std::string output = dir.file("out.bin");
    args.insert(args.end(), {dir.write("source.txt", c.source), "-o", output});

    const ProgramResult run = run_program(args);
    EXPECT_EQ(run.exit_status, c.exit_status);
    std::string expected = c.err;
    if (const auto at = expected.find("%s"); at != std::string::npos) expected.replace(at, 2, table);
    EXPECT_EQ(run.err, expected);
    EXPECT_FALSE(test::file_exists(output));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PreparationError,
    testing::Values(
        FailedRun{"MissingConversionFile", {}, "#a#", "", 24, "Can't open conversion file '%s'!\n\n"},
        FailedRun{"BadCode", {}, "#a#", "; codes\n65 97\n65 97;x\n", 25,
                  "Bad character code at line 3\n\n"},
        FailedRun{"BadDefinition", {}, "#a#", "\n\n65\n", 26, "Bad definition at line 3\n\n"},
        FailedRun{"TooManyDefinitions", {}, "#a#", repeated("65 97\n", 255), 27,
                  "Too many definitions in conversion file '%s'!\n\n"},
        FailedRun{"DesktopDocumentTooLong",
                  {"-dtp"},
                  kHead + "x" + std::string(700, '\xFE'),
                  "",
                  30,
                  std::string(error_message_format(kDocumentTooLong)) + "\n\n"}),
    [](const testing::TestParamInfo<FailedRun>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel

// Extraction through the built program: -x with and without -o, -dtp and
// -append (tape files: tape_extraction_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/program.h"
#include "support/text_generator.h"
#include "extract/text_records.h"

namespace vendrel::test {
namespace {

const std::string kOneTwo = "#one\r\n#two\r\n#";

bool ends_with(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class ExtractProgram : public ::testing::Test {
protected:
    // Packs source with the options given and returns the output's path.
    std::string pack(const std::string& source, const std::vector<std::string>& options, const std::string& output) {
        const std::string source_path = dir.write("source.txt", source);
        std::vector<std::string> args = options;
        args.insert(args.end(), {"-o", dir.file(output), source_path});
        const ProgramResult packed = run_program(args);
        EXPECT_EQ(packed.exit_status, 0) << packed.err;
        return dir.file(output);
    }

    ScratchDir dir;
};

TEST_F(ExtractProgram, ConsoleGetsTheRecordsAndOneMoreNewline) {
    for (const char* routine : {"-z80", "-i8080"}) {
        const std::string image = pack(kOneTwo, {routine}, "one_two.vdl");
        const ProgramResult run = run_program({"-x", "0", "0", image});
        EXPECT_EQ(run.exit_status, 0) << routine;
        EXPECT_EQ(run.err, "");
        // The records, extraction's extra newline, then the run's empty line.
        EXPECT_TRUE(ends_with(run.out, "\n#one\n#two\n#\n\n\n")) << ::testing::PrintToString(run.out);
    }
}

struct RangeCase {
    const char* from;
    const char* to;
    const char* text;
};

class ExtractProgramRange : public ExtractProgram, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(ExtractProgramRange, WritesTheRangeToTheOutputFile) {
    const std::string image = pack(kOneTwo, {"-z80"}, "one_two.vdl");
    const std::string out = dir.file("out.txt");
    const ProgramResult run = run_program({"-x", GetParam().from, GetParam().to, "-o", out, image});
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_TRUE(file_exists(out));
    EXPECT_EQ(read_file(out), GetParam().text);
    EXPECT_EQ(run.out.find("#one"), std::string::npos) << "nothing on the console";
}

INSTANTIATE_TEST_SUITE_P(Table, ExtractProgramRange,
                         ::testing::Values(RangeCase{"0", "0", "#one\r\n#two\r\n#\r"}, RangeCase{"2", "2", "#two\r\n#\r"},
                                           RangeCase{"2", "9", "#two\r\n#\r"}, RangeCase{"3", "3", "#\r"},
                                           RangeCase{"4", "4", ""}));

TEST_F(ExtractProgram, DesktopLayoutGoesToTheFileOnly) {
    const std::string image = pack(kOneTwo, {"-i8080"}, "one_two.vdl");
    const std::string out = dir.file("out.dtp");
    const ProgramResult run = run_program({"-x", "0", "0", "-dtp", "-o", out, image});
    EXPECT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(read_file(out), "\x80#one\r\n\x80#two\r\n\x80#\r");
    EXPECT_EQ(run.out.find("#"), std::string::npos) << run.out;
}

TEST_F(ExtractProgram, AppendAddsToTheOutputFileAndAnEmptyResultAddsNothing) {
    const std::string image = pack(kOneTwo, {"-z80"}, "one_two.vdl");
    const std::string out = dir.write("out.txt", "old\r");
    EXPECT_EQ(run_program({"-x", "1", "1", "-append", "-o", out, image}).exit_status, 0);
    EXPECT_EQ(run_program({"-x", "5", "5", "-append", "-o", out, image}).exit_status, 0);
    EXPECT_EQ(read_file(out), "old\r#one\r\n#\r");
    EXPECT_EQ(run_program({"-x", "2", "2", "-o", out, image}).exit_status, 0);
    EXPECT_EQ(read_file(out), "#two\r\n#\r") << "without -append the file is replaced";
}

TEST_F(ExtractProgram, PackedGeneratedTextsComeBackThroughTheProgram) {
    const struct {
        std::vector<std::string> options;
        PackOptions pack;
    } cases[] = {
        {{"-z80"}, {Routine::kZ80, false, LineEnds::kKeep}},
        {{"-i8080"}, {Routine::kI8080, false, LineEnds::kKeep}},
        {{"-z80", "-oa"}, {Routine::kZ80, true, LineEnds::kKeep}},
        {{"-i8080", "-oa", "-only-cr"}, {Routine::kI8080, true, LineEnds::kOnlyCr}},
        {{"-z80", "-only-lf", "-a", "0x4000"}, {Routine::kZ80, false, LineEnds::kOnlyLf}},
        {{"-i8080", "-crlf-spc"}, {Routine::kI8080, false, LineEnds::kCrlfSpace}},
        {{"-z80", "-no-crlf"}, {Routine::kZ80, false, LineEnds::kNoCrlf}},
    };
    std::uint32_t seed = 500;
    for (const auto& c : cases) {
        for (int round = 0; round < 3; ++round, ++seed) {
            TextShape shape;
            shape.alphabet_size = 20 + 35 * round;  // CR and LF appear from 90 on
            shape.separator = round == 1 ? '\n' : '|';
            shape.record_count = 40 + 100 * round;
            shape.max_run_length = 1 + round;
            const std::string source = generate_text(seed, shape);
            const std::string image = pack(source, c.options, "text.vdl");
            const std::string out = dir.file("text.out");
            const ProgramResult run = run_program({"-x", "0", "0", "-o", out, image});
            ASSERT_EQ(run.exit_status, 0) << run.err;

            const std::string prepared = prepared_text(source, c.pack);
            EXPECT_EQ(read_file(out), extracted_form(records_of(prepared, c.pack.oa), prepared[0]))
                << "seed " << seed << " options " << ::testing::PrintToString(c.options);
        }
    }
}

}  // namespace
}  // namespace vendrel::test

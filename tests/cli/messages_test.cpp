// The texts of the front end: every error message, the banner and the
// packing report, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "base/errors.h"
#include "cli/console.h"
#include "cli/report_texts.h"
#include "support/console_expectations.h"
#include "support/job_fixture.h"

namespace vendrel {
namespace {

enum class Argument { kNone, kText, kNumber };

struct MessageCase {
    int code;
    Argument argument;
    std::string expected;  // with the text "NAME" or the number 42 filled in
};

class ReportError : public testing::TestWithParam<MessageCase> {};

TEST_P(ReportError, PrintsTheMessageAndAnEmptyLineOnStandardError) {
    const MessageCase& c = GetParam();
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    int returned = 0;
    switch (c.argument) {
        case Argument::kNone: returned = report_error(c.code); break;
        case Argument::kText: returned = report_error(c.code, "NAME"); break;
        case Argument::kNumber: returned = report_error(c.code, 42); break;
    }
    const std::string err = testing::internal::GetCapturedStderr();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(returned, c.code);
    EXPECT_EQ(err, c.expected + "\n\n");
    EXPECT_EQ(out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReportError,
    testing::Values(
        MessageCase{-2, Argument::kNone, "Out of memory!"},
        MessageCase{-3, Argument::kNone, "Bad combination of options!"},
        MessageCase{-4, Argument::kText, "Missing option value(s) 'NAME'!"},
        MessageCase{-5, Argument::kText, "Can't open input file 'NAME'!"},
        MessageCase{-6, Argument::kText, "Can't access input file 'NAME'!"},
        MessageCase{-7, Argument::kText, "Can't retrieve length of the input file 'NAME'!"},
        MessageCase{-8, Argument::kText, "Input file 'NAME' is too long!"},
        MessageCase{-9, Argument::kText, "Can't read from the input file 'NAME'!"},
        MessageCase{-10, Argument::kText, "Can't open output file 'NAME'!"},
        MessageCase{-11, Argument::kText, "Can't access output file 'NAME'!"},
        MessageCase{-12, Argument::kText, "Can't write to the output file 'NAME'!"},
        MessageCase{-13, Argument::kText, "After 'NAME' must follow address in range 0 to 65535!"},
        MessageCase{-14, Argument::kNone, "Only one output file can be specified!"},
        // The program name is always "vendrel", whatever the caller passes.
        MessageCase{-15, Argument::kText, "Input file not specified!\nTry 'vendrel -h' for help."},
        MessageCase{-15, Argument::kNone, "Input file not specified!\nTry 'vendrel -h' for help."},
        MessageCase{-16, Argument::kNone, "Only one input file can be specified!"},
        MessageCase{-17, Argument::kNumber, "Too many different characters: 42"},
        MessageCase{-18, Argument::kNone, "Source text cannot contain character with code 0xFF!"},
        MessageCase{-19, Argument::kNone, "Routine type z80/i8080 is not specified!"},
        MessageCase{-20, Argument::kText, "Bad tape block name 'NAME'!"},
        MessageCase{-21, Argument::kNone, "Bad record number(s)!"},
        MessageCase{-22, Argument::kText, "Source file is not Vendrel's packed file 'NAME'!"},
        MessageCase{-23, Argument::kNone, "Only one conversion file can be specified!"},
        MessageCase{-24, Argument::kText, "Can't open conversion file 'NAME'!"},
        MessageCase{-25, Argument::kNumber, "Bad character code at line 42"},
        MessageCase{-26, Argument::kNumber, "Bad definition at line 42"},
        MessageCase{-27, Argument::kText, "Too many definitions in conversion file 'NAME'!"},
        MessageCase{-28, Argument::kText, "Source file name 'NAME' is too long!"},
        MessageCase{-29, Argument::kNumber, "Output would be 42 bytes long, more than fits in 65536 bytes!"},
        MessageCase{-30, Argument::kNone, "Desktop document expands beyond 65535 bytes!"},
        MessageCase{-31, Argument::kNone, "Extracted text would be longer than 65535 bytes!"}));

TEST(ReportError, TextWithPercentSignsIsPrintedAsItIs) {
    testing::internal::CaptureStderr();
    report_error(kCannotOpenInput, "100%s%d%n.txt");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Can't open input file '100%s%d%n.txt'!\n\n");
}

TEST(Banner, HasTheVersionLineACreditLineAndAnEmptyLine) {
    testing::internal::CaptureStdout();
    print_banner();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(test::after_banner(out), "");
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 3) << out;
}

// The report of a packing run, from the counts in the Job.
struct ReportCase {
    const char* name;
    int source_length, packed_length, char_count, record_count, routine_length, symbol_table_size, total_length,
        final_length;
    bool tap, ptp;
    std::string expected;
};

class PrintReport : public testing::TestWithParam<ReportCase> {};

TEST_P(PrintReport, PrintsTheLinesInTheirFormats) {
    const ReportCase& c = GetParam();
    JobHandle job = make_job();
    job->source_length = c.source_length;
    job->packed_length = c.packed_length;
    job->char_count = c.char_count;
    job->record_count = c.record_count;
    job->routine_length = c.routine_length;
    job->symbol_table_size = c.symbol_table_size;
    job->total_length = c.total_length;
    job->final_length = c.final_length;
    job->tap = c.tap;
    job->ptp = c.ptp;
    job->z80 = !c.ptp;
    job->i8080 = c.ptp;
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    print_report(*job);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.expected);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, PrintReport,
    testing::Values(
        ReportCase{"RawZ80", 18, 6, 4, 2, 58, 10, 74, 74, false, false, test::kStoryZ80Report},
        ReportCase{"Tap", 18, 6, 4, 2, 58, 10, 74, 99, true, false,
                   test::kStoryZ80Report + "Final length:\t\t\t99 bytes\n"},
        ReportCase{"Ptp", 1000, 523, 40, 12, 72, 300, 895, 963, false, true,
                   "Length of source text:\t\t1000 bytes\n"
                   "Length of packed text:\t\t523 bytes (52.30%)\n"
                   "Number of differenet chars:\t40\n"
                   "Number of records:\t\t12\n"
                   "Length of routine:\t\t72 bytes\n"
                   "Size of character table:\t300 bytes\n"
                   "Total length:\t\t\t895 bytes (89.50%)\n"
                   "Final length:\t\t\t963 bytes\n"},
        ReportCase{"Rounding", 3, 2, 2, 0, 72, 2, 76, 76, false, false,
                   "Length of source text:\t\t3 bytes\n"
                   "Length of packed text:\t\t2 bytes (66.67%)\n"
                   "Number of differenet chars:\t2\n"
                   "Number of records:\t\t0\n"
                   "Length of routine:\t\t72 bytes\n"
                   "Size of character table:\t2 bytes\n"
                   "Total length:\t\t\t76 bytes (2533.33%)\n"},
        // An empty prepared text: both percentages print as 0.00%.
        ReportCase{"EmptyText", 0, 0, 0, -1, 58, 0, 58, 83, true, false,
                   test::kEmptyZ80Report + "Final length:\t\t\t83 bytes\n"},
        ReportCase{"LongestText", 65535, 65535, 1, 65534, 58, 1, 65594, 65594, false, false,
                   "Length of source text:\t\t65535 bytes\n"
                   "Length of packed text:\t\t65535 bytes (100.00%)\n"
                   "Number of differenet chars:\t1\n"
                   "Number of records:\t\t65534\n"
                   "Length of routine:\t\t58 bytes\n"
                   "Size of character table:\t1 bytes\n"
                   "Total length:\t\t\t65594 bytes (100.09%)\n"}),
    [](const testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel

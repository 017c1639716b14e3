// The checks of the record listing on prepared texts, without the program:
// each row packs a text with its options, sets the image's place in memory
// and compares every line the checks find.
#include "listing/text_checks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listing/listing_texts.h"
#include "listing/record_summary.h"
#include "pack/pack_text.h"
#include "support/job_fixture.h"

namespace vendrel {
namespace {

struct CheckCase {
    const char* name;
    std::string file;
    std::vector<std::string> found;
    void (*options)(Job&) = nullptr;
    int load_address = 0x8000;
    int print_address = 0x0010;
    int image_length = 100;
};

void PrintTo(const CheckCase& c, std::ostream* out) { *out << c.name; }

const std::string kTextAfter = "text after the last separator: ";
const std::string kRunsPast = " that no record holds (-x shows them as record ";

const CheckCase kCases[] = {
    {"nothing_found", "#one\r\n#two\r\n#", {}},
    {"empty_text", "", {"no record at all: the text is empty"}},
    {"one_separator",
     "#abc",
     {"no record at all: a record needs a separator before and after it",
      kTextAfter + "3 characters" + kRunsPast + "1; calling it on the target runs past the image)"}},
    {"text_after_the_last_separator",
     "#one\r\n#two",
     {kTextAfter + "3 characters" + kRunsPast + "2; calling it on the target runs past the image)"}},
    {"one_character_after_the_last_separator",
     "#one\r\n#x",
     {kTextAfter + "1 character" + kRunsPast + "2; calling it on the target runs past the image)"}},
    {"line_end_after_the_last_separator_is_no_text", "#one\r\n#two\r\n#\r\n", {}},
    {"oa_drops_a_byte_other_than_the_separator",
     "#one\r\n#two\r\n#x",
     {"-oa dropped the last byte of the file, 'x', which is not the separator '#'"},
     [](Job& job) { job.oa = 1; }},
    {"oa_drops_the_closing_separator", "#one\r\n#two\r\n#", {}, [](Job& job) { job.oa = 1; }},
    {"control_characters",
     "#a\tb\r\n#c\r\n#d\x01\r\n#",
     {"control characters other than CR and LF in records 1 and 3"}},
    {"control_characters_in_many_records",
     "#\x01\r\n#\x02\r\n#\x03\r\n#\x04\r\n#\x05\r\n#\x06\r\n#\x07\r\n#\x08\r\n#\x0B\r\n#\x0C\r\n#",
     {"control characters other than CR and LF in records 1, 2, 3, 4, 5, 6, 7, 8 and 2 more"}},
    {"lines_longer_than_the_width",
     "#abcdef\r\n#abc\r\n#ab\r\nabcdefgh\r\n#",
     {"lines longer than 5 characters in records 1 and 3"},
     [](Job& job) { job.line_width = 5; }},
    {"lines_as_long_as_the_width", "#abcde\r\n#abc\r\n#", {}, [](Job& job) { job.line_width = 5; }},
    {"bytes_of_128_and_above",
     "#one\r\n#caf\xE9\r\n#",
     {"1 byte of 128 and above, the first in record 2, line 1: the target prints them in its own character set"}},
    {"utf8_characters",
     "#one\r\n#two\r\nand caf\xC3\xA9\r\n#na\xC3\xAFve\r\n#",
     {"2 characters of 128 and above, the first in record 2, line 2: they look like UTF-8, which the target "
      "prints as other characters"}},
    {"only_lf_on_a_file_of_cr_lines",
     "#one\r#two\r#",
     {"-only-lf left no line end: the file ends its lines with CR alone"},
     [](Job& job) { job.only_lf = 1; }},
    {"only_cr_on_a_file_of_lf_lines",
     "#one\n#two\n#",
     {"-only-cr left no line end: the file ends its lines with LF alone"},
     [](Job& job) { job.only_cr = 1; }},
    {"crlf_spc_makes_the_separator_a_space",
     "\r\none two\r\nthree\r\n",
     {"-crlf-spc made the separator a space, from the line end that starts the text: every space of the text "
      "separates records too"},
     [](Job& job) { job.crlf_spc = 1; }},
    {"print_address_inside_the_image",
     "#one\r\n#",
     {"the print address 32784 lies inside the image (32768 to 32867)"},
     nullptr,
     0x8000,
     0x8010},
    {"print_address_right_after_the_image", "#one\r\n#", {}, nullptr, 0x8000, 0x8064},
    {"image_past_the_top_of_memory",
     "#one\r\n#",
     {"the image runs from 65500 past 65535 (to 65599)", "the print address 16 lies inside the image (65500 to 63)"},
     nullptr,
     65500,
     16},
    {"image_ending_at_65535", "#one\r\n#", {}, nullptr, 65436, 16},
};

class ChecksOnPreparedTexts : public testing::TestWithParam<CheckCase> {};

TEST_P(ChecksOnPreparedTexts, FindExactlyThese) {
    const CheckCase& c = GetParam();
    JobHandle job = make_job();
    ASSERT_TRUE(job);
    job->z80 = 1;
    if (c.options != nullptr) c.options(*job);
    test::load_text(*job, c.file);
    ASSERT_EQ(pack_text(*job), 0);
    job->load_address = c.load_address;
    job->print_address = c.print_address;
    job->total_length = c.image_length;

    const std::vector<RecordSummary> records = summarize_records(packed_text_of(*job));
    const ListingTexts texts = listing_texts(*job, c.file, records);
    EXPECT_EQ(check_packed_text(*job, texts, records), c.found);
}

INSTANTIATE_TEST_SUITE_P(Texts, ChecksOnPreparedTexts, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ListingTexts, ThePackedTextIsReadBackFromTheRecords) {
    JobHandle job = make_job();
    ASSERT_TRUE(job);
    job->z80 = 1;
    job->no_crlf = 1;
    const std::string file = "#one\r\n#two\r\n#three";
    test::load_text(*job, file);
    ASSERT_EQ(pack_text(*job), 0);
    const ListingTexts texts = listing_texts(*job, file, summarize_records(packed_text_of(*job)));
    EXPECT_EQ(texts.file, file);
    EXPECT_EQ(texts.packed, "#one#two#three");
    // Prepared again without the line-end option: the lines as the file has them.
    EXPECT_EQ(texts.laid_out, file);
}

}  // namespace
}  // namespace vendrel

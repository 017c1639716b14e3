#include "prepare/desktop_import.h"

#include <gtest/gtest.h>

#include <string>

#include "base/errors.h"
#include "support/job_fixture.h"

namespace vendrel {
namespace {
using test::text_before_end_mark;

struct ImportCase {
    const char* name;
    std::string document;
    bool lc;
    std::string expected;
};

class ImportDesktopDocument : public testing::TestWithParam<ImportCase> {};

TEST_P(ImportDesktopDocument, ProducesRunningText) {
    const ImportCase& c = GetParam();
    JobHandle job = make_job();
    job->lc = c.lc ? 1 : 0;
    test::load_text(*job, c.document);
    ASSERT_EQ(import_desktop_document(*job), 0);
    const std::string text = text_before_end_mark(*job);
    EXPECT_EQ(text, c.expected);
    for (unsigned char byte : text) {
        EXPECT_GE(byte, 32);
        EXPECT_LE(byte, 159);
    }
}

std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (int value : values) text.push_back(static_cast<char>(value));
    return text;
}

// Line heads: 0x00 is a one-byte head, 0x20 is followed by two more bytes.
const std::string kHead = bytes({0x00});
const std::string kLongHead = bytes({0x20, 'h', 'h'});

INSTANTIATE_TEST_SUITE_P(
    Documents, ImportDesktopDocument,
    testing::Values(
        ImportCase{"EveryCrGivesSpace", kHead + "abc\r" + kHead + "def\r", false, "abc def "},
        ImportCase{"BarJoinsLines", kHead + "abc|\r" + kHead + "def\r", false, "abc|def "},
        ImportCase{"BackslashJoinsLines", kHead + "abc\\\r" + kHead + "def\r", false, "abc\\def "},
        ImportCase{"JoinMarkInsideLineDoesNotJoin", kHead + "a|c\r" + kHead + "d", false, "a|c d"},
        ImportCase{"EmptyLineAddsSpace", kHead + "abc\r" + kHead + "\r" + kHead + "def\r", false,
                   "abc  def "},
        ImportCase{"LastLineWithoutCr", kHead + "abc\r" + kHead + "def", false, "abc def"},
        ImportCase{"HeadByte80SkipsOnlyItself", bytes({0x80}) + "abc\r" + bytes({0x80}) + "d", false,
                   "abc d"},
        ImportCase{"HeadByte20SkipsTwoMore", bytes({0x20, 'X', 'Y'}) + "abc", false, "abc"},
        ImportCase{"HeadByte40SkipsTwoMore", bytes({0x40, 'X', 'Y'}) + "abc", false, "abc"},
        ImportCase{"HeadByte60SkipsTwoMore", bytes({0x60, 'X', 'Y'}) + "abc", false, "abc"},
        ImportCase{"HeadBytesOfLaterLines",
                   kHead + "a\r" + bytes({0x40, 1, 2}) + "b\r" + bytes({0x9F}) + "c\r" +
                       bytes({0xE0, 'Q', 'Q'}) + "d",
                   false, "a b c d"},
        ImportCase{"CrAsHeadByte", bytes({13}) + "abc", false, "abc"},
        ImportCase{"ControlBytesDropped", kHead + "a\tb\nc" + bytes({0, 1, 12, 14, 31}) + "d", false,
                   "abcd"},
        ImportCase{"Repeat160AddsNothing", kHead + "x" + bytes({160}), false, "x"},
        ImportCase{"Repeat163AddsThree", kHead + "x" + bytes({163}) + "y", false, "xxxxy"},
        ImportCase{"Repeat254AddsNinetyFour", kHead + "-" + bytes({254}), false, std::string(95, '-')},
        ImportCase{"RepeatAfterLineEnd", kHead + "a\r" + kHead + bytes({162}), false, "a   "},
        ImportCase{"RepeatsAddUp", kHead + "x" + bytes({161, 161}), false, "xxx"},
        ImportCase{"LowerCaseLetters", kLongHead + "ABC", true, "abc"},
        ImportCase{"LowerCaseAllLetters", kHead + "@AMZ[az`{", true, "@amz[az`{"},
        ImportCase{"LowerCaseMachineLetters", kHead + bytes({0x81, 0x9F, 0x80, 0x9E, 0x83}), true,
                   bytes({0x80, 0x9E, 0x80, 0x9E, 0x82})},
        ImportCase{"RepeatCopiesLoweredByte", kHead + "A" + bytes({162}), true, "aaa"},
        ImportCase{"NoCaseChangeWithoutLc", kHead + "ABC" + bytes({0x81, 0x9F}), false,
                   "ABC" + bytes({0x81, 0x9F})},
        ImportCase{"HighTextBytesKept", kHead + bytes({127, 128, 159}), false, bytes({127, 128, 159})},
        // Nothing produced yet: a CR sees no join mark, a repeat has
        // nothing to copy.
        ImportCase{"FirstLineEmpty", kHead + "\r" + kHead + "abc", false, " abc"},
        ImportCase{"RepeatBeforeAnyText", kHead + bytes({163}) + "abc", false, "abc"},
        // The end mark ends the document wherever it stands.
        ImportCase{"EmptyDocument", "", false, ""},
        ImportCase{"HeadOnly", kHead, false, ""},
        ImportCase{"EndsAfterLongHeadByte", bytes({0x20}), false, ""},
        ImportCase{"EndsInsideLongHead", bytes({0x60, 'X'}), false, ""},
        ImportCase{"EndsInsideLaterHead", kHead + "abc\r" + bytes({0x40, 'X'}), false, "abc "},
        ImportCase{"EndsAfterCr", kHead + "abc\r", false, "abc "}),
    [](const testing::TestParamInfo<ImportCase>& info) { return std::string(info.param.name); });

TEST(ImportDesktopDocumentBuffer, StopsAtEndMark) {
    JobHandle job = make_job();
    test::load_text(*job, bytes({0x20, 'X'}));
    job->text_buffer[3] = 'Z';  // behind the end mark: not part of the document
    ASSERT_EQ(import_desktop_document(*job), 0);
    EXPECT_EQ(job->text_buffer[0], kEndMark);
}

// A head, one 'x', full_repeats bytes of 94 copies each, then one repeat
// byte of last_repeat copies.
std::string repeating_document(int full_repeats, int last_repeat) {
    std::string document = kHead + "x" + std::string(static_cast<std::size_t>(full_repeats), '\xFE');
    if (last_repeat > 0) document.push_back(static_cast<char>(160 + last_repeat));
    return document;
}

TEST(ImportDesktopDocumentBuffer, ExpandsToTheWholeBuffer) {
    JobHandle job = make_job();
    test::load_text(*job, repeating_document(697, 16));  // 1 + 697 * 94 + 16 = 65,535
    ASSERT_EQ(import_desktop_document(*job), 0);
    EXPECT_EQ(text_before_end_mark(*job), std::string(65535, 'x'));
    EXPECT_EQ(job->text_buffer[65535], kEndMark);
}

TEST(ImportDesktopDocumentBuffer, RepeatAtEndOfLongestDocument) {
    JobHandle job = make_job();
    test::load_text(*job, kHead + std::string(65533, 'a') + "\xA2");
    ASSERT_EQ(import_desktop_document(*job), 0);
    EXPECT_EQ(text_before_end_mark(*job), std::string(65535, 'a'));
}

struct TooLongCase {
    const char* name;
    std::string document;
};

class RefuseDocument : public testing::TestWithParam<TooLongCase> {};

TEST_P(RefuseDocument, ReportsDocumentTooLong) {
    JobHandle job = make_job();
    test::load_text(*job, GetParam().document);
    testing::internal::CaptureStderr();
    EXPECT_EQ(import_desktop_document(*job), kDocumentTooLong);
    const std::string err = testing::internal::GetCapturedStderr();
    ASSERT_NE(error_message_format(kDocumentTooLong), nullptr);
    EXPECT_EQ(err, std::string(error_message_format(kDocumentTooLong)) + "\n\n");
}

INSTANTIATE_TEST_SUITE_P(
    Expansions, RefuseDocument,
    testing::Values(
        // One byte beyond the buffer.
        TooLongCase{"OneBytePastBuffer", repeating_document(697, 17)},
        TooLongCase{"FarPastBuffer", repeating_document(1000, 0)},
        // The copies would overwrite unread input: the TABs that follow
        // would vanish later, but they have not been read yet.
        TooLongCase{"WouldOvertakeUnreadInput", repeating_document(1, 0) + std::string(65500, '\t')},
        TooLongCase{"RepeatAfterLongestDocument", kHead + std::string(65533, 'a') + "\xA3"}),
    [](const testing::TestParamInfo<TooLongCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vendrel

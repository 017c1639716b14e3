// Whole-file reading and writing, and the Job's buffers, in-process.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "base/output_file.h"
#include "base/job_setup.h"
#include "base/errors.h"
#include "support/program.h"

namespace vendrel {
namespace {

using namespace std::string_literals;
using test::ScratchDir;

std::string all_byte_values() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
    return bytes;
}

struct ReadOutcome {
    int result;
    std::string err;
};

ReadOutcome read_into(const std::string& path, std::vector<std::uint8_t>& buffer, int limit) {
    testing::internal::CaptureStderr();
    const int result = read_whole_file(path.c_str(), buffer.data(), limit);
    return {result, testing::internal::GetCapturedStderr()};
}

TEST(ReadWholeFile, ReadsAnEmptyFileAsZeroBytes) {
    const ScratchDir dir;
    std::vector<std::uint8_t> buffer(16, 0xAA);
    const ReadOutcome outcome = read_into(dir.write("empty", ""), buffer, kMaxSourceLength);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(16, 0xAA));
}

TEST(ReadWholeFile, ReadsBytesUnchangedAndAddsNothingBehind) {
    const ScratchDir dir;
    const std::string bytes = "\r\n\x1A\0\r\r\n\n"s + all_byte_values() + "\x1A";
    std::vector<std::uint8_t> buffer(kTextBufferSize, 0xAA);
    const ReadOutcome outcome = read_into(dir.write("bytes", bytes), buffer, kMaxSourceLength);
    ASSERT_EQ(outcome.result, static_cast<int>(bytes.size()));
    EXPECT_EQ(std::memcmp(buffer.data(), bytes.data(), bytes.size()), 0);
    EXPECT_EQ(buffer[bytes.size()], 0xAA);
    EXPECT_EQ(outcome.err, "");
}

TEST(ReadWholeFile, AcceptsAFileAsLongAsTheLimit) {
    const ScratchDir dir;
    std::string bytes(kMaxSourceLength, 'a');
    bytes.back() = 'z';
    std::vector<std::uint8_t> buffer(kTextBufferSize, 0xAA);
    const ReadOutcome outcome = read_into(dir.write("longest", bytes), buffer, kMaxSourceLength);
    ASSERT_EQ(outcome.result, kMaxSourceLength);
    EXPECT_EQ(buffer[kMaxSourceLength - 1], 'z');
    EXPECT_EQ(buffer[kMaxSourceLength], 0xAA);
}

TEST(ReadWholeFile, RefusesALongerFileBeforeReadingIt) {
    const ScratchDir dir;
    const std::string path = dir.write("too-long", std::string(kMaxSourceLength + 1, 'a'));
    std::vector<std::uint8_t> buffer(kTextBufferSize + 1, 0xAA);
    const ReadOutcome outcome = read_into(path, buffer, kMaxSourceLength);
    EXPECT_EQ(outcome.result, kInputTooLong);
    EXPECT_EQ(outcome.err, "Input file '" + path + "' is too long!\n\n");
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(kTextBufferSize + 1, 0xAA));
}

TEST(ReadWholeFile, LimitIsTheCallersChoice) {
    const ScratchDir dir;
    const std::string path = dir.write("ten", "0123456789");
    std::vector<std::uint8_t> buffer(16, 0);
    EXPECT_EQ(read_into(path, buffer, 10).result, 10);
    EXPECT_EQ(read_into(path, buffer, 9).result, kInputTooLong);
}

TEST(ReadWholeFile, MissingFileCannotBeOpened) {
    const ScratchDir dir;
    const std::string path = dir.file("missing.txt");
    std::vector<std::uint8_t> buffer(16, 0);
    const ReadOutcome outcome = read_into(path, buffer, kMaxSourceLength);
    EXPECT_EQ(outcome.result, kCannotOpenInput);
    EXPECT_EQ(outcome.err, "Can't open input file '" + path + "'!\n\n");
}

TEST(ReadWholeFile, PipeCannotBeSeekedInto) {
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ASSERT_EQ(::write(fds[1], "text", 4), 4);
    ::close(fds[1]);
    const std::string path = "/dev/fd/" + std::to_string(fds[0]);
    std::vector<std::uint8_t> buffer(16, 0);
    const ReadOutcome outcome = read_into(path, buffer, kMaxSourceLength);
    ::close(fds[0]);
    EXPECT_EQ(outcome.result, kCannotAccessInput);
    EXPECT_EQ(outcome.err, "Can't access input file '" + path + "'!\n\n");
}

TEST(ReadWholeFile, DirectoryIsRefusedWithAnInputError) {
    const ScratchDir dir;
    std::vector<std::uint8_t> buffer(kTextBufferSize, 0);
    const ReadOutcome outcome = read_into(dir.path().string(), buffer, kMaxSourceLength);
    EXPECT_LE(outcome.result, kCannotOpenInput);
    EXPECT_GE(outcome.result, kCannotReadInput);
    ASSERT_GE(outcome.err.size(), 2u);
    EXPECT_NE(outcome.err.find(dir.path().string()), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.err.substr(outcome.err.size() - 2), "\n\n");
}

struct WriteOutcome {
    int result;
    std::string err;
};

WriteOutcome write_bytes(const std::string& path, const std::string& bytes, bool append) {
    testing::internal::CaptureStderr();
    const int result =
        write_output_file(path.c_str(), reinterpret_cast<const std::uint8_t*>(bytes.data()),
                          static_cast<int>(bytes.size()), append);
    return {result, testing::internal::GetCapturedStderr()};
}

TEST(WriteOutputFile, ReplacesAnExistingFileWithExactlyTheNewBytes) {
    const ScratchDir dir;
    const std::string path = dir.write("out", std::string(1000, 'o'));
    const WriteOutcome outcome = write_bytes(path, "\r\n\x1A" + all_byte_values(), false);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(test::read_file(path), "\r\n\x1A" + all_byte_values());
}

// What a file holds after a write: old content (or no file), the bytes
// written, replaced or appended.
struct ContentCase {
    const char* name;
    const char* old;  // nullptr: no file yet
    const char* data;
    bool append;
    const char* expected;
};

const ContentCase kContentCases[] = {
    {"append_behind_old_content", "old\r\n", "new\x1A", true, "old\r\nnew\x1A"},
    {"append_creates_missing_file", nullptr, "data", true, "data"},
    {"zero_bytes_create", nullptr, "", false, ""},
    {"zero_bytes_empty", "old content", "", false, ""},
    {"zero_bytes_appended_keep", "old content", "", true, "old content"},
};

class WrittenContent : public testing::TestWithParam<ContentCase> {};

TEST_P(WrittenContent, IsTheOldContentReplacedOrExtended) {
    const ContentCase& c = GetParam();
    const ScratchDir dir;
    const std::string path = c.old != nullptr ? dir.write("out", c.old) : dir.file("out");
    EXPECT_EQ(write_bytes(path, c.data, c.append).result, 0);
    ASSERT_TRUE(test::file_exists(path));
    EXPECT_EQ(test::read_file(path), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Writes, WrittenContent, testing::ValuesIn(kContentCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteOutputFile, MissingDirectoryCannotBeOpened) {
    const ScratchDir dir;
    const std::string path = dir.file("no-such-dir/out.vdl");
    for (const bool append : {false, true}) {
        const WriteOutcome outcome = write_bytes(path, "data", append);
        EXPECT_EQ(outcome.result, kCannotOpenOutput);
        EXPECT_EQ(outcome.err, "Can't open output file '" + path + "'!\n\n");
    }
}

TEST(WriteOutputFile, FullDeviceCannotBeWritten) {
    const WriteOutcome outcome = write_bytes("/dev/full", std::string(100, 'x'), false);
    EXPECT_EQ(outcome.result, kCannotWriteOutput);
    EXPECT_EQ(outcome.err, "Can't write to the output file '/dev/full'!\n\n");
}

TEST(WriteOutputFile, PipeTakesTheBytesWithoutPositioning) {
    for (const bool append : {false, true}) {
        int fds[2];
        ASSERT_EQ(::pipe(fds), 0);
        const std::string path = "/dev/fd/" + std::to_string(fds[1]);
        const WriteOutcome outcome = write_bytes(path, "data", append);
        ::close(fds[1]);
        char got[8] = {};
        const ssize_t n = ::read(fds[0], got, sizeof got);
        ::close(fds[0]);
        EXPECT_EQ(outcome.result, 0) << outcome.err;
        EXPECT_EQ(std::string(got, n > 0 ? static_cast<std::size_t>(n) : 0), "data");
    }
}

TEST(AllocateZeroed, GivesAZeroFilledBuffer) {
    std::uint8_t* slot = nullptr;
    ASSERT_EQ(allocate_zeroed(slot, 4096), 0);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(std::vector<std::uint8_t>(slot, slot + 4096), std::vector<std::uint8_t>(4096, 0));
    std::free(slot);
}

TEST(AllocateZeroed, SecondCallKeepsTheBufferAndItsContents) {
    std::uint8_t* slot = nullptr;
    ASSERT_EQ(allocate_zeroed(slot, 64), 0);
    std::uint8_t* const first = slot;
    std::memset(slot, 0x55, 64);
    EXPECT_EQ(allocate_zeroed(slot, 64), 0);
    EXPECT_EQ(slot, first);
    EXPECT_EQ(std::vector<std::uint8_t>(slot, slot + 64), std::vector<std::uint8_t>(64, 0x55));
    std::free(slot);
}

#if defined(__SANITIZE_ADDRESS__)
#define VENDREL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VENDREL_ASAN 1
#endif
#endif

TEST(AllocateZeroed, ImpossibleSizeReportsOutOfMemory) {
#ifdef VENDREL_ASAN
    GTEST_SKIP() << "the address sanitizer stops impossible allocations itself";
#else
    std::uint8_t* slot = nullptr;
    testing::internal::CaptureStderr();
    const int result = allocate_zeroed(slot, static_cast<std::size_t>(-1));
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(result, kOutOfMemory);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(err, "Out of memory!\n\n");
#endif
}

TEST(ReleaseJob, AbsentJobIsNothingToRelease) { release_job(nullptr); }

TEST(ReleaseJob, ReleasesAJobWithSomeOrAllBuffers) {
    // Leaks or double releases show under the sanitizers and valgrind.
    Job* bare = nullptr;
    ASSERT_EQ(allocate_zeroed(bare, sizeof(Job)), 0);
    release_job(bare);

    Job* full = nullptr;
    ASSERT_EQ(allocate_zeroed(full, sizeof(Job)), 0);
    ASSERT_EQ(allocate_zeroed(full->text_buffer, kTextBufferSize), 0);
    ASSERT_EQ(allocate_zeroed(full->image_buffer, kImageBufferSize), 0);
    ASSERT_EQ(allocate_zeroed(full->symbol_table, kSymbolTableSize), 0);
    ASSERT_EQ(allocate_zeroed(full->candidate_table, kCandidateCount * sizeof(Candidate)), 0);
    ASSERT_EQ(allocate_zeroed(full->conversion_table, kConversionTableSize), 0);
    release_job(full);
}

}  // namespace
}  // namespace vendrel

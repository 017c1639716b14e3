// The 6502's program files through the built program: a PRG file is the
// load address and the raw image, an XEX file $FFFF, the first and the
// last address and the raw image; both read back with -x like the raw
// image, appended XEX segments are told apart with -xb, and the options
// that do not fit a 6502 job are refused.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "program/sample_files.h"
#include "support/program.h"

namespace vendrel::test {
namespace {

int byte_at(const std::string& file, std::size_t at) { return static_cast<unsigned char>(file[at]); }
int word_at(const std::string& file, std::size_t at) { return byte_at(file, at) | byte_at(file, at + 1) << 8; }

class ProgramFiles : public SampleRuns {
protected:
    // Packs a sample for the 6502 into the named file and gives its path.
    std::string pack(const Sample& sample, std::vector<std::string> options, const std::string& name) {
        const std::string output = dir.file(name);
        options.insert(options.begin(), "-6502");
        pack_sample(sample, std::move(options), output);
        return output;
    }
};

TEST_F(ProgramFiles, HeadersFrameTheRawImageAndReadBack) {
    for (const Sample& sample : kSampleFiles) {
        for (const char* address : {"4096", "0xC000", "0x0801"}) {
            const std::string what = std::string(sample.file) + " at " + address;
            const std::string raw = read_file(pack(sample, {"-a", address}, "image.vdl"));
            const std::string prg_path = pack(sample, {"-a", address, "-prg"}, "image.prg");
            const std::string xex_path = pack(sample, {"-a", address, "-xex"}, "image.xex");
            const std::string prg = read_file(prg_path);
            const std::string xex = read_file(xex_path);
            const int load = std::stoi(address, nullptr, 0);
            const int size = static_cast<int>(raw.size());

            ASSERT_EQ(prg.size(), raw.size() + 2) << what;
            EXPECT_EQ(word_at(prg, 0), load) << what;
            EXPECT_EQ(prg.substr(2), raw) << what;

            ASSERT_EQ(xex.size(), raw.size() + 6) << what;
            EXPECT_EQ(word_at(xex, 0), 0xFFFF) << what;
            EXPECT_EQ(word_at(xex, 2), load) << what;
            EXPECT_EQ(word_at(xex, 4), load + size - 1) << what << ": the last address, not the end";
            EXPECT_EQ(xex.substr(6), raw) << what;

            const std::string text = extracted(dir.file("image.vdl"));
            ASSERT_FALSE(text.empty()) << what;
            EXPECT_EQ(extracted(prg_path), text) << what;
            EXPECT_EQ(extracted(xex_path), text) << what;
        }
    }
}

TEST_F(ProgramFiles, AppendedXexSegmentsArePickedWithTheirBlockNumber) {
    const std::string first = extracted(pack(kSampleFiles[0], {}, "first.vdl"));
    const std::string second = extracted(pack(kSampleFiles[1], {"-a", "0x4000"}, "second.vdl"));
    const std::string xex = dir.file("both.xex");
    pack(kSampleFiles[0], {"-xex"}, "both.xex");
    const std::string alone = read_file(xex);
    pack(kSampleFiles[1], {"-a", "0x4000", "-xex", "-append"}, "both.xex");
    const std::string both = read_file(xex);

    // The second segment keeps its own marker, which Atari loaders accept
    // before any segment.
    ASSERT_GT(both.size(), alone.size() + 6);
    EXPECT_EQ(both.substr(0, alone.size()), alone);
    EXPECT_EQ(word_at(both, alone.size()), 0xFFFF);
    EXPECT_EQ(word_at(both, alone.size() + 2), 0x4000);
    EXPECT_EQ(extracted(xex), first);
    EXPECT_EQ(extracted(xex, {"-xb", "2"}), second);

    const ProgramResult third = run_program({"-x", "0", "0", "-xb", "3", xex});
    EXPECT_EQ(third.exit_status, 38);
    EXPECT_EQ(third.err, "Tape file '" + xex + "' has no packed image at that block!\n\n");
}

// A loader's segment in front of the image (here the run address that DOS
// jumps to, at $02E0) is passed over; the image is the first packed one.
TEST_F(ProgramFiles, XexSegmentsThatHoldNoImageArePassedOver) {
    const std::string image = read_file(pack(kSampleFiles[0], {"-xex"}, "image.xex"));
    const std::string with_run_address = std::string("\xFF\xFF\xE0\x02\xE1\x02\x00\x10", 8) + image.substr(2);
    const std::string file = dir.write("run.xex", with_run_address);
    EXPECT_EQ(extracted(file), extracted(dir.file("image.xex")));
}

struct DamagedFile {
    const char* name;
    void (*apply)(std::string& file);
};

const DamagedFile kDamagedFiles[] = {
    {"xex_cut_short", [](std::string& f) { f.pop_back(); }},
    {"xex_last_before_first", [](std::string& f) { f[5] = static_cast<char>(byte_at(f, 3) - 1); }},
    {"xex_marker_missing", [](std::string& f) { f[0] = 0; }},
    {"xex_cut_inside_header", [](std::string& f) { f.resize(5); }},
    {"prg_of_one_byte", [](std::string& f) { f = "\x01"; }},
    {"prg_image_byte", [](std::string& f) { f[2] ^= 0x01; }},
};

class DamagedProgramFile : public testing::TestWithParam<DamagedFile> {};

TEST_P(DamagedProgramFile, IsRefusedAsNotPacked) {
    const DamagedFile& damage = GetParam();
    const bool xex = std::string(damage.name).starts_with("xex");
    ScratchDir dir;
    const std::string source = dir.write("text.txt", "|the lamp|the door|the key|the lamp and the key|");
    const std::string file = dir.file("text.bin");
    ASSERT_EQ(run_program({"-6502", xex ? "-xex" : "-prg", "-o", file, source}).exit_status, 0);
    ASSERT_EQ(run_program({"-x", "0", "0", file}).exit_status, 0) << "the intact file is read";

    std::string bytes = read_file(file);
    damage.apply(bytes);
    const std::string damaged = dir.write("damaged.bin", bytes);
    const ProgramResult run = run_program({"-x", "0", "0", damaged});
    EXPECT_EQ(run.exit_status, 22);
    EXPECT_EQ(run.err, "Source file is not Vendrel's packed file '" + damaged + "'!\n\n");
}

INSTANTIATE_TEST_SUITE_P(Table, DamagedProgramFile, testing::ValuesIn(kDamagedFiles),
                         [](const auto& info) { return std::string(info.param.name); });

struct Refusal {
    const char* name;
    std::vector<std::string> options;
    int status;
    const char* message;
};

const char kBadCombination[] = "Bad combination of options!\n\n";

const Refusal kRefusals[] = {
    {"prg_appended", {"-6502", "-prg", "-append"}, 3, kBadCombination},
    {"prg_named", {"-6502", "-prg", "-n", "TEXT"}, 3, kBadCombination},
    {"prg_with_z80", {"-z80", "-prg"}, 3, kBadCombination},
    {"xex_with_i8080", {"-i8080", "-xex"}, 3, kBadCombination},
    {"tap_with_6502", {"-6502", "-tap"}, 3, kBadCombination},
    {"prg_and_xex", {"-6502", "-prg", "-xex"}, 3, kBadCombination},
    {"zero_page_with_z80", {"-z80", "-zp", "0x80"}, 3, kBadCombination},
    {"stack_with_i8080", {"-i8080", "-stack", "64"}, 3, kBadCombination},
    {"zero_page_past_252", {"-6502", "-zp", "253"}, 40,
     "After '-zp' must follow zero page address in range 0 to 252!\n\n"},
    {"zero_page_not_a_number", {"-6502", "-zp", "fb"}, 40,
     "After '-zp' must follow zero page address in range 0 to 252!\n\n"},
    {"stack_of_one_byte", {"-6502", "-stack", "1"}, 41,
     "After '-stack' must follow stack size in range 2 to 256 bytes!\n\n"},
    {"stack_past_a_page", {"-6502", "-stack", "257"}, 41,
     "After '-stack' must follow stack size in range 2 to 256 bytes!\n\n"},
    {"xex_past_the_top", {"-6502", "-xex", "-a", "0xFF80"}, 43,
     "Image would run past address 65535, which an XEX file cannot load!\n\n"},
    {"no_routine", {"-prg"}, 19, "Routine type z80/i8080 is not specified!\n\n"},
};

class SixFiveOhTwoRefusal : public testing::TestWithParam<Refusal> {};

TEST_P(SixFiveOhTwoRefusal, EndsTheRunWithItsMessageAndWritesNothing) {
    const Refusal& refusal = GetParam();
    ScratchDir dir;
    const std::string source = dir.write("text.txt", "|the lamp|the door|the key|");
    const std::string output = dir.file("out.bin");
    std::vector<std::string> args = refusal.options;
    args.insert(args.end(), {"-o", output, source});
    const ProgramResult run = run_program(args);
    EXPECT_EQ(run.exit_status, refusal.status);
    EXPECT_EQ(run.err, refusal.message);
    EXPECT_FALSE(std::filesystem::exists(output));
}

INSTANTIATE_TEST_SUITE_P(Table, SixFiveOhTwoRefusal, testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// The raw image that wraps past 65,535 is the one place such an image can
// go; a PRG file carries it too, since it names no last address.
TEST_F(ProgramFiles, OnlyAnXexFileRefusesAnImageThatWraps) {
    for (const char* container : {"-prg", ""}) {
        std::vector<std::string> options = {"-a", "0xFF80"};
        if (*container != '\0') options.push_back(container);
        const std::string file = pack(kSampleFiles[0], options, "top.bin");
        EXPECT_FALSE(extracted(file).empty()) << container;
    }
}

}  // namespace
}  // namespace vendrel::test

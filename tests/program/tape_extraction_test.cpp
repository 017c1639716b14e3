// -x on the tape files the program writes: each sample packed raw and on
// tape, alone and appended, extracts to the same text; a damaged tape is
// refused; -xb chooses among the images on a tape.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "program/sample_files.h"
#include "support/program.h"

namespace vendrel::test {
namespace {

// Each routine with the tape file it goes with.
struct Routine {
    const char* option;
    const char* tape;
};

const Routine kRoutines[] = {{"-z80", "-tap"}, {"-i8080", "-ptp"}};

std::string not_packed(const std::string& path) { return "Source file is not Vendrel's packed file '" + path + "'!\n\n"; }
std::string no_block(const std::string& path) { return "Tape file '" + path + "' has no packed image at that block!\n\n"; }

class TapeExtraction : public SampleRuns {
protected:
    void pack(const Sample& sample, std::vector<std::string> options, const std::string& output) {
        ASSERT_TRUE(pack_sample(sample, std::move(options), output));
    }
};

TEST_F(TapeExtraction, EverySampleComesBackFromItsTapesAsFromItsRawImage) {
    for (const Routine& routine : kRoutines) {
        for (std::size_t i = 0; i < std::size(kSampleFiles); ++i) {
            const Sample& sample = kSampleFiles[i];
            const Sample& other = kSampleFiles[(i + 1) % std::size(kSampleFiles)];
            const std::string what = std::string(sample.file) + " " + routine.option;
            const std::string raw = dir.file("raw.vdl");
            const std::string other_raw = dir.file("other.vdl");
            const std::string single = dir.file("single.tape");
            const std::string appended = dir.file("appended.tape");
            pack(sample, {routine.option}, raw);
            pack(other, {routine.option}, other_raw);
            pack(sample, {routine.option, routine.tape}, single);
            pack(sample, {routine.option, routine.tape}, appended);
            pack(other, {routine.option, routine.tape, "-append"}, appended);

            const std::string text = extracted(raw);
            ASSERT_FALSE(text.empty()) << what;
            EXPECT_EQ(extracted(single), text) << what;
            EXPECT_EQ(extracted(appended), text) << what << ": the first image by default";
            EXPECT_EQ(extracted(appended, {"-xb", "1"}), text) << what;
            EXPECT_EQ(extracted(appended, {"-xb", "2"}), extracted(other_raw)) << what;
        }
    }
}

TEST_F(TapeExtraction, RecordsAndDesktopLayoutComeFromTheTapeImage) {
    const std::string raw = dir.file("raw.vdl");
    const std::string tap = dir.file("adventure.tap");
    pack(kSampleFiles[0], {"-z80"}, raw);
    pack(kSampleFiles[0], {"-z80", "-tap"}, tap);
    const ProgramResult from_raw = run_program({"-x", "39", "40", raw});
    const ProgramResult from_tap = run_program({"-x", "39", "40", tap});
    EXPECT_EQ(from_tap.exit_status, 0) << from_tap.err;
    EXPECT_EQ(from_tap.out, from_raw.out);
    EXPECT_EQ(extracted(tap, {"-dtp"}), extracted(raw, {"-dtp"}));
}

TEST_F(TapeExtraction, ListingOfATapeIsTheListingOfItsImage) {
    for (const Routine& routine : kRoutines) {
        const std::string raw = dir.file("raw.vdl");
        const std::string tape = dir.file("appended.tape");
        pack(kSampleFiles[0], {routine.option}, raw);
        pack(kSampleFiles[1], {routine.option, routine.tape}, tape);
        pack(kSampleFiles[0], {routine.option, routine.tape, "-append"}, tape);
        const ProgramResult from_raw = run_program({"-x", "0", "0", "-list", raw});
        const ProgramResult from_tape = run_program({"-x", "0", "0", "-list", "-xb", "2", tape});
        EXPECT_EQ(from_tape.exit_status, 0) << routine.option << ": " << from_tape.err;
        EXPECT_EQ(from_tape.out, from_raw.out) << routine.option;
    }
}

struct Damage {
    const char* name;
    bool tap;
    // Changes the bytes of a tape file of one image.
    void (*apply)(std::string& file);
};

void flip(std::string& file, std::size_t at) { file[at] = static_cast<char>(file[at] ^ 0x01); }

// Adds one to a 16-bit field and, when checksum_at is not 0, mends the
// checksum (XOR or sum) that covers the field, so that only the length
// disagrees.
void add_one_to_word(std::string& file, std::size_t at, std::size_t checksum_at, bool sum) {
    const auto byte = [&file](std::size_t i) { return static_cast<unsigned char>(file[i]); };
    const int old_low = byte(at);
    const int old_high = byte(at + 1);
    const int value = (old_low | old_high << 8) + 1;
    file[at] = static_cast<char>(value & 0xFF);
    file[at + 1] = static_cast<char>((value >> 8) & 0xFF);
    if (checksum_at == 0) return;
    const int checksum = byte(checksum_at);
    file[checksum_at] = static_cast<char>(sum ? checksum + byte(at) + byte(at + 1) - old_low - old_high
                                              : checksum ^ byte(at) ^ byte(at + 1) ^ old_low ^ old_high);
}

// Offsets in a TAP file: header block 2..20 (checksum 20), data length at
// 21, flag at 23, image from 24, checksum last. In a PTP file: fill runs
// 2..49, fields 50..63 (length - 1 at 54, name at 56), checksum 64, data
// length at 65, image from 67, checksum last.
const Damage kDamages[] = {
    {"tap_cut_before_data_checksum", true, [](std::string& f) { f.pop_back(); }},
    {"tap_cut_inside_header", true, [](std::string& f) { f.resize(12); }},
    {"tap_cut_after_header", true, [](std::string& f) { f.resize(21); }},
    {"tap_header_checksum", true, [](std::string& f) { flip(f, 20); }},
    {"tap_name_byte", true, [](std::string& f) { flip(f, 6); }},
    {"tap_image_byte", true, [](std::string& f) { flip(f, 40); }},
    {"tap_data_checksum", true, [](std::string& f) { flip(f, f.size() - 1); }},
    {"tap_data_flag", true, [](std::string& f) { f[23] = 0; f.back() = static_cast<char>(f.back() ^ 0xFF); }},
    {"tap_header_length_disagrees", true, [](std::string& f) { add_one_to_word(f, 14, 20, false); }},
    {"tap_data_block_runs_past_the_end", true, [](std::string& f) { add_one_to_word(f, 21, 0, false); }},
    {"tap_header_block_length", true, [](std::string& f) { f[0] = 0x12; }},
    {"tap_one_byte_more", true, [](std::string& f) { f.push_back('\0'); }},
    {"tap_empty_block_behind", true, [](std::string& f) { f.append(2, '\0'); }},
    {"ptp_cut_before_data_checksum", false, [](std::string& f) { f.pop_back(); }},
    {"ptp_cut_inside_fill", false, [](std::string& f) { f.resize(30); }},
    {"ptp_cut_after_header", false, [](std::string& f) { f.resize(65); }},
    {"ptp_fill_byte", false, [](std::string& f) { flip(f, 20); }},
    {"ptp_header_checksum", false, [](std::string& f) { flip(f, 64); }},
    {"ptp_name_byte", false, [](std::string& f) { flip(f, 57); }},
    {"ptp_image_byte", false, [](std::string& f) { flip(f, 80); }},
    {"ptp_data_checksum", false, [](std::string& f) { flip(f, f.size() - 1); }},
    {"ptp_header_length_disagrees", false, [](std::string& f) { add_one_to_word(f, 54, 64, true); }},
    {"ptp_data_block_runs_past_the_end", false, [](std::string& f) { add_one_to_word(f, 65, 0, true); }},
    {"ptp_header_block_length", false, [](std::string& f) { f[0] = 0x3E; }},
    {"ptp_one_byte_more", false, [](std::string& f) { f.push_back('\0'); }},
};

class DamagedTape : public testing::TestWithParam<Damage> {};

TEST_P(DamagedTape, IsRefusedAsNotPacked) {
    const Damage& damage = GetParam();
    ScratchDir dir;
    const std::string source = dir.write("text.txt", "|the lamp|the door|the key|the lamp and the key|");
    const std::string tape = dir.file("text.tape");
    const std::vector<std::string> options =
        damage.tap ? std::vector<std::string>{"-z80", "-tap"} : std::vector<std::string>{"-i8080", "-ptp"};
    std::vector<std::string> args = options;
    args.insert(args.end(), {"-o", tape, source});
    ASSERT_EQ(run_program(args).exit_status, 0);
    ASSERT_EQ(run_program({"-x", "0", "0", tape}).exit_status, 0) << "the intact tape is read";

    std::string file = read_file(tape);
    damage.apply(file);
    const std::string damaged = dir.write("damaged.tape", file);
    const ProgramResult run = run_program({"-x", "0", "0", damaged});
    EXPECT_EQ(run.exit_status, 22);
    EXPECT_EQ(run.err, not_packed(damaged));
    EXPECT_EQ(run.out.find("the lamp"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Table, DamagedTape, testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

// A TAP code file holding something else than a packed image: a header
// for 4 bytes at 0x6000 named LOADER, and the data block with four RETs.
std::string foreign_code_file() {
    std::string header("\x00\x03LOADER    \x04\x00\x00\x60\x00\x00", 18);
    char checksum = 0;
    for (const char byte : header) checksum = static_cast<char>(checksum ^ byte);
    return std::string("\x13\x00", 2) + header + checksum + std::string("\x06\x00\xFF\xC9\xC9\xC9\xC9\xFF", 8);
}

TEST_F(TapeExtraction, AnImageIsFoundBehindOtherFilesAndBlocksCountOnlyImages) {
    const std::string raw = dir.file("raw.vdl");
    const std::string tap = dir.file("with_loader.tap");
    const std::string packed = dir.file("adventure.tap");
    pack(kSampleFiles[0], {"-z80"}, raw);
    pack(kSampleFiles[0], {"-z80", "-tap"}, packed);
    const std::string loader = foreign_code_file();
    ASSERT_EQ(loader.size(), 29u);
    dir.write("with_loader.tap", loader + read_file(packed));

    EXPECT_EQ(extracted(tap), extracted(raw));
    EXPECT_EQ(extracted(tap, {"-xb", "1"}), extracted(raw));
    const ProgramResult second = run_program({"-x", "0", "0", "-xb", "2", tap});
    EXPECT_EQ(second.exit_status, 38);
    EXPECT_EQ(second.err, no_block(tap));

    // An intact tape without any image is no packed file.
    const std::string only_loader = dir.write("loader.tap", loader);
    const ProgramResult none = run_program({"-x", "0", "0", only_loader});
    EXPECT_EQ(none.exit_status, 22);
    EXPECT_EQ(none.err, not_packed(only_loader));
}

struct BlockCase {
    std::vector<std::string> options;
    bool on_tape;  // else on the raw image
    int status;
};

class TapeBlock : public TapeExtraction, public testing::WithParamInterface<BlockCase> {};

TEST_P(TapeBlock, NamesAnImageThatIsThere) {
    const BlockCase& c = GetParam();
    const std::string file = dir.file(c.on_tape ? "two.tap" : "one.vdl");
    pack(kSampleFiles[0], c.on_tape ? std::vector<std::string>{"-z80", "-tap"} : std::vector<std::string>{"-z80"},
         file);
    if (c.on_tape) pack(kSampleFiles[1], {"-z80", "-tap", "-append"}, file);
    std::vector<std::string> args = {"-x", "1", "1"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back(file);
    const ProgramResult run = run_program(args);
    EXPECT_EQ(run.exit_status, c.status) << run.err;
    EXPECT_EQ(run.err, c.status == 0 ? "" : no_block(file));
}

INSTANTIATE_TEST_SUITE_P(
    Table, TapeBlock,
    testing::Values(BlockCase{{"-xb", "2"}, true, 0}, BlockCase{{"-xb", "0x2"}, true, 0},
                    BlockCase{{"-xb", "3"}, true, 38}, BlockCase{{"-xb", "65535"}, true, 38},
                    BlockCase{{"-xb", "1"}, false, 0}, BlockCase{{"-xb", "2"}, false, 38},
                    BlockCase{{"-xb", "0"}, true, 38}, BlockCase{{"-xb", "2x"}, true, 38},
                    BlockCase{{"-xb", "-1"}, true, 38}, BlockCase{{"-xb", ""}, true, 38},
                    BlockCase{{"-xb", "65536"}, true, 38}));

}  // namespace
}  // namespace vendrel::test

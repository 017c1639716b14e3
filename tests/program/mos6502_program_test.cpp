// The 6502 routine on cc65's sim65: every record of the bundled samples
// and records of the benchmark corpus printed exactly, at load addresses
// low, high and wrapping past 65,535, with and without -oa and -best;
// record 0 and the record after the last print nothing and return A = 1.
// The printed records are compared with what the Z80 routine prints for the
// same options on the emulated Z80, and for the corpus with the text itself.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "extract/text_records.h"
#include "support/emulator.h"
#include "support/mos6502_runner.h"
#include "program/mos6502_packing.h"
#include "support/program.h"

namespace vendrel::test {
namespace {

const std::string kSourceDir = VENDREL_SOURCE_DIR;

constexpr int kZ80RoutineLength = 58;

// The routine as listed in the 6502 design, patched for an image: the
// Z80 image's tables and stream stay as they are behind it.
Bytes routine_from_listing(int load, int stream, int search_end, int chars, int print, int zp) {
    const int pairs = load + kMos6502RoutineLength - chars;  // P: the pair of code c at P + 2c
    const int table = load + kMos6502RoutineLength;
    auto lo = [](int v) { return v & 0xFF; };
    auto hi = [](int v) { return (v >> 8) & 0xFF; };
    const int at = load;
    return Bytes{
        0x85, static_cast<std::uint8_t>(zp + 2), 0x86, static_cast<std::uint8_t>(zp + 3), 0xA2, 0x00,
        0x86, static_cast<std::uint8_t>(zp),
        0xA9, static_cast<std::uint8_t>(hi(stream - 1)), 0x85, static_cast<std::uint8_t>(zp + 1),
        0xA0, static_cast<std::uint8_t>(lo(stream - 1)),
        0xC8, 0xD0, 0x02, 0xE6, static_cast<std::uint8_t>(zp + 1),
        0xC0, static_cast<std::uint8_t>(lo(search_end)), 0xD0, 0x06,
        0xA5, static_cast<std::uint8_t>(zp + 1), 0xC9, static_cast<std::uint8_t>(hi(search_end)), 0xF0, 0x49,
        0xB1, static_cast<std::uint8_t>(zp), 0xD0, 0xED,
        0xA5, static_cast<std::uint8_t>(zp + 2), 0xD0, 0x02, 0xC6, static_cast<std::uint8_t>(zp + 3),
        0xC6, static_cast<std::uint8_t>(zp + 2), 0xD0, 0xE3,
        0xA5, static_cast<std::uint8_t>(zp + 3), 0xD0, 0xDF,
        0x84, static_cast<std::uint8_t>(zp),
        0xE6, static_cast<std::uint8_t>(zp), 0xD0, 0x02, 0xE6, static_cast<std::uint8_t>(zp + 1),
        0xA0, 0x00, 0xB1, static_cast<std::uint8_t>(zp), 0xF0, 0x2B,
        0x20, static_cast<std::uint8_t>(lo(at + 91)), static_cast<std::uint8_t>(hi(at + 91)),
        0x4C, static_cast<std::uint8_t>(lo(at + 49)), static_cast<std::uint8_t>(hi(at + 49)),
        0x0A, 0xAA, 0xB0, 0x09,
        0xBD, static_cast<std::uint8_t>(lo(pairs + 1)), static_cast<std::uint8_t>(hi(pairs + 1)), 0x48,
        0xBD, static_cast<std::uint8_t>(lo(pairs)), static_cast<std::uint8_t>(hi(pairs)), 0x90, 0x07,
        0xBD, static_cast<std::uint8_t>(lo(pairs + 257)), static_cast<std::uint8_t>(hi(pairs + 257)), 0x48,
        0xBD, static_cast<std::uint8_t>(lo(pairs + 256)), static_cast<std::uint8_t>(hi(pairs + 256)),
        0x20, static_cast<std::uint8_t>(lo(at + 91)), static_cast<std::uint8_t>(hi(at + 91)),
        0x68,
        0xC9, static_cast<std::uint8_t>(chars), 0xB0, 0xE4, 0xAA,
        0xBD, static_cast<std::uint8_t>(lo(table)), static_cast<std::uint8_t>(hi(table)),
        0x4C, static_cast<std::uint8_t>(lo(print)), static_cast<std::uint8_t>(hi(print)),
        0xA9, 0x01, 0xA2, 0x00, 0x60,
    };
}

// What the Z80 routine prints for records 1 to count of the same text.
std::vector<std::string> z80_records(const ScratchDir& dir, const Packing& packing) {
    const Packed packed = pack(dir, packing, {"-z80", "-a", "32768", "-pa", "16"});
    const int count = separators(packed, kZ80RoutineLength, packing.oa) - 1;
    std::vector<std::string> records;
    for (int k = 1; k <= count; ++k) {
        const RoutineCall call =
            call_unpack_routine(packed.image, 32768, 16, static_cast<std::uint16_t>(k), 0x00, packing.oa);
        EXPECT_TRUE(call.returned) << "Z80 record " << k;
        records.push_back(call.printed);
    }
    return records;
}

enum class Place { kLow, kHigh, kWrapping };

const char* place_name(Place place) {
    return place == Place::kLow ? "at_1000" : place == Place::kHigh ? "at_C000" : "wrapping";
}

// The load address: $1000, $C000, or one that ends the image (and the 0
// after it with -oa) at $0010, in page 0, with the routine and its tables
// below 65,536 (the print address then moves out of the image's way).
int load_address(Place place, std::size_t image_size) {
    if (place == Place::kLow) return 0x1000;
    if (place == Place::kHigh) return 0xC000;
    return 0x10000 - static_cast<int>(image_size) + 0x10;
}

// Runs the 6502 image of the text at place: record 0, records 1 to the
// last closed one in steps of step (and the last), and the first number
// past the last separator. Checks each against expected (record k is
// expected[k - 1]).
Mos6502Run run_and_check(const ScratchDir& dir, const Packing& packing, Place place,
                         const std::vector<std::string>& expected, int step) {
    Mos6502Setup setup;
    if (place == Place::kWrapping) setup.print_address = 0x0300;  // the image covers $FFD2
    // Packed once to learn the image's length, then at its address.
    const std::size_t length = pack_6502(dir, packing, setup).image.size();
    setup.load_address = static_cast<std::uint16_t>(load_address(place, length));
    const Packed packed = pack_for_run(dir, packing, setup);
    const int closed = separators(packed, kMos6502RoutineLength, packing.oa) - 1;
    EXPECT_GE(static_cast<int>(expected.size()), closed);
    std::vector<std::uint16_t> records = {0};
    for (int k = 1; k <= closed; k += step) records.push_back(static_cast<std::uint16_t>(k));
    if (records.back() != closed) records.push_back(static_cast<std::uint16_t>(closed));
    records.push_back(static_cast<std::uint16_t>(closed + 2));

    const Mos6502Run run = run_6502_routine(setup, records);
    EXPECT_EQ(run.error, "");
    EXPECT_EQ(run.calls.size(), records.size());
    for (const Mos6502Call& call : run.calls) {
        const bool exists = call.record >= 1 && call.record <= closed;
        EXPECT_EQ(call.a, exists ? 0 : 1) << "record " << call.record;
        EXPECT_EQ(call.x, 0) << "record " << call.record;
        EXPECT_EQ(call.printed, exists ? expected[call.record - 1u] : "") << "record " << call.record;
    }
    return run;
}

struct SampleText {
    const char* name;
    std::vector<std::string> options;
    const char* file;
};

const SampleText kSamples[] = {
    {"adventure", {}, "adventure.txt"},
    {"adventure_only_cr", {"-only-cr"}, "adventure.txt"},
    {"czech", {"-ct", kSourceDir + "/samples/czech.ct"}, "czech.txt"},
    {"letter", {"-dtp"}, "letter.dtp"},
    {"letter_lower_case", {"-dtp", "-lc"}, "letter.dtp"},
};

using SampleParam = std::tuple<SampleText, Place, bool, bool>;

class Mos6502Sample : public testing::TestWithParam<SampleParam> {};

TEST_P(Mos6502Sample, PrintsEveryRecordAsTheZ80Does) {
    const auto& [sample, place, oa, best] = GetParam();
    const ScratchDir dir;
    const Packing packing{sample.options, kSourceDir + "/samples/" + sample.file, oa, best};
    run_and_check(dir, packing, place, z80_records(dir, packing), 1);
}

std::string sample_name(const testing::TestParamInfo<SampleParam>& info) {
    const auto& [sample, place, oa, best] = info.param;
    return std::string(sample.name) + "_" + place_name(place) + (oa ? "_oa" : "") + (best ? "_best" : "");
}

INSTANTIATE_TEST_SUITE_P(Samples, Mos6502Sample,
                         testing::Combine(testing::ValuesIn(kSamples),
                                          testing::Values(Place::kLow, Place::kHigh, Place::kWrapping),
                                          testing::Bool(), testing::Bool()),
                         sample_name);

// The program's image is the routine of the design's listing, patched for
// the image, in front of the same tables and stream as the Z80 image.
using ListingParam = std::tuple<SampleText, Place, bool>;

class Mos6502Listing : public testing::TestWithParam<ListingParam> {};

TEST_P(Mos6502Listing, IsTheListedRoutineBeforeTheZ80ImagesTables) {
    const auto& [sample, place, oa] = GetParam();
    const ScratchDir dir;
    const Packing packing{sample.options, kSourceDir + "/samples/" + sample.file, oa, false};
    Mos6502Setup at;
    at.print_address = place == Place::kLow ? 0xFFD2 : place == Place::kHigh ? 0xFFEE : 0xFDED;
    at.zero_page = place == Place::kLow ? 0xFB : place == Place::kHigh ? 0x02 : 0x80;
    const std::size_t length = pack_6502(dir, packing, at).image.size();
    at.load_address = static_cast<std::uint16_t>(load_address(place, length));
    const Packed packed = pack_6502(dir, packing, at);
    const Packed z80 = pack(dir, packing, {"-z80"});
    ASSERT_EQ(packed.table_size, z80.table_size);
    const int stream = at.load_address + kMos6502RoutineLength + z80.table_size;
    const int stream_length = static_cast<int>(z80.image.size()) - kZ80RoutineLength - z80.table_size;
    Bytes expected = routine_from_listing(at.load_address, stream, stream + stream_length + (oa ? 1 : 0), z80.chars,
                                          at.print_address, at.zero_page);
    expected.insert(expected.end(), z80.image.begin() + kZ80RoutineLength, z80.image.end());
    EXPECT_EQ(packed.image, expected);
}

std::string listing_name(const testing::TestParamInfo<ListingParam>& info) {
    const auto& [sample, place, oa] = info.param;
    return std::string(sample.name) + "_" + place_name(place) + (oa ? "_oa" : "");
}

INSTANTIATE_TEST_SUITE_P(Samples, Mos6502Listing,
                         testing::Combine(testing::ValuesIn(kSamples),
                                          testing::Values(Place::kLow, Place::kHigh, Place::kWrapping),
                                          testing::Bool()),
                         listing_name);

// The corpus's image (35 KB) fits at $1000 and wrapping, not at $C000.
// Every 41st record here; VENDREL_FULL_CORPUS=1 runs all 1,542
// (scripts/mos6502-corpus.sh).
using CorpusParam = std::tuple<Place, bool, bool>;

class Mos6502Corpus : public testing::TestWithParam<CorpusParam> {};

TEST_P(Mos6502Corpus, PrintsTheRecordsOfTheText) {
    const auto& [place, oa, best] = GetParam();
    const ScratchDir dir;
    const std::string source = kSourceDir + "/bench/corpus/english.txt";
    const Packing packing{{}, source, oa, best};
    PackOptions options;
    options.oa = oa;
    const std::vector<std::string> expected = records_of(prepared_text(read_file(source), options), oa);
    const char* full = std::getenv("VENDREL_FULL_CORPUS");
    run_and_check(dir, packing, place, expected, full != nullptr && std::string(full) == "1" ? 1 : 41);
}

std::string corpus_name(const testing::TestParamInfo<CorpusParam>& info) {
    const auto& [place, oa, best] = info.param;
    return std::string(place_name(place)) + (oa ? "_oa" : "") + (best ? "_best" : "");
}

INSTANTIATE_TEST_SUITE_P(Corpus, Mos6502Corpus,
                         testing::Combine(testing::Values(Place::kLow, Place::kWrapping), testing::Bool(),
                                          testing::Bool()),
                         corpus_name);

}  // namespace
}  // namespace vendrel::test

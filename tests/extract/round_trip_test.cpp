// Packing a text and extracting every record again gives the prepared text
// back, with the CRs and the closing line that extraction adds.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "extract/extraction_fixture.h"
#include "pack/pack_text.h"
#include "support/emulator.h"
#include "support/text_generator.h"
#include "text_records.h"

namespace vendrel::test {
namespace {

struct Packed {
    Bytes image;
    int print_address = 0;
};

Packed pack(const std::string& source, const PackOptions& options) {
    JobHandle job = make_job();
    set_options(*job, options);
    test::load_text(*job, source);
    EXPECT_EQ(pack_text(*job), 0);
    Packed packed;
    job->load_address = options.load_address;
    if (options.routine == Routine::kZ80) {
        job->z80 = 1;
        job->print_address = packed.print_address = 16;
        compose_z80_image(*job);
    } else {
        job->i8080 = 1;
        job->print_address = packed.print_address = 0x8500;
        compose_i8080_image(*job);
    }
    packed.image = test::bytes(job->image_buffer, job->final_length);
    return packed;
}

TEST(RoundTrip, GeneratedTextsComeBackWithTheirRecords) {
    std::mt19937 random(2024);
    const std::uint8_t separators[] = {'|', '#', '\r', '\n', 'a', 0x00, 0x80};
    int checked = 0;
    for (std::uint32_t seed = 1; seed <= 120; ++seed) {
        TextShape shape;
        shape.alphabet_size = 1 + static_cast<int>(random() % 125);
        shape.separator = separators[random() % std::size(separators)];
        shape.record_count = static_cast<int>(random() % 60);
        shape.min_record_length = static_cast<int>(random() % 3);
        shape.max_record_length = shape.min_record_length + static_cast<int>(random() % 80);
        shape.max_run_length = 1 + static_cast<int>(random() % 4);
        shape.max_size = (random() % 4 == 0) ? static_cast<int>(random() % 2000) : 65535;
        const std::string source = generate_text(seed, shape);

        PackOptions options;
        options.routine = (seed & 1) != 0 ? Routine::kZ80 : Routine::kI8080;
        options.oa = random() % 3 == 0;
        options.line_ends = static_cast<LineEnds>(random() % 5);
        options.load_address = static_cast<int>(random() % 0xC000);

        const std::string prepared = prepared_text(source, options);
        if (prepared.empty()) continue;
        const Packed packed = pack(source, options);
        const Extraction run = extract_file(packed.image, ExtractOptions{0, 0, false, "out"});
        const auto records = records_of(prepared, options.oa);
        const std::string expected = extracted_form(records, prepared[0]);
        ASSERT_EQ(run.result, 0) << "seed " << seed;
        ASSERT_EQ(run.text, expected) << "seed " << seed;

        // The unpack routine on the emulated CPU prints the same records. A
        // last record without its closing separator (a cut text, or -oa)
        // runs on to the byte after the image, which must then be 0.
        for (std::size_t k = 0; k < records.size() && k < 3; ++k) {
            const RoutineCall call =
                call_unpack_routine(packed.image, static_cast<std::uint16_t>(options.load_address),
                                    static_cast<std::uint16_t>(packed.print_address),
                                    static_cast<std::uint16_t>(k + 1), 0xEE, true);
            EXPECT_TRUE(call.printed == records[k])
                << "seed " << seed << " record " << k + 1 << " " << routine_name(options.routine)
                << (options.oa ? " -oa" : "") << " at " << options.load_address << ", "
                << packed.image.size() << " bytes; printed " << call.printed.size() << " bytes, expected "
                << records[k].size();
        }
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

}  // namespace
}  // namespace vendrel::test

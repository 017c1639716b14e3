// Recognition of packed images: by their own routine only, through any
// change of patch fields and relocated words, and never when the sizes the
// fields describe reach outside the loaded file.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/example_image.h"
#include "pack/pack_text.h"
#include "support/job_fixture.h"
#include "support/program.h"
#include "support/text_generator.h"
#include "tape/ptp_file.h"
#include "tape/tap_file.h"
#include "target/unpack_routines.h"
#include "target/packed_image.h"

namespace vendrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Composed {
    Bytes bytes;
    int char_count = 0;
    int symbol_table_size = 0;
    int packed_length = 0;
};

Composed compose(Job& job, bool z80, int load_address, int print_address) {
    job.z80 = z80 ? 1 : 0;
    job.i8080 = z80 ? 0 : 1;
    job.load_address = load_address;
    job.print_address = print_address;
    if (z80) {
        compose_z80_image(job);
    } else {
        compose_i8080_image(job);
    }
    return {test::bytes(job.image_buffer, job.total_length), job.char_count, job.symbol_table_size,
            job.packed_length};
}

Composed compose_example(bool z80, int load_address = 0x8000, bool oa = false) {
    JobHandle job = make_job();
    test::set_example(*job);
    job->oa = oa ? 1 : 0;
    return compose(*job, z80, load_address, 0x10);
}

// A job in extraction mode with the file loaded, as the main flow leaves
// it: the rest of the text buffer is zero, and no symbol table of its own
// (after recognition it points into the text buffer, which owns it).
class LoadedJob {
public:
    explicit LoadedJob(const Bytes& file) {
        std::free(job_->symbol_table);
        job_->symbol_table = nullptr;
        if (!file.empty()) std::memcpy(job_->text_buffer, file.data(), file.size());
        job_->source_length = static_cast<int>(file.size());
        job_->extract_from = 0;
        job_->extract_to = 0;
    }
    ~LoadedJob() {
        job_->symbol_table = nullptr;
        job_->symbol_end = nullptr;
    }
    LoadedJob(const LoadedJob&) = delete;
    LoadedJob& operator=(const LoadedJob&) = delete;
    Job* operator->() const { return job_.get(); }
    Job& operator*() const { return *job_; }

private:
    JobHandle job_ = make_job();
};

struct Recognised {
    bool i8080;
    bool z80;
};

Recognised recognise(const Bytes& file) {
    LoadedJob first(file);
    LoadedJob second(file);
    return {recognise_i8080_image(*first) == 1, recognise_z80_image(*second) == 1};
}

// Every image this program composes is recognised by its own routine only,
// and yields the sizes it was composed with (the packed length one more
// with -oa) and the table positions right behind the routine.
TEST(Recognise, EveryComposedImageByItsOwnRoutineOnly) {
    const int load_addresses[] = {0, 1, 0x4000, 0x8000, 0xF000};
    const int print_addresses[] = {0x0010, 0x8500, 0xFFFF};
    std::uint32_t seed = 100;
    for (const bool z80 : {true, false}) {
        for (const int load_address : load_addresses) {
            for (const int print_address : print_addresses) {
                for (const bool oa : {false, true}) {
                    test::TextShape shape;
                    shape.alphabet_size = 1 + static_cast<int>(seed % 90);
                    shape.record_count = 1 + static_cast<int>(seed % 17);
                    const std::string text = test::generate_text(seed++, shape);
                    JobHandle packing = make_job();
                    packing->oa = oa ? 1 : 0;
                    test::load_text(*packing, text);
                    ASSERT_EQ(pack_text(*packing), 0);
                    const Composed image = compose(*packing, z80, load_address, print_address);
                    SCOPED_TRACE(testing::Message() << (z80 ? "z80" : "i8080") << " at " << load_address
                                                    << ", print " << print_address << (oa ? ", -oa" : ""));

                    LoadedJob job(image.bytes);
                    const int own = z80 ? recognise_z80_image(*job) : recognise_i8080_image(*job);
                    ASSERT_EQ(own, 1);
                    const int r = z80 ? 58 : 72;
                    EXPECT_EQ(job->routine_length, r);
                    EXPECT_EQ(job->char_count, image.char_count);
                    EXPECT_EQ(job->symbol_table_size, image.symbol_table_size);
                    EXPECT_EQ(job->packed_length, image.packed_length + (oa ? 1 : 0));
                    EXPECT_EQ(job->symbol_table, job->text_buffer + r);
                    EXPECT_EQ(job->symbol_end, job->text_buffer + r + image.char_count);

                    LoadedJob other(image.bytes);
                    EXPECT_EQ(z80 ? recognise_i8080_image(*other) : recognise_z80_image(*other), 0);
                    EXPECT_EQ(other->routine_length, 0) << "a refusal changes nothing";
                    EXPECT_EQ(other->symbol_table, nullptr);
                }
            }
        }
    }
}

// An empty text gives an image of the routine alone; with -oa its search
// length of 1 reaches the 0 behind the file.
TEST(Recognise, TheImageOfAnEmptyText) {
    for (const bool z80 : {true, false}) {
        for (const bool oa : {false, true}) {
            JobHandle packing = make_job();
            packing->oa = oa ? 1 : 0;
            const Composed image = compose(*packing, z80, 0x8000, 0x10);
            ASSERT_EQ(image.bytes.size(), z80 ? 58u : 72u);
            LoadedJob job(image.bytes);
            EXPECT_EQ(z80 ? recognise_z80_image(*job) : recognise_i8080_image(*job), 1);
            EXPECT_EQ(job->char_count, 0);
            EXPECT_EQ(job->symbol_table_size, 0);
            EXPECT_EQ(job->packed_length, oa ? 1 : 0);
        }
    }
}

// Image offsets that the template compares, and those it skips.
std::vector<int> offsets(const RoutineLayout& layout, bool compared) {
    std::vector<int> result;
    for (int offset = 0; offset < layout.length; ++offset) {
        if ((patched_width(layout, offset) == 0 &&
             (offset == 0 || patched_width(layout, offset - 1) != 2)) == compared) {
            result.push_back(offset);
        }
    }
    return result;
}

TEST(Recognise, ComparesTheRoutinesOwnBytes) {
    EXPECT_EQ(offsets(z80_routine_layout, true).size(), 43u);
    EXPECT_EQ(offsets(i8080_routine_layout, true).size(), 45u);
    for (const bool z80 : {true, false}) {
        const RoutineLayout& layout = z80 ? z80_routine_layout : i8080_routine_layout;
        const Bytes image = compose_example(z80).bytes;
        for (const int offset : offsets(layout, true)) {
            Bytes changed = image;
            changed[offset] ^= 0x01;
            const Recognised result = recognise(changed);
            EXPECT_FALSE(result.i8080 || result.z80) << "compared offset " << offset;
        }
    }
    // The two offsets everybody names: the LD HL opcode and the JP opcode.
    Bytes z80 = compose_example(true).bytes;
    z80[55] = 0xCD;
    EXPECT_FALSE(recognise(z80).z80);
    z80 = compose_example(true).bytes;
    z80[0] = 0x2A;
    EXPECT_FALSE(recognise(z80).z80);
}

// The print address, the pair table address and the relocated words carry
// no size, so any value there leaves the image recognised.
TEST(Recognise, SkipsPatchFieldsAndRelocatedWords) {
    for (const bool z80 : {true, false}) {
        const RoutineLayout& layout = z80 ? z80_routine_layout : i8080_routine_layout;
        std::vector<int> free_words = {field_offset(layout, FieldValue::print_address), field_offset(layout, FieldValue::pair_table)};
        free_words.insert(free_words.end(), layout.relocations, layout.relocations + layout.relocation_count);
        const Bytes image = compose_example(z80).bytes;
        for (const int word : free_words) {
            Bytes changed = image;
            changed[word] ^= 0xA5;
            changed[word + 1] ^= 0x5A;
            const Recognised result = recognise(changed);
            EXPECT_EQ(result.z80, z80) << "word at " << word;
            EXPECT_EQ(result.i8080, !z80) << "word at " << word;
        }
        // The size fields too, moved together so that the sizes stay the same.
        Bytes moved = image;
        for (const int field : {field_offset(layout, FieldValue::code_stream), field_offset(layout, FieldValue::char_table)}) {
            moved[field + 1] = static_cast<std::uint8_t>(moved[field + 1] + 0x10);
        }
        EXPECT_EQ(recognise(moved).z80, z80);
        EXPECT_EQ(recognise(moved).i8080, !z80);
    }
}

TEST(Recognise, RefusesTapePtpAndPlainText) {
    for (const bool tap : {true, false}) {
        JobHandle job = make_job();
        test::set_example(*job);
        job->tap = job->z80 = tap ? 1 : 0;
        job->ptp = job->i8080 = tap ? 0 : 1;
        job->load_address = tap ? 0x8000 : 0;
        job->print_address = tap ? 0x10 : 0x8500;
        std::strcpy(job->tape_name, "example");
        if (tap) {
            compose_tap_file(*job);
        } else {
            compose_ptp_file(*job);
        }
        const Recognised result = recognise(test::bytes(job->image_buffer, job->final_length));
        EXPECT_FALSE(result.z80 || result.i8080) << (tap ? "TAP" : "PTP");
    }

    const std::string text = test::read_sample("adventure.txt");
    const Recognised text_result = recognise(Bytes(text.begin(), text.end()));
    EXPECT_FALSE(text_result.z80 || text_result.i8080);
    EXPECT_FALSE(recognise(Bytes{}).z80 || recognise(Bytes{}).i8080);
}

void set_word(Bytes& image, int offset, int value) {
    image[offset] = static_cast<std::uint8_t>(value & 0xFF);
    image[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

int word(const Bytes& image, int offset) { return image[offset] | image[offset + 1] << 8; }

// Damage that would send record extraction outside the file, or into an
// endless expansion, and the intact cases next to it. The example image
// has n = 5, pair codes 5 and 6, and a code stream of 20 bytes.
struct DamageCase {
    const char* name;
    bool accepted;
    void (*damage)(Bytes& image, const RoutineLayout& layout);
};

// Rebuilds the example image with count pairs (each left code 1) and a
// code stream of stream_length zeros.
void give_pairs(Bytes& image, const RoutineLayout& layout, int count, int stream_length) {
    const int size = 5 + 2 * count;
    set_word(image, field_offset(layout, FieldValue::code_stream), word(image, field_offset(layout, FieldValue::char_table)) + size);
    set_word(image, field_offset(layout, FieldValue::search_length), stream_length);
    image.resize(static_cast<std::size_t>(layout.length + size + stream_length), 0);
    for (int k = 0; k < count; ++k) image[layout.length + 5 + 2 * k] = 1;
}

const DamageCase kDamageCases[] = {
    {"intact", true, [](Bytes&, const RoutineLayout&) {}},
    {"one_code_short_reads_the_zero_behind", true, [](Bytes& image, const RoutineLayout&) { image.pop_back(); }},
    {"two_codes_short", false, [](Bytes& image, const RoutineLayout&) { image.erase(image.end() - 2, image.end()); }},
    {"cut_inside_the_routine", false, [](Bytes& image, const RoutineLayout&) { image.resize(56); }},
    {"cut_after_the_symbol_table", false,
     [](Bytes& image, const RoutineLayout& layout) { image.resize(static_cast<std::size_t>(layout.length) + 9); }},
    {"search_length_past_the_file", false,
     [](Bytes& image, const RoutineLayout& layout) { set_word(image, field_offset(layout, FieldValue::search_length), 22); }},
    {"search_length_shorter", true,
     [](Bytes& image, const RoutineLayout& layout) { set_word(image, field_offset(layout, FieldValue::search_length), 3); }},
    {"symbol_table_negative", false,
     [](Bytes& image, const RoutineLayout& layout) {
         set_word(image, field_offset(layout, FieldValue::code_stream), word(image, field_offset(layout, FieldValue::char_table)) - 1);
     }},
    {"code_stream_address_wrapped", true,
     [](Bytes& image, const RoutineLayout& layout) {
         set_word(image, field_offset(layout, FieldValue::char_table), 0xFFFA);
         set_word(image, field_offset(layout, FieldValue::code_stream), 0xFFFA + 9 - 0x10000);
     }},
    {"symbol_table_smaller_than_n", false,
     [](Bytes& image, const RoutineLayout& layout) { image[field_offset(layout, FieldValue::char_count)] = 10; }},
    {"pair_table_of_odd_size", false,
     [](Bytes& image, const RoutineLayout& layout) { image[field_offset(layout, FieldValue::char_count)] = 4; }},
    // Pair bytes 1 and 2 read as two more characters; pair 7 = (5, 3).
    {"more_characters_fewer_pairs", true,
     [](Bytes& image, const RoutineLayout& layout) { image[field_offset(layout, FieldValue::char_count)] = 7; }},
    {"pair_refers_to_itself", false,
     [](Bytes& image, const RoutineLayout& layout) { image[layout.length + 7] = 6; }},
    {"pair_refers_to_a_later_code", false,
     [](Bytes& image, const RoutineLayout& layout) { image[layout.length + 5] = 6; }},
    {"undefined_code_in_the_stream", false,
     [](Bytes& image, const RoutineLayout& layout) { image[layout.length + 9 + 4] = 7; }},
    {"code_255_undefined", false, [](Bytes& image, const RoutineLayout&) { image.back() = 0xFF; }},
    // n = 5 and 252 pairs would need codes up to 256.
    {"more_pairs_than_codes", false,
     [](Bytes& image, const RoutineLayout& layout) { give_pairs(image, layout, 252, 1); }},
    {"most_pairs_possible", true,
     [](Bytes& image, const RoutineLayout& layout) {
         give_pairs(image, layout, 251, 2);
         image.back() = 0xFF;  // code 255, the last pair
     }},
};

class DamagedImage : public testing::TestWithParam<DamageCase> {};

TEST_P(DamagedImage, IsRecognisedOnlyWhenEverythingLiesInsideTheFile) {
    for (const bool z80 : {true, false}) {
        const RoutineLayout& layout = z80 ? z80_routine_layout : i8080_routine_layout;
        Bytes image = compose_example(z80).bytes;
        GetParam().damage(image, layout);
        const Recognised result = recognise(image);
        EXPECT_EQ(z80 ? result.z80 : result.i8080, GetParam().accepted) << (z80 ? "z80" : "i8080");
        EXPECT_FALSE(z80 ? result.i8080 : result.z80);
    }
}

INSTANTIATE_TEST_SUITE_P(Images, DamagedImage, testing::ValuesIn(kDamageCases),
                         [](const auto& info) { return std::string(info.param.name); });

// An image composed at a load address where the code stream address wraps
// past 65,535 runs on the target, and reads back: its sizes are taken
// modulo 65,536.
TEST(Recognise, ReadsBackAnImageWhoseCodeStreamAddressWrapped) {
    for (const bool z80 : {true, false}) {
        const int r = z80 ? 58 : 72;
        const Bytes wrapped = compose_example(z80, 0x10000 - r - 4).bytes;
        EXPECT_EQ(recognise(wrapped).z80, z80);
        EXPECT_EQ(recognise(wrapped).i8080, !z80);
        // A code stream that starts at 65,535 (and runs on past it) is fine.
        const Bytes just_fits = compose_example(z80, 0x10000 - r - 10).bytes;
        EXPECT_EQ(recognise(just_fits).z80, z80);
        EXPECT_EQ(recognise(just_fits).i8080, !z80);
    }
}

}  // namespace
}  // namespace vendrel

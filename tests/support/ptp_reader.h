// A reader of PMD 85 PTP tapes for the tests, written apart from the
// composer: it checks the layout (block lengths, fill runs, header mark,
// name field, both sum checksums) and hands back the image it carries.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vendrel::test {

using Bytes = std::vector<std::uint8_t>;

// An independent reader of one PTP tape: two length-prefixed blocks, the
// header with its fill runs, fields and sum checksum, and the data block
// with the image and its sum checksum. It refuses anything else, saying why.
struct PtpTape {
    int load_address = 0;
    std::string name;  // the eight bytes of the name field
    Bytes image;
};

struct PtpReading {
    std::optional<PtpTape> tape;
    std::string fault;
    std::size_t next = 0;  // where the next tape in the file would start
};

inline PtpReading read_ptp(const Bytes& file, std::size_t at = 0) {
    auto fail = [](const std::string& why) { return PtpReading{std::nullopt, why, 0}; };
    auto word = [&](std::size_t offset) { return file[offset] | (file[offset + 1] << 8); };
    auto sum = [&](std::size_t from, std::size_t length) {
        unsigned total = 0;
        for (std::size_t i = 0; i < length; ++i) total += file[from + i];
        return static_cast<std::uint8_t>(total);
    };

    if (file.size() < at + 2 + 63 + 2) return fail("file too short for a header");
    if (word(at) != 63) return fail("header block length is not 63");
    const std::size_t header = at + 2;
    for (int i = 0; i < 48; ++i) {
        const std::uint8_t expected = i < 16 ? 0xFF : i < 32 ? 0x00 : 0x55;
        if (file[header + i] != expected) return fail("bad fill run at " + std::to_string(i));
    }
    const std::size_t fields = header + 48;
    if (file[fields] != 0x00 || file[fields + 1] != 0x3F) return fail("bad header mark");
    if (sum(fields, 14) != file[fields + 14]) return fail("bad header checksum");

    PtpTape tape;
    tape.load_address = word(fields + 2);
    const int image_length = word(fields + 4) + 1;
    tape.name.assign(file.begin() + static_cast<long>(fields + 6), file.begin() + static_cast<long>(fields + 14));

    const std::size_t data_length_at = header + 63;
    if (word(data_length_at) != image_length + 1) return fail("data block length disagrees with header");
    const std::size_t image_at = data_length_at + 2;
    if (file.size() < image_at + static_cast<std::size_t>(image_length) + 1) return fail("data block cut short");
    if (sum(image_at, static_cast<std::size_t>(image_length)) != file[image_at + image_length]) {
        return fail("bad data checksum");
    }
    tape.image.assign(file.begin() + static_cast<long>(image_at),
                      file.begin() + static_cast<long>(image_at + image_length));
    return PtpReading{tape, "", image_at + static_cast<std::size_t>(image_length) + 1};
}

}  // namespace vendrel::test

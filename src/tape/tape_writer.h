// Sequential writing of a tape file into the image buffer: bytes, runs of
// one byte and 16-bit little-endian words, each written modulo 65,536.
#pragma once

#include <cstdint>
#include <cstring>

namespace vendrel {

struct TapeWriter {
    std::uint8_t* position;

    // Returns where the byte went, so that a checksum can start there.
    std::uint8_t* byte(int value) {
        *position = static_cast<std::uint8_t>(value & 0xFF);
        return position++;
    }

    std::uint8_t* word(int value) {
        std::uint8_t* start = byte(value);
        byte(value >> 8);
        return start;
    }

    std::uint8_t* run(std::uint8_t value, int count) {
        std::uint8_t* start = position;
        std::memset(position, value, static_cast<std::size_t>(count));
        position += count;
        return start;
    }

    std::uint8_t* bytes(const std::uint8_t* data, int count) {
        std::uint8_t* start = position;
        if (count > 0) std::memcpy(position, data, static_cast<std::size_t>(count));
        position += count;
        return start;
    }

    // The tape block name: its characters up to the terminating zero or up
    // to width, then spaces to fill the field.
    std::uint8_t* name(const char* text, int width) {
        std::uint8_t* start = position;
        int length = 0;
        while (length < width && text[length] != '\0') ++length;
        bytes(reinterpret_cast<const std::uint8_t*>(text), length);
        run(' ', width - length);
        return start;
    }
};

}  // namespace vendrel

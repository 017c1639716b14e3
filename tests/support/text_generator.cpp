#include "support/text_generator.h"

#include <algorithm>
#include <array>
#include <random>
#include <stdexcept>

namespace vendrel::test {

namespace {

// Every byte value but 0xFF, readable ones first.
std::array<std::uint8_t, 255> make_alphabet_order() {
    const std::string readable =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,;:!?'\"-()\n";
    std::array<std::uint8_t, 255> order{};
    std::array<bool, 256> used{};
    int next = 0;
    for (const char c : readable) {
        const auto byte = static_cast<std::uint8_t>(c);
        order[next++] = byte;
        used[byte] = true;
    }
    for (int byte = 0; byte < 255; ++byte) {
        if (!used[byte]) order[next++] = static_cast<std::uint8_t>(byte);
    }
    return order;
}

const std::array<std::uint8_t, 255>& alphabet_order() {
    static const std::array<std::uint8_t, 255> order = make_alphabet_order();
    return order;
}

// A number in lo..hi from the engine's raw output, the same on every
// standard library (the distributions of <random> are not).
int draw(std::mt19937& engine, int lo, int hi) {
    return lo + static_cast<int>(engine() % static_cast<std::uint32_t>(hi - lo + 1));
}

}  // namespace

std::uint8_t alphabet_character(int index) { return alphabet_order().at(index); }

std::string generate_text(std::uint32_t seed, const TextShape& shape) {
    if (shape.alphabet_size < 1 || shape.alphabet_size > 254 || shape.separator == 0xFF ||
        shape.min_record_length < 0 || shape.max_record_length < shape.min_record_length ||
        shape.max_run_length < 1 || shape.max_size < 0 || shape.max_size > 65535) {
        throw std::invalid_argument("bad text shape");
    }

    std::string alphabet;
    for (int index = 0; static_cast<int>(alphabet.size()) < shape.alphabet_size; ++index) {
        const std::uint8_t byte = alphabet_character(index);
        if (byte != shape.separator) alphabet.push_back(static_cast<char>(byte));
    }

    std::mt19937 engine(seed);
    const auto limit = static_cast<std::size_t>(shape.max_size);
    std::string text(1, static_cast<char>(shape.separator));
    for (int record = 0; record < shape.record_count && text.size() < limit; ++record) {
        const int length = draw(engine, shape.min_record_length, shape.max_record_length);
        int written = 0;
        while (written < length) {
            // The smaller of two draws favours the start of the alphabet.
            const int last = shape.alphabet_size - 1;
            const int index = std::min(draw(engine, 0, last), draw(engine, 0, last));
            const int run = std::min(draw(engine, 1, shape.max_run_length), length - written);
            text.append(static_cast<std::size_t>(run), alphabet[index]);
            written += run;
        }
        text.push_back(static_cast<char>(shape.separator));
    }
    if (text.size() > limit) text.resize(limit);
    return text;
}

std::vector<std::string> pieces_after_separators(const std::string& prepared) {
    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < prepared.size();) {
        const std::size_t next = std::min(prepared.find(prepared[0], at + 1), prepared.size());
        pieces.push_back(prepared.substr(at + 1, next - at - 1));
        at = next;
    }
    return pieces;
}

}  // namespace vendrel::test

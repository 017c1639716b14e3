#include "support/hand_packed.h"

#include <cstring>
#include <stdexcept>

namespace vendrel::test {

void load_packed(Job& job, const HandPacked& packed) {
    const int n = static_cast<int>(packed.characters.size());
    const int symbol_size = n + 2 * static_cast<int>(packed.pairs.size());
    const int stream_length = static_cast<int>(packed.stream.size());
    if (symbol_size > kSymbolTableSize || stream_length >= kTextBufferSize) {
        throw std::invalid_argument("hand-packed text too large");
    }
    std::memcpy(job.symbol_table, packed.characters.data(), static_cast<std::size_t>(n));
    for (std::size_t k = 0; k < packed.pairs.size(); ++k) {
        job.symbol_table[n + 2 * k] = packed.pairs[k].first;
        job.symbol_table[n + 2 * k + 1] = packed.pairs[k].second;
    }
    job.symbol_end = job.symbol_table + symbol_size;
    job.char_count = n;
    job.symbol_table_size = symbol_size;
    job.next_code = n + static_cast<int>(packed.pairs.size());
    if (stream_length > 0) std::memcpy(job.text_buffer, packed.stream.data(), packed.stream.size());
    job.text_buffer[stream_length] = kEndMark;
    job.packed_length = stream_length;
}

HandPacked one_two_text() {
    // Codes: 0 '#', 1 'o', 2 'n', 3 'e', 4 CR, 5 LF, 6 't', 7 'w';
    // 8 = CR LF, 9 = "on".
    return HandPacked{"#one\r\ntw", {{4, 5}, {1, 2}}, {0, 9, 3, 8, 0, 6, 7, 1, 8, 0}};
}

HandPacked five_character_text() {
    // Codes: 0 '#', 1 'a', 2 'b', 3 'c', 4 CR; 5 = "ab", 6 = "abc".
    return HandPacked{"#abc\r",
                      {{1, 2}, {5, 3}},
                      {0, 6, 4, 0, 5, 5, 4, 0, 1, 2, 3, 4, 0, 6, 6, 4, 0, 3, 4, 0}};
}

std::vector<std::string> five_character_records() {
    return {"abc\r", "abab\r", "abc\r", "abcabc\r", "c\r", ""};
}

void load_file(Job& job, const std::vector<std::uint8_t>& file) {
    if (file.size() > static_cast<std::size_t>(kMaxSourceLength)) {
        throw std::invalid_argument("file too long");
    }
    std::memset(job.text_buffer, 0, kTextBufferSize);
    if (!file.empty()) std::memcpy(job.text_buffer, file.data(), file.size());
    job.source_length = static_cast<std::int32_t>(file.size());
}

}  // namespace vendrel::test

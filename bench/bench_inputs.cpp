#include "bench_inputs.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace vendrel::bench {

namespace {

// std::mt19937 gives the same numbers everywhere; the standard library's
// distributions do not, so numbers are drawn by plain remainder.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : engine_(seed) {}
    int below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(bound)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    char from(const std::string& characters) { return characters[static_cast<std::size_t>(below(static_cast<int>(characters.size())))]; }

private:
    std::mt19937 engine_;
};

std::string read_corpus(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.good() && !file.eof()) throw std::runtime_error("cannot read " + path);
    if (text.size() != static_cast<std::size_t>(kInputSize)) {
        throw std::runtime_error(path + " is not " + std::to_string(kInputSize) + " bytes");
    }
    return text;
}

// Cuts a text that has grown past the input size.
std::string cut(std::string text) {
    text.resize(static_cast<std::size_t>(kInputSize));
    return text;
}

// A message table: thousands of records of 1 to 8 characters (room names,
// numbers, single letters), each ended by the separator.
std::string many_short_records() {
    Draw draw(7001);
    const std::string letters = "etaoinshrdlcumwfgypbvkjxqz0123456789";
    std::string text = "|";
    while (text.size() < static_cast<std::size_t>(kInputSize)) {
        const int length = draw.between(1, 8);
        // Earlier letters are more frequent, as in a language: the lower of
        // two draws.
        for (int i = 0; i < length; ++i) {
            const int index = std::min(draw.below(36), draw.below(36));
            text += letters[static_cast<std::size_t>(index)];
        }
        text += '|';
    }
    return cut(text);
}

// One paragraph over and over.
std::string highly_repetitive() {
    const std::string paragraph =
        "\nYou are standing in a small clearing. A narrow path leads north into the "
        "forest, and to the east you can hear the sound of running water. There is "
        "an old brass lamp here.";
    std::string text;
    while (text.size() < static_cast<std::size_t>(kInputSize)) text += paragraph;
    return cut(text);
}

// Runs of 50 to 3,000 copies of one character, each run its own record.
std::string long_runs() {
    Draw draw(7003);
    const std::string fill = " -=*.a";
    std::string text = "|";
    while (text.size() < static_cast<std::size_t>(kInputSize)) {
        text.append(static_cast<std::size_t>(draw.between(50, 3000)), draw.from(fill));
        text += '|';
    }
    return cut(text);
}

// Every byte drawn uniformly from 60 characters; the first, the line feed,
// separates records about 60 bytes long.
std::string uniform_random() {
    Draw draw(7004);
    const std::string characters =
        "\nabcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const std::string alphabet = characters.substr(0, 60);
    std::string text = "\n";
    while (text.size() < static_cast<std::size_t>(kInputSize)) text += draw.from(alphabet);
    return text;
}

// A Desktop document: lines of made-up words, each line a one-byte head
// (0x80: bits 5 and 6 clear) and its content ended by CR. Words use some
// national letters 128..159; formatting codes below 32 are dropped by the
// import; rules and padding are written with repeat bytes 160..254. The
// import never produces more bytes than it has read, counting the bytes
// still unread, so the document stays within the text buffer: a repeat
// byte is written only while the bytes dropped so far pay for it.
std::string desktop_document() {
    Draw draw(7005);
    const std::string syllables[] = {"ka", "to", "ne", "pro", "st", "va", "li", "\x82" "e",
                                     "m\x8A", "do", "se", "\x9F" "a", "ri", "by", "ch", "z\x85"};
    const int syllable_count = static_cast<int>(std::size(syllables));
    std::string text;
    int slack = 0;  // bytes read so far minus bytes produced, at least

    while (true) {
        std::string line(1, '\x80');  // line head
        int line_slack = 1;
        int width = 0;
        const int target = draw.between(20, 70);
        while (width < target) {
            if (draw.below(12) == 0) {
                line += '\x01';  // a formatting code
                ++line_slack;
            }
            const int parts = draw.between(1, 3);
            for (int i = 0; i < parts; ++i) line += syllables[draw.below(syllable_count)];
            width += parts * 2;
            if (draw.below(7) == 0) line += draw.below(2) == 0 ? "," : ".";
            line += ' ';
            ++width;
        }
        // A rule drawn with a repeat byte, when the saved bytes allow it.
        if (draw.below(6) == 0) {
            const int copies = draw.between(5, 40);
            if (slack + line_slack >= copies - 1) {
                line += '=';
                line += static_cast<char>(160 + copies);
                line_slack -= copies - 1;
            }
        }
        // A join mark now and then; a CR gives one space at most, so it
        // saves nothing for certain.
        line += draw.below(10) == 0 ? "|\r" : "\r";
        if (text.size() + line.size() > static_cast<std::size_t>(kInputSize)) break;
        text += line;
        slack += line_slack;
    }
    // One last line of plain letters fills the document up.
    text += '\x80';
    while (text.size() + 1 < static_cast<std::size_t>(kInputSize)) text += draw.from("abcdefgh ");
    text += '\r';
    return text;
}

}  // namespace

std::vector<BenchInput> make_bench_inputs(const std::string& corpus_dir) {
    std::vector<BenchInput> inputs;
    inputs.push_back({"english", read_corpus(corpus_dir + "/english.txt"), false});
    inputs.push_back({"records", many_short_records(), false});
    inputs.push_back({"repetitive", highly_repetitive(), false});
    inputs.push_back({"runs", long_runs(), false});
    inputs.push_back({"uniform", uniform_random(), false});
    inputs.push_back({"desktop", desktop_document(), true});
    return inputs;
}

}  // namespace vendrel::bench

// Writes the hostile inputs of the -best benchmark (scripts/best-hostile.sh)
// into a folder: texts of 65,535 bytes made from fixed seeds, each of a kind
// that loads the search in its own way. The first byte, '|', separates
// records.
//
// Usage: hostile_texts FOLDER
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kSize = 65535;

// Numbers by plain remainder: the same on every platform.
class Draw {
public:
    explicit Draw(std::uint32_t seed) : engine_(seed) {}
    int below(int bound) { return static_cast<int>(engine_() % static_cast<std::uint32_t>(bound)); }

private:
    std::mt19937 engine_;
};

// Any byte but the separator and 0xFF, for rare symbols.
char rare_symbol(int index) { return static_cast<char>(index < 60 ? 33 + index : 128 + index - 60); }

// Every byte drawn from symbols letters and the separator.
std::string random_over(int symbols, std::uint32_t seed) {
    Draw draw(seed);
    const std::string alphabet = std::string("abcdefghijklmnop").substr(0, static_cast<std::size_t>(symbols)) + "|";
    std::string text = "|";
    while (text.size() < kSize) text += alphabet[static_cast<std::size_t>(draw.below(static_cast<int>(alphabet.size())))];
    return text;
}

// Records of about 60 bytes over symbols letters, one byte in every 40
// one of rare other symbols.
std::string few_with_rare(int symbols, int rare, std::uint32_t seed) {
    Draw draw(seed);
    std::string text = "|";
    while (text.size() < kSize) {
        if (draw.below(60) == 0) {
            text += '|';
        } else if (draw.below(40) == 0) {
            text += rare_symbol(draw.below(rare));
        } else {
            text += static_cast<char>('a' + draw.below(symbols));
        }
    }
    return text;
}

// Runs of 1 to 2,000 copies of one of four characters, records of a few runs.
std::string long_runs(std::uint32_t seed) {
    Draw draw(seed);
    std::string text = "|";
    while (text.size() < kSize) {
        text.append(static_cast<std::size_t>(1 + draw.below(2000)), "ab c"[draw.below(4)]);
        if (draw.below(3) == 0) text += '|';
    }
    return text;
}

// One random block of block bytes over 26 letters, repeated; every
// change_every bytes of a copy one letter is changed (0: none).
std::string repeated_blocks(int block, int change_every, std::uint32_t seed) {
    Draw draw(seed);
    std::string piece;
    for (int i = 0; i < block; ++i) piece += draw.below(30) == 0 ? '|' : static_cast<char>('a' + draw.below(26));
    std::string text = "|";
    while (text.size() < kSize) {
        std::string copy = piece;
        if (change_every > 0) {
            for (std::size_t i = static_cast<std::size_t>(draw.below(change_every)); i < copy.size();
                 i += static_cast<std::size_t>(change_every)) {
                copy[i] = static_cast<char>('a' + draw.below(26));
            }
        }
        text += copy;
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hostile_texts FOLDER\n");
        return 2;
    }
    struct Input {
        std::string name;
        std::string text;
    };
    std::vector<Input> inputs;
    for (const int symbols : {2, 3, 4, 6, 8, 16}) {
        inputs.push_back({"random-" + std::to_string(symbols), random_over(symbols, 100 + static_cast<std::uint32_t>(symbols))});
    }
    for (const auto& [symbols, rare] : {std::pair{2, 60}, std::pair{3, 122}, std::pair{5, 90}}) {
        inputs.push_back({"rare-" + std::to_string(symbols) + "-" + std::to_string(rare),
                          few_with_rare(symbols, rare, 200 + static_cast<std::uint32_t>(symbols))});
    }
    inputs.push_back({"runs", long_runs(300)});
    inputs.push_back({"blocks-1000", repeated_blocks(1000, 0, 401)});
    inputs.push_back({"blocks-300-changed", repeated_blocks(300, 50, 402)});
    inputs.push_back({"blocks-5000-changed", repeated_blocks(5000, 200, 403)});
    for (Input& input : inputs) {
        input.text.resize(kSize);
        std::ofstream out(std::string(argv[1]) + "/" + input.name, std::ios::binary);
        out << input.text;
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", input.name.c_str());
            return 1;
        }
    }
    return 0;
}

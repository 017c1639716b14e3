#include "listing/check_terms.h"

#include <cstdio>

#include "base/text_codes.h"

namespace vendrel {

namespace {

constexpr std::size_t kMaxNamed = 8;

// "a", "a and b", "a, b and c", then how many more were left out.
std::string listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size() && i < kMaxNamed; ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    if (items.size() > kMaxNamed) text += " and " + std::to_string(items.size() - kMaxNamed) + " more";
    return text;
}

}  // namespace

bool is_line_end(std::uint8_t byte) { return byte == kCarriageReturn || byte == kLineFeed; }

std::string shown_byte(std::uint8_t byte) {
    if (byte == kCarriageReturn) return "CR";
    if (byte == kLineFeed) return "LF";
    char text[8];
    if (byte >= 32 && byte < 127) {
        std::snprintf(text, sizeof text, "'%c'", byte);
    } else {
        std::snprintf(text, sizeof text, "0x%02X", byte);
    }
    return text;
}

std::string named_records(const std::vector<int>& numbers) {
    std::vector<std::string> items;
    for (const int number : numbers) items.push_back(std::to_string(number));
    return (numbers.size() == 1 ? "record " : "records ") + listed(items);
}

std::string named_positions(const std::vector<TextPosition>& positions) {
    if (positions.size() == 1) {
        return "record " + std::to_string(positions[0].record) + ", line " + std::to_string(positions[0].line);
    }
    std::vector<std::string> items;
    for (const TextPosition& position : positions) {
        items.push_back(std::to_string(position.record) + " (line " + std::to_string(position.line) + ")");
    }
    return "records " + listed(items);
}

TextPosition position_in_records(std::string_view text, std::size_t at) {
    TextPosition position{0, 1};
    if (text.empty()) return position;
    const char separator = text[0];
    for (std::size_t i = 0; i < at && i < text.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        if (text[i] == separator) {
            ++position.record;
            position.line = 1;
        } else if (byte == kLineFeed || (byte == kCarriageReturn && !(i + 1 < text.size() && text[i + 1] == '\n'))) {
            ++position.line;
        }
    }
    return position;
}

}  // namespace vendrel

#include "extract/extract_records.h"

namespace vendrel {

std::string console_text(const std::uint8_t* text, int length) {
    std::string shown;
    shown.reserve(static_cast<std::size_t>(length) + 1);
    for (int i = 0; i < length; ++i) {
        const std::uint8_t byte = text[i];
        if (byte == kCarriageReturn) {
            shown.push_back('\n');
        } else if (byte == kLineFeed) {
            // The LF of a CR LF pair: the CR has already given the newline.
            if (i == 0 || text[i - 1] != kCarriageReturn) shown.push_back('\n');
        } else {
            shown.push_back(static_cast<char>(byte));
        }
    }
    shown.push_back('\n');
    return shown;
}

}  // namespace vendrel

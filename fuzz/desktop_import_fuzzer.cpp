// The Desktop import: the first byte chooses -lc, the rest is the document
// (a byte 0xFF, which the main flow refuses, becomes 0xFE). The import,
// working in place at both ends of the text buffer, must give exactly what
// a plain reading of the document into a separate buffer gives, or refuse
// the document as too long exactly when that reading would outgrow 65,535
// bytes of produced plus unread text.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "base/errors.h"
#include "fuzz_support.h"
#include "prepare/desktop_import.h"

namespace vendrel::fuzz {
namespace {

struct Imported {
    bool too_long = false;
    std::vector<std::uint8_t> text;
};

std::uint8_t lowered(std::uint8_t byte) {
    if (byte >= 'A' && byte <= 'Z') return static_cast<std::uint8_t>(byte | 0x20);
    if (byte >= 128 && byte <= 159) return static_cast<std::uint8_t>(byte & 0xFE);
    return byte;
}

// The document read line by line into a separate buffer.
Imported read_document(const std::vector<std::uint8_t>& document, bool lc) {
    Imported out;
    const std::size_t size = document.size();
    std::size_t at = 0;
    auto skip_head = [&] {
        if (at >= size) return;
        const std::uint8_t head = document[at++];
        if ((head & 0x60) != 0) at = std::min(size, at + 2);
    };
    skip_head();
    while (at < size) {
        const std::uint8_t byte = document[at++];
        const bool after_join = !out.text.empty() && (out.text.back() == '|' || out.text.back() == '\\');
        if (byte == 13) {
            if (!after_join) out.text.push_back(' ');
            skip_head();
        } else if (byte >= 160) {
            const std::size_t copies = byte - 160u;
            if (out.text.empty()) continue;
            if (out.text.size() + copies + (size - at) > static_cast<std::size_t>(kMaxSourceLength)) {
                out.too_long = true;
                return out;
            }
            out.text.insert(out.text.end(), copies, out.text.back());
        } else if (byte >= 32) {
            out.text.push_back(lc ? lowered(byte) : byte);
        }
    }
    return out;
}

}  // namespace
}  // namespace vendrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vendrel;
    if (size == 0) return 0;
    const bool lc = (data[0] & 1) != 0;
    std::vector<std::uint8_t> document(data + 1, data + size);
    if (document.size() > static_cast<std::size_t>(kMaxSourceLength)) document.resize(kMaxSourceLength);
    for (std::uint8_t& byte : document) {
        if (byte == kEndMark) byte = 0xFE;
    }

    JobHandle job = fuzz::new_job();
    job->dtp = 1;
    job->lc = lc ? 1 : 0;
    if (!document.empty()) std::memcpy(job->text_buffer, document.data(), document.size());
    job->text_buffer[document.size()] = kEndMark;
    job->source_length = static_cast<std::int32_t>(document.size());

    const int result = import_desktop_document(*job);
    const fuzz::Imported expected = fuzz::read_document(document, lc);
    if (expected.too_long) {
        VENDREL_FUZZ_CHECK(result == kDocumentTooLong);
        return 0;
    }
    VENDREL_FUZZ_CHECK(result == 0);
    const std::uint8_t* text = job->text_buffer;
    const void* mark = std::memchr(text, kEndMark, kTextBufferSize);
    VENDREL_FUZZ_CHECK(mark != nullptr);
    const std::size_t length = static_cast<std::size_t>(static_cast<const std::uint8_t*>(mark) - text);
    VENDREL_FUZZ_CHECK(length == expected.text.size());
    VENDREL_FUZZ_CHECK(length == 0 || std::memcmp(text, expected.text.data(), length) == 0);
    for (std::size_t i = 0; i < length; ++i) {
        VENDREL_FUZZ_CHECK(text[i] >= 32 && text[i] <= 159);
    }
    return 0;
}

#include "prepare/desktop_import.h"

#include <cstdint>
#include <cstring>

#include "base/errors.h"

namespace vendrel {
namespace {

constexpr std::uint8_t kFirstTextByte = 32;
constexpr std::uint8_t kFirstRepeatByte = 160;

bool is_join_mark(std::uint8_t byte) { return byte == '|' || byte == '\\'; }

std::uint8_t lower(std::uint8_t byte) {
    if (byte >= 'A' && byte <= 'Z') return static_cast<std::uint8_t>(byte | 0x20);
    // From 128 on, letters come in pairs of an even lower-case byte and the
    // odd upper-case byte above it.
    if (byte >= 128) return static_cast<std::uint8_t>(byte & ~1u);
    return byte;
}

// The document sits at the top of the text buffer and the text is produced
// from the bottom, so the reader stays ahead of the writer in one buffer.
struct Import {
    std::uint8_t* buffer;
    int read;   // next document byte; the end mark stands at the last byte
    int write;  // next produced byte
    bool lc;

    bool at_end() const { return buffer[read] == kEndMark; }

    // Skips a line head whose head byte is next. The end mark ends the
    // document even inside a head, and it is never passed.
    void skip_line_head() {
        if (at_end()) return;
        const std::uint8_t head = buffer[read++];
        if ((head & kDesktopLongHeadBits) == 0) return;
        for (int extra = 0; extra < 2 && !at_end(); ++extra) ++read;
    }

    // Before anything is produced there is no last byte: it is neither a
    // join mark nor something to repeat.
    bool after_join_mark() const { return write > 0 && is_join_mark(buffer[write - 1]); }

    // Copies the last produced byte count more times. Refused when the copies
    // would reach unread input: produced bytes plus unread document bytes
    // must stay within the 65,535 bytes the document may have.
    bool repeat(int count) {
        if (write == 0) return true;
        if (write + count > read) return false;
        std::memset(buffer + write, buffer[write - 1], static_cast<std::size_t>(count));
        write += count;
        return true;
    }
};

int end_of_text(const std::uint8_t* buffer) {
    const void* mark = std::memchr(buffer, kEndMark, kTextBufferSize);
    return mark ? static_cast<int>(static_cast<const std::uint8_t*>(mark) - buffer)
                : kTextBufferSize - 1;
}

}  // namespace

int import_desktop_document(Job& job) {
    std::uint8_t* const buffer = job.text_buffer;
    const int end = end_of_text(buffer);
    const int top = kTextBufferSize - 1 - end;
    // memmove copies overlapping ranges safely, as copying backwards would.
    std::memmove(buffer + top, buffer, static_cast<std::size_t>(end));
    buffer[kTextBufferSize - 1] = kEndMark;

    Import import{buffer, top, 0, job.lc != 0};
    import.skip_line_head();
    while (!import.at_end()) {
        const std::uint8_t byte = buffer[import.read++];
        if (byte == kCarriageReturn) {
            if (!import.after_join_mark()) buffer[import.write++] = ' ';
            import.skip_line_head();
        } else if (byte >= kFirstRepeatByte) {
            if (!import.repeat(byte - kFirstRepeatByte)) return report_error(kDocumentTooLong);
        } else if (byte >= kFirstTextByte) {
            buffer[import.write++] = import.lc ? lower(byte) : byte;
        }
        // Other control bytes (TAB, LF and the rest below 32) are dropped.
    }
    buffer[import.write] = kEndMark;
    return 0;
}

}  // namespace vendrel

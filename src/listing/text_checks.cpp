#include "listing/text_checks.h"

#include <algorithm>
#include <string_view>

#include "listing/check_terms.h"
#include "listing/separator_layout.h"

namespace vendrel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool is_blank(char c) { return c == ' ' || is_line_end(static_cast<std::uint8_t>(c)); }

// The length of the UTF-8 sequence that starts at text[at], or 0.
std::size_t utf8_sequence(std::string_view text, std::size_t at) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    const std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<std::uint8_t>(text[at + i]) & 0xC0) != 0x80) return 0;
    }
    return length;
}

// The mark is a fact of the file: whatever the conversion makes of its
// bytes, they are packed as text and the first one separates the records.
bool check_byte_order_mark(const Job& job, const ListingTexts& texts, std::vector<std::string>& found) {
    if (job.dtp || texts.packed.empty() || texts.file.compare(0, kByteOrderMark.size(), kByteOrderMark) != 0) {
        return false;
    }
    found.push_back("the file begins with a UTF-8 byte-order mark, which is packed as text and makes " +
                    shown_byte(static_cast<std::uint8_t>(texts.packed[0])) + " the separator");
    return true;
}

// Bytes of 128 and above in the records (separators are never printed).
void check_high_bytes(const Job& job, const ListingTexts& texts, bool mark_told, std::vector<std::string>& found) {
    const std::string& text = texts.packed;
    std::size_t count = 0;
    std::size_t first = 0;
    bool utf8 = true;
    const bool skip_mark = mark_told && text.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0;
    for (std::size_t at = skip_mark ? kByteOrderMark.size() : 0; at < text.size();) {
        if (static_cast<std::uint8_t>(text[at]) < 128 || text[at] == text[0]) {
            ++at;
            continue;
        }
        if (count++ == 0) first = at;
        const std::size_t length = utf8_sequence(text, at);
        if (length == 0) utf8 = false;
        at += length == 0 ? 1 : length;
    }
    if (count == 0) return;
    const TextPosition where = position_in_records(text, first);
    const std::string unit = utf8 ? " character" : " byte";
    const std::string what = std::to_string(count) + unit + (count == 1 ? "" : "s") + " of 128 and above";
    const std::string place = ", the first in record " + std::to_string(where.record) + ", line " +
                              std::to_string(where.line) + ": ";
    const std::string effect = utf8 ? "they look like UTF-8, which the target prints as other characters"
                                    : "the target prints them in its own character set";
    if (job.conversion_count > 0) {
        found.push_back("the conversion table leaves " + what + " of the file unmapped" + place + effect);
    } else {
        found.push_back(what + place + effect);
    }
}

void check_records(const Job& job, const std::vector<RecordSummary>& records, std::vector<std::string>& found) {
    std::vector<int> control;
    std::vector<int> long_lines;
    for (const RecordSummary& record : records) {
        for (const char c : record.text) {
            const auto byte = static_cast<std::uint8_t>(c);
            if (byte < 32 && !is_line_end(byte)) {
                control.push_back(record.number);
                break;
            }
        }
        if (job.line_width > 0 && record.longest_line > job.line_width) long_lines.push_back(record.number);
    }
    if (!control.empty()) found.push_back("control characters other than CR and LF in " + named_records(control));
    if (!long_lines.empty()) {
        found.push_back("lines longer than " + std::to_string(job.line_width) + " characters in " +
                        named_records(long_lines));
    }
}

void check_separators(const Job& job, const ListingTexts& texts, const std::vector<RecordSummary>& records,
                      std::vector<std::string>& found) {
    if (texts.packed.empty()) return;
    const auto separator = static_cast<std::uint8_t>(texts.packed[0]);
    const bool starts_with_line_end =
        !texts.laid_out.empty() && is_line_end(static_cast<std::uint8_t>(texts.laid_out[0]));
    if (job.crlf_spc && separator == ' ' && starts_with_line_end) {
        // The space -crlf-spc wrote for the first line end separates the
        // records, and so does every space and every line end of the text.
        if (texts.laid_out.find(' ') != std::string::npos) {
            found.push_back("-crlf-spc made the separator a space, from the line end that starts the text: "
                            "every space of the text separates records too");
        }
        return;
    }
    check_separator_layout(texts.laid_out, separator, records, found);
}

void check_line_ends(const Job& job, const ListingTexts& texts, const std::vector<RecordSummary>& records,
                     std::vector<std::string>& found) {
    bool cr = false;
    bool lf = false;
    for (const RecordSummary& record : records) {
        cr = cr || record.text.find('\r') != std::string::npos;
        lf = lf || record.text.find('\n') != std::string::npos;
    }
    if (job.only_cr && !cr && texts.laid_out.find('\n') != std::string::npos) {
        found.push_back("-only-cr left no line end: the file ends its lines with LF alone");
    }
    if (job.only_lf && !lf && texts.laid_out.find('\r') != std::string::npos) {
        found.push_back("-only-lf left no line end: the file ends its lines with CR alone");
    }
}

void check_image(const Job& job, std::vector<std::string>& found) {
    const int end = job.load_address + job.total_length;
    if (end > 65536) {
        found.push_back("the image runs from " + std::to_string(job.load_address) + " past 65535 (to " +
                        std::to_string(end - 1) + ")");
    }
    const int print_offset = ((job.print_address - job.load_address) % 65536 + 65536) % 65536;
    if (print_offset < job.total_length) {
        found.push_back("the print address " + std::to_string(job.print_address) + " lies inside the image (" +
                        std::to_string(job.load_address) + " to " + std::to_string((end - 1) % 65536) + ")");
    }
}

}  // namespace

std::vector<std::string> check_packed_text(const Job& job, const ListingTexts& texts,
                                           const std::vector<RecordSummary>& records) {
    std::vector<std::string> found;
    const bool has_open = !records.empty() && records.back().open;
    const std::size_t closed = records.size() - (has_open ? 1 : 0);

    if (closed == 0 && !(job.oa && has_open)) {
        found.push_back(job.char_count == 0 ? "no record at all: the text is empty"
                                            : "no record at all: a record needs a separator before and after it");
    }
    // Line ends and spaces after the last separator are what the file's
    // last line end (or the Desktop import's last space) leaves: no text.
    if (has_open && !job.oa) {
        const RecordSummary& open = records.back();
        if (!std::all_of(open.text.begin(), open.text.end(), is_blank)) {
            const std::string count = std::to_string(open.text.size());
            found.push_back("text after the last separator: " + count +
                            (open.text.size() == 1 ? " character" : " characters") +
                            " that no record holds (-x shows them as record " + std::to_string(open.number) +
                            "; calling it on the target runs past the image)");
        }
    }
    if (job.oa && !texts.file.empty() && !texts.packed.empty() &&
        static_cast<std::uint8_t>(texts.file.back()) != static_cast<std::uint8_t>(texts.packed[0])) {
        found.push_back("-oa dropped the last byte of the file, " +
                        shown_byte(static_cast<std::uint8_t>(texts.file.back())) + ", which is not the separator " +
                        shown_byte(static_cast<std::uint8_t>(texts.packed[0])));
    }
    const bool mark_told = check_byte_order_mark(job, texts, found);
    check_high_bytes(job, texts, mark_told, found);
    check_records(job, records, found);
    check_separators(job, texts, records, found);
    check_line_ends(job, texts, records, found);
    check_image(job, found);
    return found;
}

}  // namespace vendrel

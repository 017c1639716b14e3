#include "cli/text_checks.h"

#include <cstdio>
#include <string_view>

#include "base/text_codes.h"

namespace vendrel {

namespace {

constexpr std::size_t kMaxNamedRecords = 8;

bool is_line_end(std::uint8_t byte) { return byte == kCarriageReturn || byte == kLineFeed; }

std::string shown_byte(std::uint8_t byte) {
    char text[24];
    if (byte >= 32 && byte < 127) {
        std::snprintf(text, sizeof text, "'%c'", byte);
    } else {
        std::snprintf(text, sizeof text, "0x%02X", byte);
    }
    return text;
}

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

void check_high_bytes(const std::string& source, std::vector<std::string>& found) {
    std::size_t count = 0;
    std::size_t first = 0;
    bool utf8 = true;
    for (std::size_t at = 0; at < source.size();) {
        if (static_cast<std::uint8_t>(source[at]) < 128) {
            ++at;
            continue;
        }
        if (count++ == 0) first = at;
        const std::size_t length = utf8_sequence(source, at);
        if (length == 0) utf8 = false;
        at += length == 0 ? 1 : length;
    }
    if (count == 0) return;
    std::string line = std::to_string(count) + (utf8 ? " characters" : " bytes") +
                       " of 128 and above, the first at byte " + std::to_string(first) + " of the source";
    if (source.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        line += ": a UTF-8 byte-order mark starts the text";
    } else if (utf8) {
        line += ": they look like UTF-8, which the target prints as other characters";
    } else {
        line += ": the target prints them in its own character set";
    }
    found.push_back(line);
}

// Names records by number: "records 3, 7 and 12", at most a few of them.
std::string named_records(const std::vector<int>& numbers) {
    std::string text = numbers.size() == 1 ? "record " : "records ";
    for (std::size_t i = 0; i < numbers.size() && i < kMaxNamedRecords; ++i) {
        if (i > 0) text += i + 1 == numbers.size() ? " and " : ", ";
        text += std::to_string(numbers[i]);
    }
    if (numbers.size() > kMaxNamedRecords) text += " and " + std::to_string(numbers.size() - kMaxNamedRecords) + " more";
    return text;
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

// A separator that stands inside a line, where the others stand alone on
// theirs, is most likely meant as a character of the text.
void check_separator_inside_lines(const Job& job, const std::vector<RecordSummary>& records,
                                  std::vector<std::string>& found) {
    if (job.char_count == 0 || is_line_end(job.symbol_table[0])) return;
    int alone = 0;
    std::vector<int> inside;
    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        const std::string& before = records[i].text;
        const std::string& after = records[i + 1].text;
        const bool starts_line = before.empty() || is_line_end(static_cast<std::uint8_t>(before.back()));
        const bool ends_line = after.empty() || is_line_end(static_cast<std::uint8_t>(after.front()));
        if (starts_line && ends_line) {
            ++alone;
        } else if (!starts_line && !ends_line) {
            inside.push_back(records[i].number);
        }
    }
    if (alone > 0 && !inside.empty()) {
        found.push_back("the separator " + shown_byte(job.symbol_table[0]) + " stands inside a line after " +
                        named_records(inside) + ": every later record number shifts by one");
    }
}

void check_line_ends(const Job& job, const std::string& source, const std::vector<RecordSummary>& records,
                     std::vector<std::string>& found) {
    bool cr = false;
    bool lf = false;
    for (const RecordSummary& record : records) {
        cr = cr || record.text.find('\r') != std::string::npos;
        lf = lf || record.text.find('\n') != std::string::npos;
    }
    if (job.only_cr && !cr && source.find('\n') != std::string::npos) {
        found.push_back("-only-cr left no line end: the source ends its lines with LF alone");
    }
    if (job.only_lf && !lf && source.find('\r') != std::string::npos) {
        found.push_back("-only-lf left no line end: the source ends its lines with CR alone");
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

std::vector<std::string> check_packed_text(const Job& job, const std::string& source,
                                           const std::vector<RecordSummary>& records) {
    std::vector<std::string> found;
    const bool has_open = !records.empty() && records.back().open;
    const std::size_t closed = records.size() - (has_open ? 1 : 0);

    if (closed == 0 && !(job.oa && has_open)) {
        found.push_back(job.char_count == 0 ? "no record at all: the text is empty"
                                            : "no record at all: a record needs a separator before and after it");
    }
    if (has_open && !job.oa) {
        const RecordSummary& open = records.back();
        const std::string count = std::to_string(open.text.size());
        found.push_back("text after the last separator: " + count +
                        (open.text.size() == 1 ? " character" : " characters") + " that no record holds (-x shows them as record " + std::to_string(open.number) +
                        "; calling it on the target runs past the image)");
    }
    if (job.oa && !source.empty() && job.char_count > 0 &&
        static_cast<std::uint8_t>(source.back()) != job.symbol_table[0]) {
        found.push_back("-oa dropped the last byte of the source, " +
                        shown_byte(static_cast<std::uint8_t>(source.back())) + ", which is not the separator " +
                        shown_byte(job.symbol_table[0]));
    }
    check_high_bytes(source, found);
    check_records(job, records, found);
    check_separator_inside_lines(job, records, found);
    check_line_ends(job, source, records, found);
    check_image(job, found);
    return found;
}

}  // namespace vendrel

#include "listing/separator_layout.h"

#include <algorithm>
#include <array>

#include "base/text_codes.h"
#include "listing/check_terms.h"

namespace vendrel {

namespace {

// What stands on one side of a separator: a line end (or the start of a
// line), other characters, or nothing (the start or the end of the text).
enum class Side { line_edge, text, none };

struct Placement {
    Side before = Side::none;
    Side after = Side::none;
};

struct Separator {
    Placement placement;
    TextPosition position;  // the record it closes, and the line it stands on
};

Side side_of(std::string_view text, std::size_t at) {
    if (at >= text.size()) return Side::none;
    return is_line_end(static_cast<std::uint8_t>(text[at])) ? Side::line_edge : Side::text;
}

std::vector<Separator> separators_in(std::string_view text, std::uint8_t separator) {
    std::vector<Separator> all;
    TextPosition position{0, 1};
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        if (byte == separator) {
            const Placement placement{i == 0 ? Side::none : side_of(text, i - 1), side_of(text, i + 1)};
            all.push_back({placement, position});
            ++position.record;
            position.line = 1;
        } else if (byte == kLineFeed || (byte == kCarriageReturn && !(i + 1 < text.size() && text[i + 1] == '\n'))) {
            ++position.line;
        }
    }
    return all;
}

// The side that most separators have, or none when neither kind has more.
Side usual_side(const std::vector<Separator>& all, Side Placement::*side) {
    int edges = 0;
    int texts = 0;
    for (const Separator& s : all) {
        if (s.placement.*side == Side::line_edge) ++edges;
        if (s.placement.*side == Side::text) ++texts;
    }
    return edges > texts ? Side::line_edge : texts > edges ? Side::text : Side::none;
}

bool differs(Side own, Side usual) { return usual != Side::none && own != Side::none && own != usual; }

// How one separator stands; the start and the end of the text count as
// line edges.
enum class Stance { alone, starting, ending, inside };

Stance stance_of(Placement placement) {
    const bool starts = placement.before != Side::text;
    const bool ends = placement.after != Side::text;
    return starts ? (ends ? Stance::alone : Stance::starting) : (ends ? Stance::ending : Stance::inside);
}

const char* stance_words(Stance stance) {
    switch (stance) {
        case Stance::alone: return "stands alone on a line";
        case Stance::starting: return "starts a line";
        case Stance::ending: return "ends a line";
        case Stance::inside: break;
    }
    return "stands inside a line";
}

std::string layout_words(Side before, Side after) {
    if (before == Side::line_edge && after == Side::line_edge) return "stand alone on their lines";
    if (before == Side::line_edge && after == Side::text) return "start their lines";
    if (before == Side::text && after == Side::line_edge) return "end their lines";
    if (before == Side::text && after == Side::text) return "stand inside lines";
    if (before == Side::line_edge) return "follow a line end";
    if (before == Side::text) return "follow other characters";
    return after == Side::line_edge ? "come before a line end" : "come before other characters";
}

std::string shifts(std::size_t count) {
    return count == 1 ? ": every later record number shifts by one"
                      : ": each shifts every later record number by one";
}

// A line end separates the records, one to a line: an empty line makes an
// empty record.
void check_one_record_per_line(std::uint8_t separator, const std::vector<RecordSummary>& records,
                               std::vector<std::string>& found) {
    std::vector<int> empty;
    std::size_t lines = 0;
    for (const RecordSummary& record : records) {
        if (record.open) continue;
        const bool blank = std::all_of(record.text.begin(), record.text.end(),
                                       [](char c) { return is_line_end(static_cast<std::uint8_t>(c)); });
        if (blank) {
            empty.push_back(record.number);
        } else {
            ++lines;
        }
    }
    if (empty.empty() || lines <= empty.size()) return;
    found.push_back((empty.size() == 1 ? "an empty line makes " : "empty lines make ") + named_records(empty) +
                    " empty, where the separator " + shown_byte(separator) + " gives one record to a line" +
                    shifts(empty.size()));
}

}  // namespace

void check_separator_layout(std::string_view laid_out, std::uint8_t separator,
                            const std::vector<RecordSummary>& records, std::vector<std::string>& found) {
    if (is_line_end(separator)) {
        check_one_record_per_line(separator, records, found);
        return;
    }
    // Line ends and spaces after the last separator end the text: a file's
    // last line end makes no separator end a line.
    std::string_view text = laid_out;
    while (!text.empty() && text.back() != static_cast<char>(separator) &&
           (text.back() == ' ' || is_line_end(static_cast<std::uint8_t>(text.back())))) {
        text.remove_suffix(1);
    }
    const std::vector<Separator> all = separators_in(text, separator);
    const Side before = usual_side(all, &Placement::before);
    const Side after = usual_side(all, &Placement::after);

    // The first separator opens the first record: it shifts no number.
    std::array<std::vector<TextPosition>, 4> breaking;
    std::vector<Stance> order;
    for (std::size_t i = 1; i < all.size(); ++i) {
        const Placement& own = all[i].placement;
        if (!differs(own.before, before) && !differs(own.after, after)) continue;
        const Stance stance = stance_of(own);
        std::vector<TextPosition>& positions = breaking[static_cast<std::size_t>(stance)];
        if (positions.empty()) order.push_back(stance);
        positions.push_back(all[i].position);
    }
    for (const Stance stance : order) {
        const std::vector<TextPosition>& positions = breaking[static_cast<std::size_t>(stance)];
        found.push_back("the separator " + shown_byte(separator) + " " + stance_words(stance) + " in " +
                        named_positions(positions) + ", where the others " + layout_words(before, after) +
                        shifts(positions.size()));
    }
}

}  // namespace vendrel

// Bookkeeping of the phrase search: the runs, their parses, and where each
// phrase is used.
#include "best/search_state.h"

#include <algorithm>
#include <utility>

#include "best/phrase_shapes.h"

namespace vendrel {

namespace {

// Codes re-parsed on each side of a use of a dropped phrase. A window
// this wide lets the codes beside the use take part of its text; the
// parse stays close to optimal, and keep_only makes it optimal again. It
// was 4 in the first version; the figures behind 2 are not recorded.
constexpr int kWindowCodes = 2;

// Positions of the text where a code of the default packer's stream starts;
// none when the stream does not expand to the text's length.
std::vector<std::uint8_t> greedy_boundaries(int length, int char_count, const PhraseImage& greedy) {
    std::vector<int> expanded(static_cast<std::size_t>(char_count), 1);
    for (std::size_t k = 0; k + 1 < greedy.pair_table.size(); k += 2) {
        expanded.push_back(expanded[greedy.pair_table[k]] + expanded[greedy.pair_table[k + 1]]);
    }
    std::vector<std::uint8_t> boundary(static_cast<std::size_t>(length) + 1, 0);
    int at = 0;
    for (const std::uint8_t code : greedy.code_stream) {
        if (code >= expanded.size() || at >= length) return std::vector<std::uint8_t>(boundary.size(), 0);
        boundary[static_cast<std::size_t>(at)] = 1;
        at += expanded[code];
    }
    if (at != length) return std::vector<std::uint8_t>(boundary.size(), 0);
    return boundary;
}

bool in_trie(const SearchState& state, int id) {
    int node = 0;
    for (const char ch : state.set.text[static_cast<std::size_t>(id)]) {
        node = trie_step(state.trie, node, static_cast<std::uint8_t>(ch));
        if (node == 0) return false;
    }
    return trie_phrase(state.trie, node) == id;
}

// Notes the phrase of the code at at among its uses.
void note_use(SearchState& state, int at) {
    state.phrase_uses[static_cast<std::size_t>(state.piece_phrase[static_cast<std::size_t>(at)])].push_back(at);
}

// Leaves in phrase_uses[id] exactly the positions where the parse uses id,
// in increasing order.
void tidy_uses_of(SearchState& state, int id) {
    std::vector<int>& uses = state.phrase_uses[static_cast<std::size_t>(id)];
    std::sort(uses.begin(), uses.end());
    uses.erase(std::unique(uses.begin(), uses.end()), uses.end());
    uses.erase(std::remove_if(uses.begin(), uses.end(),
                              [&](int at) {
                                  return state.piece_length[static_cast<std::size_t>(at)] == 0 ||
                                         state.piece_phrase[static_cast<std::size_t>(at)] != id;
                              }),
               uses.end());
}

// Records the parse in the scratch space as the pieces of text begin..end.
void store_parse(SearchState& state, int begin, int end) {
    std::fill(state.piece_length.begin() + begin, state.piece_length.begin() + end, 0);
    for (int at = begin; at < end;) {
        const int length = state.scratch.length[static_cast<std::size_t>(at - begin)];
        state.piece_length[static_cast<std::size_t>(at)] = length;
        state.piece_phrase[static_cast<std::size_t>(at)] = state.scratch.phrase[static_cast<std::size_t>(at - begin)];
        if (length > 1) note_use(state, at);
        at += length;
    }
}

// Parses run under the kept phrases and brings its entries up to date.
void reparse(SearchState& state, int run) {
    const TextRun& span = state.runs[static_cast<std::size_t>(run)];
    const int codes = parse_span(state, span.begin, span.end);
    store_parse(state, span.begin, span.end);
    state.stream_codes += codes - state.run_codes[static_cast<std::size_t>(run)];
    state.run_codes[static_cast<std::size_t>(run)] = codes;
}

// The start of the code kWindowCodes codes before the one at at, or its run's
// start.
int window_begin(const SearchState& state, const TextRun& span, int at) {
    for (int k = 0; k < kWindowCodes && at > span.begin; ++k) {
        --at;
        while (at > span.begin && state.piece_length[static_cast<std::size_t>(at)] == 0) --at;
    }
    return at;
}

// The end of the code kWindowCodes codes after the one at at, or its run's end.
int window_end(const SearchState& state, const TextRun& span, int at) {
    int end = at + state.piece_length[static_cast<std::size_t>(at)];
    for (int k = 0; k < kWindowCodes && end < span.end; ++k) end += state.piece_length[static_cast<std::size_t>(end)];
    return end;
}

// Parses window again under the kept phrases.
void reparse_window(SearchState& state, const TextRun& window) {
    int growth = -codes_between(state, window.begin, window.end);
    growth += parse_span(state, window.begin, window.end);
    store_parse(state, window.begin, window.end);
    state.stream_codes += growth;
    state.run_codes[static_cast<std::size_t>(state.run_of[static_cast<std::size_t>(window.begin)])] += growth;
}

// The id of a phrase, entered into the set and the trie (not kept) when
// new; refresh_splits must follow before the set is used again.
int enter_phrase(SearchState& state, const std::string& text) {
    const std::size_t before = state.set.text.size();
    const int id = add_phrase_text(state.set, text);
    add_phrase(state.trie, text, id);
    state.matches_stale = true;
    if (state.set.text.size() > before) {
        state.kept.push_back(0);
        state.phrase_uses.emplace_back();
    }
    return id;
}

// The nesting of a kept phrase from its splits into kept symbols other
// than those of without (as phrase_nesting has them); kTooDeep when none is left.
int nesting_without(const SearchState& state, int id, const std::vector<int>& without) {
    const int n = state.set.char_count;
    auto nesting_of = [&](int symbol) {
        if (symbol < n) return 0;
        const int phrase = symbol - n;
        if (!state.kept[static_cast<std::size_t>(phrase)] ||
            std::find(without.begin(), without.end(), phrase) != without.end()) {
            return kTooDeep;
        }
        return state.phrase_nesting[static_cast<std::size_t>(phrase)];
    };
    int nesting = kTooDeep;
    for (const auto& [left, right] : state.set.splits[static_cast<std::size_t>(id)]) {
        nesting = std::min(nesting, std::min(kTooDeep, std::max(nesting_of(left) + 1, nesting_of(right))));
    }
    return nesting;
}

// Brings phrase_nesting up to date for the phrases that nest deeper once
// the phrases of ids are gone (parents of a gone phrase, then their
// parents), and returns them.
std::vector<int> nest_deeper_without(SearchState& state, const std::vector<int>& ids) {
    std::vector<int> deeper;
    std::vector<int> pending = ids;
    while (!pending.empty()) {
        const int child = pending.back();
        pending.pop_back();
        for (const int parent : state.set.parents[static_cast<std::size_t>(child)]) {
            if (!state.kept[static_cast<std::size_t>(parent)] ||
                std::find(ids.begin(), ids.end(), parent) != ids.end()) {
                continue;
            }
            const int nesting = nesting_without(state, parent, ids);
            int& known = state.phrase_nesting[static_cast<std::size_t>(parent)];
            if (nesting <= known) continue;
            known = nesting;
            deeper.push_back(parent);
            pending.push_back(parent);
        }
    }
    std::sort(deeper.begin(), deeper.end());
    deeper.erase(std::unique(deeper.begin(), deeper.end()), deeper.end());
    return deeper;
}

// Finds the splits of every phrase of the set again.
void refresh_splits(SearchState& state) { find_splits(state.set, state.trie); }

}  // namespace

// A cut forces a code boundary, so long records are cut only where the
// default packer's stream has one, about every half run length, which
// leaves the parse almost as short as without the cut.
std::vector<TextRun> text_runs(const std::uint8_t* text, int length, int char_count, const PhraseImage& greedy) {
    const std::vector<std::uint8_t> boundary = greedy_boundaries(length, char_count, greedy);
    std::vector<TextRun> runs;
    int i = 0;
    while (i < length) {
        if (text[i] == 0) {
            ++i;
            continue;
        }
        int end = i;
        while (end < length && text[end] != 0) ++end;
        while (end - i > kLongestRun) {
            int cut = i + kLongestRun / 2;
            while (cut < i + kLongestRun && !boundary[static_cast<std::size_t>(cut)]) ++cut;
            runs.push_back({i, cut});
            i = cut;
        }
        runs.push_back({i, end});
        i = end;
    }
    return runs;
}

int parse_span(SearchState& state, int begin, int end) {
    if (state.matches_stale) {
        state.scratch.steps += find_matches(state.trie, state.text, state.length, state.matches);
        state.matches_stale = false;
    }
    PhraseFilter filter{&state.kept, kNoPhrase};
    if (!state.run_nesting.empty()) {
        filter.nesting = &state.phrase_nesting;
        filter.max_nesting =
            state.run_nesting[static_cast<std::size_t>(state.run_of[static_cast<std::size_t>(begin)])];
    }
    return parse_run(state.matches, filter, begin, end, state.scratch);
}

void set_run_nesting(SearchState& state, const std::vector<int>& record_limit) {
    state.run_nesting.clear();
    int record = -1;
    int at = 0;
    for (const TextRun& run : state.runs) {
        for (; at < run.begin; ++at) record += state.text[at] == 0 ? 1 : 0;
        const std::size_t index = static_cast<std::size_t>(std::max(record, 0));
        state.run_nesting.push_back(index < record_limit.size() ? record_limit[index] : 0);
    }
}

void refresh_nesting(SearchState& state) {
    const PhraseShapes shapes = shape_phrases(state);
    state.phrase_nesting.assign(shapes.nesting.size(), kTooDeep);
    for (const int id : shapes.order) {
        const int nesting = shapes.nesting[static_cast<std::size_t>(id)];
        if (nesting != kNoSplit) state.phrase_nesting[static_cast<std::size_t>(id)] = nesting;
    }
}

int codes_between(const SearchState& state, int begin, int end) {
    int codes = 0;
    for (int at = begin; at < end; at += state.piece_length[static_cast<std::size_t>(at)]) ++codes;
    return codes;
}

std::vector<TextRun> removal_windows(SearchState& state, const std::vector<int>& ids) {
    std::vector<int> uses;
    for (const int id : ids) {
        tidy_uses_of(state, id);
        const std::vector<int>& of_id = state.phrase_uses[static_cast<std::size_t>(id)];
        uses.insert(uses.end(), of_id.begin(), of_id.end());
    }
    if (ids.size() > 1) std::sort(uses.begin(), uses.end());
    std::vector<TextRun> windows;
    int last_run = -1;
    for (const int at : uses) {
        const int run = state.run_of[static_cast<std::size_t>(at)];
        const TextRun& span = state.runs[static_cast<std::size_t>(run)];
        const int begin = window_begin(state, span, at);
        const int end = window_end(state, span, at);
        if (run == last_run && windows.back().end >= begin) {
            windows.back().end = end;
        } else {
            windows.push_back({begin, end});
        }
        last_run = run;
    }
    return windows;
}

void start_search(SearchState& state, const std::uint8_t* text, int length, PhraseSet set, std::vector<TextRun> runs,
                  const std::vector<int>& record_limit) {
    state.text = text;
    state.length = length;
    state.piece_length.assign(static_cast<std::size_t>(length), 0);
    state.piece_phrase.assign(static_cast<std::size_t>(length), kNoPhrase);
    state.set = std::move(set);
    state.trie = trie_of(state.set);
    state.matches_stale = true;
    find_splits(state.set, state.trie);
    state.runs = std::move(runs);
    state.run_of.assign(static_cast<std::size_t>(length), -1);
    for (std::size_t run = 0; run < state.runs.size(); ++run) {
        std::fill(state.run_of.begin() + state.runs[run].begin, state.run_of.begin() + state.runs[run].end,
                  static_cast<int>(run));
    }
    state.run_codes.assign(state.runs.size(), 0);
    state.stream_codes = 0;
    if (!record_limit.empty()) set_run_nesting(state, record_limit);
    keep_only(state, std::vector<std::uint8_t>(state.set.text.size(), 1));
}

void remove_phrases(SearchState& state, const std::vector<int>& ids) {
    std::vector<int> reparsed = ids;
    if (!state.run_nesting.empty()) {
        const std::vector<int> deeper = nest_deeper_without(state, ids);
        reparsed.insert(reparsed.end(), deeper.begin(), deeper.end());
    }
    const std::vector<TextRun> windows = removal_windows(state, reparsed);
    for (const int id : ids) {
        state.phrase_uses[static_cast<std::size_t>(id)].clear();
        state.kept[static_cast<std::size_t>(id)] = 0;
        --state.kept_count;
    }
    for (const TextRun& window : windows) reparse_window(state, window);
}

void forget_dropped_phrases(SearchState& state) {
    state.trie = make_phrase_trie(state.set.char_count);
    state.matches_stale = true;
    for (const int id : kept_phrases(state)) add_phrase(state.trie, state.set.text[static_cast<std::size_t>(id)], id);
    refresh_splits(state);
}

void keep_only(SearchState& state, const std::vector<std::uint8_t>& kept) {
    state.kept = kept;
    state.kept_count = static_cast<int>(std::count(kept.begin(), kept.end(), 1));
    state.phrase_uses.assign(kept.size(), {});
    if (!state.run_nesting.empty()) refresh_nesting(state);
    for (std::size_t run = 0; run < state.runs.size(); ++run) reparse(state, static_cast<int>(run));
}

void keep_also(SearchState& state, const std::vector<std::string>& texts) {
    std::vector<int> ids;
    for (const std::string& text : texts) ids.push_back(enter_phrase(state, text));
    refresh_splits(state);
    std::vector<std::uint8_t> kept = state.kept;
    for (const int id : ids) kept[static_cast<std::size_t>(id)] = 1;
    keep_only(state, kept);
}

void restore_kept(SearchState& state, std::vector<std::uint8_t> kept) {
    kept.resize(state.kept.size(), 0);
    bool forgotten = false;
    for (std::size_t id = 0; id < kept.size(); ++id) {
        if (!kept[id] || in_trie(state, static_cast<int>(id))) continue;
        add_phrase(state.trie, state.set.text[id], static_cast<int>(id));
        state.matches_stale = true;
        forgotten = true;
    }
    if (!forgotten && kept == state.kept) return;
    if (forgotten) refresh_splits(state);
    keep_only(state, kept);
}

std::vector<int> kept_phrases(const SearchState& state) {
    std::vector<int> ids;
    for (std::size_t id = 0; id < state.kept.size(); ++id) {
        if (state.kept[id]) ids.push_back(static_cast<int>(id));
    }
    return ids;
}

}  // namespace vendrel

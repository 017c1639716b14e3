// Bookkeeping of the phrase search: run parses, and which runs use which
// phrase.
#include "pack/best_search_state.h"

#include <algorithm>
#include <utility>

namespace vendrel {

namespace {

bool uses(const SearchState& state, int run, int id) {
    const std::vector<int>& phrases = state.run_phrases[static_cast<std::size_t>(run)];
    return std::binary_search(phrases.begin(), phrases.end(), id);
}

bool is_kept_symbol(const SearchState& state, int symbol) {
    return symbol < state.set.char_count || state.kept[static_cast<std::size_t>(symbol - state.set.char_count)];
}

bool in_trie(const SearchState& state, int id) {
    int node = 0;
    for (const char ch : state.set.text[static_cast<std::size_t>(id)]) {
        node = trie_step(state.trie, node, static_cast<std::uint8_t>(ch));
        if (node == 0) return false;
    }
    return trie_phrase(state.trie, node) == id;
}

// Brings the run's list of phrases, and the runs of each, up to date.
void note_run_phrases(SearchState& state, int run) {
    const TextRun& span = state.runs[static_cast<std::size_t>(run)];
    state.used.clear();
    for (int at = span.begin; at < span.end; at += state.piece_length[static_cast<std::size_t>(at)]) {
        const int id = state.piece_phrase[static_cast<std::size_t>(at)];
        if (id != kNoPhrase) state.used.push_back(id);
    }
    std::sort(state.used.begin(), state.used.end());
    state.used.erase(std::unique(state.used.begin(), state.used.end()), state.used.end());
    for (const int id : state.used) {
        if (!uses(state, run, id)) state.phrase_runs[static_cast<std::size_t>(id)].push_back(run);
    }
    state.run_phrases[static_cast<std::size_t>(run)].swap(state.used);
}

// Parses run under the kept phrases and brings its entries up to date.
void reparse(SearchState& state, int run) {
    const TextRun& span = state.runs[static_cast<std::size_t>(run)];
    const PhraseFilter filter{&state.kept, kNoPhrase};
    const int codes = parse_run(state.trie, filter, state.text, span.begin, span.end, state.scratch);
    std::fill(state.piece_length.begin() + span.begin, state.piece_length.begin() + span.end, 0);
    for (int at = span.begin; at < span.end;) {
        const int length = state.scratch.length[static_cast<std::size_t>(at - span.begin)];
        state.piece_length[static_cast<std::size_t>(at)] = length;
        state.piece_phrase[static_cast<std::size_t>(at)] =
            length > 1 ? phrase_at(state.trie, state.text, at, length) : kNoPhrase;
        at += length;
    }
    state.stream_codes += codes - state.run_codes[static_cast<std::size_t>(run)];
    state.run_codes[static_cast<std::size_t>(run)] = codes;
    note_run_phrases(state, run);
}

// Parses again, under the kept phrases, the windows of run around the codes
// of phrases no longer kept.
void reparse_windows(SearchState& state, int run) {
    const PhraseFilter filter{&state.kept, kNoPhrase};
    int growth = 0;
    for (const TextRun& window : dropped_windows(state, state.runs[static_cast<std::size_t>(run)])) {
        growth -= codes_between(state, window.begin, window.end);
        growth += parse_run(state.trie, filter, state.text, window.begin, window.end, state.scratch);
        std::fill(state.piece_length.begin() + window.begin, state.piece_length.begin() + window.end, 0);
        for (int at = window.begin; at < window.end;) {
            const int length = state.scratch.length[static_cast<std::size_t>(at - window.begin)];
            state.piece_length[static_cast<std::size_t>(at)] = length;
            state.piece_phrase[static_cast<std::size_t>(at)] =
                length > 1 ? phrase_at(state.trie, state.text, at, length) : kNoPhrase;
            at += length;
        }
    }
    state.stream_codes += growth;
    state.run_codes[static_cast<std::size_t>(run)] += growth;
    note_run_phrases(state, run);
}

}  // namespace

int codes_between(const SearchState& state, int begin, int end) {
    int codes = 0;
    for (int at = begin; at < end; at += state.piece_length[static_cast<std::size_t>(at)]) ++codes;
    return codes;
}

std::vector<TextRun> dropped_windows(const SearchState& state, const TextRun& span) {
    std::vector<TextRun> windows;
    int recent[kWindowCodes];  // starts of the last codes, a ring
    int seen = 0;
    for (int at = span.begin; at < span.end;) {
        const int length = state.piece_length[static_cast<std::size_t>(at)];
        const int phrase = state.piece_phrase[static_cast<std::size_t>(at)];
        if (phrase != kNoPhrase && !state.kept[static_cast<std::size_t>(phrase)]) {
            const int begin = seen < kWindowCodes ? span.begin : recent[seen % kWindowCodes];
            int end = at + length;
            for (int k = 0; k < kWindowCodes && end < span.end; ++k) {
                end += state.piece_length[static_cast<std::size_t>(end)];
            }
            if (!windows.empty() && windows.back().end >= begin) {
                windows.back().end = end;
            } else {
                windows.push_back({begin, end});
            }
        }
        recent[seen % kWindowCodes] = at;
        ++seen;
        at += length;
    }
    return windows;
}

void tidy_runs_of(SearchState& state, int id) {
    std::vector<int>& runs = state.phrase_runs[static_cast<std::size_t>(id)];
    std::sort(runs.begin(), runs.end());
    runs.erase(std::unique(runs.begin(), runs.end()), runs.end());
    runs.erase(std::remove_if(runs.begin(), runs.end(), [&](int run) { return !uses(state, run, id); }), runs.end());
}

void start_search(SearchState& state, const std::uint8_t* text, int length, PhraseSet set, std::vector<TextRun> runs) {
    state.text = text;
    state.piece_length.assign(static_cast<std::size_t>(length), 0);
    state.piece_phrase.assign(static_cast<std::size_t>(length), kNoPhrase);
    state.set = std::move(set);
    state.trie = trie_of(state.set);
    find_splits(state.set, state.trie);
    state.runs = std::move(runs);
    state.run_codes.assign(state.runs.size(), 0);
    state.run_phrases.assign(state.runs.size(), {});
    state.stream_codes = 0;
    keep_only(state, std::vector<std::uint8_t>(state.set.text.size(), 1));
}

bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without) {
    const int n = state.set.char_count;
    auto usable = [&](int symbol) {
        return is_kept_symbol(state, symbol) &&
               (symbol < n || std::find(without.begin(), without.end(), symbol - n) == without.end());
    };
    for (const auto& [left, right] : state.set.splits[static_cast<std::size_t>(parent)]) {
        if (usable(left) && usable(right)) return true;
    }
    return false;
}

void remove_phrases(SearchState& state, const std::vector<int>& ids) {
    std::vector<int> runs;
    for (const int id : ids) {
        tidy_runs_of(state, id);
        std::vector<int>& used_by = state.phrase_runs[static_cast<std::size_t>(id)];
        runs.insert(runs.end(), used_by.begin(), used_by.end());
        used_by.clear();
        state.kept[static_cast<std::size_t>(id)] = 0;
        --state.kept_count;
    }
    std::sort(runs.begin(), runs.end());
    runs.erase(std::unique(runs.begin(), runs.end()), runs.end());
    for (const int run : runs) reparse_windows(state, run);
}

int enter_phrase(SearchState& state, const std::string& text) {
    const std::size_t before = state.set.text.size();
    const int id = add_phrase_text(state.set, text);
    add_phrase(state.trie, text, id);
    if (state.set.text.size() > before) {
        state.kept.push_back(0);
        state.phrase_runs.emplace_back();
    }
    return id;
}

void refresh_splits(SearchState& state) { find_splits(state.set, state.trie); }

void forget_dropped_phrases(SearchState& state) {
    state.trie = make_phrase_trie(state.set.char_count);
    for (const int id : kept_phrases(state)) add_phrase(state.trie, state.set.text[static_cast<std::size_t>(id)], id);
    refresh_splits(state);
}

void keep_only(SearchState& state, const std::vector<std::uint8_t>& kept) {
    state.kept = kept;
    state.kept_count = static_cast<int>(std::count(kept.begin(), kept.end(), 1));
    state.phrase_runs.assign(kept.size(), {});
    for (std::vector<int>& phrases : state.run_phrases) phrases.clear();
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

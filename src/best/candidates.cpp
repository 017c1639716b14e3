// Candidate phrases and their splits. A split's left half is found by
// walking the trie along the phrase, so only cuts after a phrase prefix are
// looked up whole. The replacement keeps the stream as a chained list, the
// count and the positions of every pair in hash tables, and a heap of
// counts whose stale entries are skipped when they come up; ties go to the
// higher pair key, so the order of replacements is fixed.
#include "best/candidates.h"

#include <algorithm>
#include <cstddef>
#include <queue>

namespace vendrel {

namespace {

// Longer phrases are not entered: a walk of the trie follows a phrase to
// its end, so this bounds the work per position of every parse. A text of
// long repeats may then keep the default packer's image (the benchmark's
// repetitive input does). No measurement of other lengths is recorded.
constexpr std::size_t kLongestPhrase = 64;

// A pair replaced k times saves k codes and costs 2 pair-table bytes: it
// gains from 3 times on.
constexpr int kMinCount = 3;
// Position of a symbol merged into the one before it.
constexpr int kDead = -1;

// The symbol of a text of one character or of a phrase of the set; -1 when
// it is neither.
int symbol_of(const PhraseSet& set, const std::string& text) {
    if (text.size() == 1) return static_cast<std::uint8_t>(text[0]);
    const auto found = set.id_of.find(text);
    return found == set.id_of.end() ? -1 : set.char_count + found->second;
}

// Fills the splits of phrase id and enters it as a parent of their halves.
void split_phrase(PhraseSet& set, const PhraseTrie& trie, std::size_t id) {
    const std::string& phrase = set.text[id];
    int node = 0;
    for (std::size_t cut = 1; cut < phrase.size(); ++cut) {
        node = trie_step(trie, node, static_cast<std::uint8_t>(phrase[cut - 1]));
        if (node == 0) break;
        const int left_phrase = trie_phrase(trie, node);
        if (cut > 1 && left_phrase == kNoPhrase) continue;
        const int right = symbol_of(set, phrase.substr(cut));
        if (right < 0) continue;
        const int left = cut == 1 ? static_cast<std::uint8_t>(phrase[0]) : set.char_count + left_phrase;
        set.splits[id].emplace_back(left, right);
        for (const int half : {left, right}) {
            if (half < set.char_count) continue;
            set.parents[static_cast<std::size_t>(half - set.char_count)].push_back(static_cast<int>(id));
        }
    }
}

using PairKey = std::uint64_t;

PairKey key_of(int left, int right) { return static_cast<PairKey>(left) << 32 | static_cast<std::uint32_t>(right); }

class PairReplacement {
public:
    // symbols: the stream (0 separates), each below texts.size(); texts:
    // the characters each symbol stands for.
    PairReplacement(std::vector<int> symbols, std::vector<std::string> texts)
        : symbol_(std::move(symbols)),
          next_(symbol_.size()),
          previous_(symbol_.size()),
          text_(std::move(texts)) {
        const int length = static_cast<int>(symbol_.size());
        for (int i = 0; i < length; ++i) {
            next_[static_cast<std::size_t>(i)] = i + 1 < length ? i + 1 : kDead;
            previous_[static_cast<std::size_t>(i)] = i - 1;
            if (i + 1 < length) note(i, +1);
        }
        for (const auto& [key, count] : count_) heap_.emplace(count, key);
        touched_.clear();
        work_ = length;
    }

    // Makes the next symbol; false when no pair occurs often enough.
    bool replace_best() {
        while (!heap_.empty()) {
            const auto [count, key] = heap_.top();
            heap_.pop();
            const auto found = count_.find(key);
            if (found == count_.end() || found->second != count) continue;
            if (count < kMinCount) return false;
            replace(static_cast<int>(key >> 32), static_cast<int>(key & 0xFFFFFFFF));
            return true;
        }
        return false;
    }

    const std::string& newest_text() const { return text_.back(); }

    // A step per symbol of the stream, and one per pair replaced.
    long long work() const { return work_; }

private:
    // Adds delta to the count of the pair at position i and its successor
    // (pairs with the separator are never counted).
    void note(int i, int delta) {
        const int left = symbol_[static_cast<std::size_t>(i)];
        const int right = symbol_[static_cast<std::size_t>(next_[static_cast<std::size_t>(i)])];
        if (left == 0 || right == 0) return;
        const PairKey key = key_of(left, right);
        count_[key] += delta;
        if (delta > 0) positions_[key].push_back(i);
        touched_.push_back(key);
    }

    void replace(int a, int b) {
        const int fresh = static_cast<int>(text_.size());
        text_.push_back(text_[static_cast<std::size_t>(a)] + text_[static_cast<std::size_t>(b)]);
        const PairKey replaced = key_of(a, b);
        std::vector<int> at = std::move(positions_[replaced]);
        work_ += static_cast<long long>(at.size());
        positions_.erase(replaced);
        std::sort(at.begin(), at.end());
        at.erase(std::unique(at.begin(), at.end()), at.end());
        for (const int i : at) {
            const std::size_t here = static_cast<std::size_t>(i);
            if (symbol_[here] != a) continue;
            const int j = next_[here];
            if (j == kDead || symbol_[static_cast<std::size_t>(j)] != b) continue;
            const int before = previous_[here];
            const int after = next_[static_cast<std::size_t>(j)];
            if (before != kDead) note(before, -1);
            if (after != kDead) note(j, -1);
            symbol_[here] = fresh;
            symbol_[static_cast<std::size_t>(j)] = kDead;
            next_[here] = after;
            if (after != kDead) previous_[static_cast<std::size_t>(after)] = i;
            if (before != kDead) note(before, +1);
            if (after != kDead) note(i, +1);
        }
        count_.erase(replaced);
        std::sort(touched_.begin(), touched_.end());
        touched_.erase(std::unique(touched_.begin(), touched_.end()), touched_.end());
        for (const PairKey key : touched_) {
            const auto found = count_.find(key);
            if (found != count_.end()) heap_.emplace(found->second, key);
        }
        touched_.clear();
    }

    std::vector<int> symbol_;
    std::vector<int> next_;
    std::vector<int> previous_;
    std::vector<std::string> text_;  // per symbol
    std::unordered_map<PairKey, int> count_;
    std::unordered_map<PairKey, std::vector<int>> positions_;
    std::priority_queue<std::pair<int, PairKey>> heap_;
    std::vector<PairKey> touched_;
    long long work_ = 0;
};

}  // namespace

int add_phrase_text(PhraseSet& set, const std::string& text) {
    const auto [place, fresh] = set.id_of.emplace(text, static_cast<int>(set.text.size()));
    if (fresh) set.text.push_back(text);
    return place->second;
}

PhraseTrie trie_of(const PhraseSet& set) {
    PhraseTrie trie = make_phrase_trie(set.char_count);
    for (std::size_t id = 0; id < set.text.size(); ++id) add_phrase(trie, set.text[id], static_cast<int>(id));
    return trie;
}

void find_splits(PhraseSet& set, const PhraseTrie& trie) {
    const std::size_t count = set.text.size();
    set.splits.assign(count, {});
    set.parents.assign(count, {});
    for (std::size_t id = 0; id < count; ++id) split_phrase(set, trie, id);
    for (std::vector<int>& parents : set.parents) {
        std::sort(parents.begin(), parents.end());
        parents.erase(std::unique(parents.begin(), parents.end()), parents.end());
    }
}

std::vector<std::string> replacement_phrases(std::vector<int> symbols, std::vector<std::string> texts,
                                             int max_phrases, long long* steps) {
    PairReplacement replacement(std::move(symbols), std::move(texts));
    std::vector<std::string> made;
    for (int count = 0; count < max_phrases && replacement.replace_best(); ++count) {
        if (replacement.newest_text().size() <= kLongestPhrase) made.push_back(replacement.newest_text());
    }
    if (steps != nullptr) *steps += replacement.work();
    return made;
}

long long add_replacement_phrases(PhraseSet& set, const std::uint8_t* text, int length, int max_phrases) {
    std::vector<std::string> texts;
    for (int i = 0; i < set.char_count; ++i) texts.emplace_back(1, static_cast<char>(i));
    long long steps = 0;
    const std::vector<std::string> made =
        replacement_phrases(std::vector<int>(text, text + length), std::move(texts), max_phrases, &steps);
    for (const std::string& phrase : made) add_phrase_text(set, phrase);
    return steps;
}

void add_pair_table_phrases(PhraseSet& set, const std::vector<std::uint8_t>& pair_table) {
    std::vector<std::string> text;
    for (int i = 0; i < set.char_count; ++i) text.emplace_back(1, static_cast<char>(i));
    for (std::size_t k = 0; k + 1 < pair_table.size(); k += 2) {
        text.push_back(text[pair_table[k]] + text[pair_table[k + 1]]);
        if (text.back().size() <= kLongestPhrase) add_phrase_text(set, text.back());
    }
}

}  // namespace vendrel

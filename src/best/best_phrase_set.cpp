// The candidate phrases and their splits. A split's left half is found by
// walking the trie along the phrase, so only cuts after a phrase prefix are
// looked up whole.
#include "best/best_phrase_set.h"

#include <algorithm>
#include <cstdint>

namespace vendrel {

int symbol_of(const PhraseSet& set, const std::string& text) {
    if (text.size() == 1) return static_cast<std::uint8_t>(text[0]);
    const auto found = set.id_of.find(text);
    return found == set.id_of.end() ? -1 : set.char_count + found->second;
}

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

namespace {

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

}  // namespace

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

}  // namespace vendrel

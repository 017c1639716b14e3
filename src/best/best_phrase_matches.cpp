#include "best/best_phrase_matches.h"

namespace vendrel {

void find_matches(const PhraseTrie& trie, const std::uint8_t* text, int length, PhraseMatches& matches) {
    matches.first.assign(static_cast<std::size_t>(length) + 1, 0);
    matches.reach.assign(static_cast<std::size_t>(length), 0);
    matches.list.clear();
    for (int i = 0; i < length; ++i) {
        matches.first[static_cast<std::size_t>(i)] = static_cast<int>(matches.list.size());
        int node = 0;
        int j = i;
        for (; j < length; ++j) {
            node = trie_step(trie, node, text[j]);
            if (node == 0) break;
            const int id = trie_phrase(trie, node);
            if (id != kNoPhrase) matches.list.push_back({j + 1 - i, id});
        }
        matches.reach[static_cast<std::size_t>(i)] = j - i;
    }
    matches.first[static_cast<std::size_t>(length)] = static_cast<int>(matches.list.size());
}

}  // namespace vendrel

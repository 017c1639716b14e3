// Building the phrase trie: dense child tables, one per node.
#include "pack/best_phrase_trie.h"

namespace vendrel {

PhraseTrie make_phrase_trie(int alphabet) {
    PhraseTrie trie;
    trie.alphabet = alphabet;
    trie.child.assign(static_cast<std::size_t>(alphabet), 0);
    trie.phrase.assign(1, kNoPhrase);
    return trie;
}

void add_phrase(PhraseTrie& trie, const std::string& phrase, int id) {
    int node = 0;
    for (const char ch : phrase) {
        const std::size_t slot = static_cast<std::size_t>(node) * static_cast<std::size_t>(trie.alphabet) +
                                 static_cast<std::uint8_t>(ch);
        if (trie.child[slot] == 0) {
            const int fresh = static_cast<int>(trie.phrase.size());
            trie.child[slot] = fresh;
            trie.phrase.push_back(kNoPhrase);
            trie.child.resize(trie.child.size() + static_cast<std::size_t>(trie.alphabet), 0);
        }
        node = trie.child[slot];
    }
    trie.phrase[static_cast<std::size_t>(node)] = id;
}

}  // namespace vendrel

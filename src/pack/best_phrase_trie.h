// A trie of phrases (runs of character codes) for finding, at one position
// of a text, every phrase that starts there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vendrel {

inline constexpr int kNoPhrase = -1;

struct PhraseTrie {
    int alphabet = 0;
    // Node k's child for code c is child[k * alphabet + c]; 0 means none
    // (node 0 is the root, never a child).
    std::vector<int> child;
    std::vector<int> phrase;  // per node: the phrase ending there, or kNoPhrase
};

PhraseTrie make_phrase_trie(int alphabet);

// Enters phrase (its bytes are codes below the alphabet size) as id.
void add_phrase(PhraseTrie& trie, const std::string& phrase, int id);

inline int trie_step(const PhraseTrie& trie, int node, std::uint8_t code) {
    return trie.child[static_cast<std::size_t>(node) * static_cast<std::size_t>(trie.alphabet) + code];
}

}  // namespace vendrel

// The phrase trie, and every phrase of it that starts at each position of
// a text, found in one walk of the whole text so that the search's many
// parses of short windows read a list instead of walking the trie again
// and again.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vendrel {

inline constexpr int kNoPhrase = -1;

struct TrieNode {
    int phrase = kNoPhrase;  // the phrase ending here
    int row = -1;            // the node's row of children in PhraseTrie::rows, if it has one
    int first_child = 0;     // otherwise its children as a list (0 ends it)
    int next_sibling = 0;
    std::uint8_t code = 0;  // the code on the edge into the node
};

// The root and the nodes one code deep, where a walk starts and most walks
// end, have full rows of children; deeper nodes have few children each and
// keep them in short lists. Node 0 is the root, never a child.
struct PhraseTrie {
    int alphabet = 0;
    std::vector<TrieNode> nodes;
    std::vector<int> rows;  // alphabet entries per row: child node, 0 for none
};

PhraseTrie make_phrase_trie(int alphabet);

// Enters phrase (its bytes are codes below the alphabet size) as id.
void add_phrase(PhraseTrie& trie, const std::string& phrase, int id);

// The child of node for code, or 0.
inline int trie_step(const PhraseTrie& trie, int node, std::uint8_t code) {
    const TrieNode& here = trie.nodes[static_cast<std::size_t>(node)];
    if (here.row >= 0) {
        return trie.rows[static_cast<std::size_t>(here.row) * static_cast<std::size_t>(trie.alphabet) + code];
    }
    for (int child = here.first_child; child != 0; child = trie.nodes[static_cast<std::size_t>(child)].next_sibling) {
        if (trie.nodes[static_cast<std::size_t>(child)].code == code) return child;
    }
    return 0;
}

inline int trie_phrase(const PhraseTrie& trie, int node) { return trie.nodes[static_cast<std::size_t>(node)].phrase; }

struct PhraseMatch {
    int length;
    int id;
};

struct PhraseMatches {
    std::vector<int> first;          // per position, and one past the last: where its matches start in list
    std::vector<PhraseMatch> list;   // each position's matches, shortest first
    std::vector<int> reach;          // per position: the codes the trie walk from it follows
};

// Finds the matches of every phrase of trie in text[0, length); returns
// the work, in trie steps: the codes followed, and one per position.
long long find_matches(const PhraseTrie& trie, const std::uint8_t* text, int length, PhraseMatches& matches);

}  // namespace vendrel

// Building the phrase trie: full rows for the root and its children, lists
// below them.
#include "best/best_phrase_trie.h"

namespace vendrel {

namespace {

// Nodes this deep or less get a full row of children.
constexpr int kRowDepth = 1;

int add_row(PhraseTrie& trie) {
    const int row = static_cast<int>(trie.rows.size() / static_cast<std::size_t>(trie.alphabet));
    trie.rows.resize(trie.rows.size() + static_cast<std::size_t>(trie.alphabet), 0);
    return row;
}

}  // namespace

PhraseTrie make_phrase_trie(int alphabet) {
    PhraseTrie trie;
    trie.alphabet = alphabet;
    trie.nodes.emplace_back();
    trie.nodes[0].row = add_row(trie);
    return trie;
}

void add_phrase(PhraseTrie& trie, const std::string& phrase, int id) {
    int node = 0;
    int depth = 0;
    for (const char ch : phrase) {
        const auto code = static_cast<std::uint8_t>(ch);
        int child = trie_step(trie, node, code);
        if (child == 0) {
            child = static_cast<int>(trie.nodes.size());
            TrieNode fresh;
            fresh.code = code;
            if (depth + 1 <= kRowDepth) fresh.row = add_row(trie);
            TrieNode& parent = trie.nodes[static_cast<std::size_t>(node)];
            if (parent.row >= 0) {
                trie.rows[static_cast<std::size_t>(parent.row) * static_cast<std::size_t>(trie.alphabet) + code] =
                    child;
            } else {
                fresh.next_sibling = parent.first_child;
                parent.first_child = child;
            }
            trie.nodes.push_back(fresh);
        }
        node = child;
        ++depth;
    }
    trie.nodes[static_cast<std::size_t>(node)].phrase = id;
}

}  // namespace vendrel

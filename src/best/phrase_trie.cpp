// Building the phrase trie (full rows for the root and its children, lists
// below them) and walking it from every position of a text.
#include "best/phrase_trie.h"

namespace vendrel {

namespace {

// Nodes this deep or less get a full row of children: the root and the
// nodes one code deep, where every walk starts and most end. Deeper rows
// would cost a row of alphabet entries per node for few steps; no
// measurement of other depths is recorded.
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

long long find_matches(const PhraseTrie& trie, const std::uint8_t* text, int length, PhraseMatches& matches) {
    matches.first.assign(static_cast<std::size_t>(length) + 1, 0);
    matches.reach.assign(static_cast<std::size_t>(length), 0);
    matches.list.clear();
    long long steps = 0;
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
        steps += j - i + 1;
    }
    matches.first[static_cast<std::size_t>(length)] = static_cast<int>(matches.list.size());
    return steps;
}

}  // namespace vendrel

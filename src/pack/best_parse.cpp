// Optimal parse by shortest path over the positions of a run, from its end
// backwards, walking the phrase trie from each position.
#include "pack/best_parse.h"

namespace vendrel {

namespace {

// Fills scratch for text[begin, end) and returns the fewest codes.
int fill_costs(const PhraseTrie& trie, const PhraseFilter& filter, const std::uint8_t* text, int begin, int end,
               ParseScratch& scratch) {
    const int span = end - begin;
    if (static_cast<int>(scratch.cost.size()) < span + 1) {
        scratch.cost.resize(static_cast<std::size_t>(span) + 1);
        scratch.length.resize(static_cast<std::size_t>(span) + 1);
    }
    int* cost = scratch.cost.data();
    int* length = scratch.length.data();
    const std::uint8_t* run = text + begin;
    const std::vector<std::uint8_t>& enabled = *filter.enabled;
    cost[span] = 0;
    long long steps = 0;
    for (int i = span - 1; i >= 0; --i) {
        int best = cost[i + 1] + 1;
        int best_length = 1;
        int node = 0;
        int j = i;
        for (; j < span; ++j) {
            node = trie_step(trie, node, run[j]);
            if (node == 0) break;
            const int id = trie_phrase(trie, node);
            if (id == kNoPhrase || id == filter.excluded || !enabled[static_cast<std::size_t>(id)]) continue;
            const int candidate = cost[j + 1] + 1;
            if (candidate <= best) {
                best = candidate;
                best_length = j + 1 - i;
            }
        }
        steps += j - i + 1;
        cost[i] = best;
        length[i] = best_length;
    }
    scratch.steps += steps;
    return cost[0];
}

}  // namespace

int parse_run(const PhraseMatches& matches, const PhraseFilter& filter, int begin, int end, ParseScratch& scratch) {
    const int span = end - begin;
    if (static_cast<int>(scratch.cost.size()) < span + 1) {
        scratch.cost.resize(static_cast<std::size_t>(span) + 1);
        scratch.length.resize(static_cast<std::size_t>(span) + 1);
    }
    if (static_cast<int>(scratch.phrase.size()) < span + 1) scratch.phrase.resize(static_cast<std::size_t>(span) + 1);
    int* cost = scratch.cost.data();
    int* length = scratch.length.data();
    int* phrase = scratch.phrase.data();
    const std::uint8_t* enabled = filter.enabled->data();
    const int excluded = filter.excluded;
    const PhraseMatch* list = matches.list.data();
    const int* first = matches.first.data() + begin;
    const int* reach = matches.reach.data() + begin;
    cost[span] = 0;
    long long steps = 0;
    for (int i = span - 1; i >= 0; --i) {
        int best = cost[i + 1] + 1;
        int best_length = 1;
        int best_phrase = kNoPhrase;
        // Matches are shortest first; those that reach past the end of the
        // span are not for this parse.
        const int room = span - i;
        const PhraseMatch* const last = list + first[i + 1];
        for (const PhraseMatch* match = list + first[i]; match != last && match->length <= room; ++match) {
            if (!enabled[match->id] || match->id == excluded) continue;
            const int candidate = cost[i + match->length] + 1;
            if (candidate <= best) {
                best = candidate;
                best_length = match->length;
                best_phrase = match->id;
            }
        }
        // The work counted is that of walking the trie from here.
        steps += (reach[i] < room ? reach[i] : room) + 1;
        cost[i] = best;
        length[i] = best_length;
        phrase[i] = best_phrase;
    }
    scratch.steps += steps;
    return cost[0];
}

int phrase_at(const PhraseTrie& trie, const std::uint8_t* text, int at, int length) {
    int node = 0;
    for (int k = 0; k < length; ++k) node = trie_step(trie, node, text[at + k]);
    return trie_phrase(trie, node);
}

int parse_run(const PhraseTrie& trie, const PhraseFilter& filter, const std::uint8_t* text, int begin, int end,
              ParseScratch& scratch) {
    return fill_costs(trie, filter, text, begin, end, scratch);
}

void emit_parse(const PhraseTrie& trie, const PhraseFilter& filter, const std::uint8_t* text, int begin, int end,
                ParseScratch& scratch, const std::vector<std::uint8_t>& code_of_phrase,
                std::vector<std::uint8_t>& out) {
    fill_costs(trie, filter, text, begin, end, scratch);
    for (int i = 0; i < end - begin;) {
        const int length = scratch.length[static_cast<std::size_t>(i)];
        if (length == 1) {
            out.push_back(text[begin + i]);
        } else {
            const int id = phrase_at(trie, text, begin + i, length);
            out.push_back(code_of_phrase[static_cast<std::size_t>(id)]);
        }
        i += length;
    }
}

}  // namespace vendrel

// Optimal parse by shortest path over the positions of a run, from its end
// backwards, over the phrases that start at each position.
#include "best/optimal_parse.h"

namespace vendrel {

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
    const int* nesting = filter.nesting != nullptr ? filter.nesting->data() : nullptr;
    const int max_nesting = filter.max_nesting;
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
            if (nesting != nullptr && nesting[match->id] > max_nesting) continue;
            const int candidate = cost[i + match->length] + 1;
            if (candidate <= best) {
                best = candidate;
                best_length = match->length;
                best_phrase = match->id;
            }
        }
        // The work counted is that of walking the trie from here, as the
        // parse once did: the same figure however the matches are found.
        steps += (reach[i] < room ? reach[i] : room) + 1;
        cost[i] = best;
        length[i] = best_length;
        phrase[i] = best_phrase;
    }
    scratch.steps += steps;
    return cost[0];
}

int parse_run(const PhraseTrie& trie, const PhraseFilter& filter, const std::uint8_t* text, int begin, int end,
              ParseScratch& scratch) {
    PhraseMatches matches;
    find_matches(trie, text + begin, end - begin, matches);
    return parse_run(matches, filter, 0, end - begin, scratch);
}

void emit_parse(const PhraseTrie& trie, const PhraseFilter& filter, const std::uint8_t* text, int begin, int end,
                ParseScratch& scratch, const std::vector<std::uint8_t>& code_of_phrase,
                std::vector<std::uint8_t>& out) {
    parse_run(trie, filter, text, begin, end, scratch);
    for (int i = 0; i < end - begin; i += scratch.length[static_cast<std::size_t>(i)]) {
        const int id = scratch.phrase[static_cast<std::size_t>(i)];
        out.push_back(id == kNoPhrase ? text[begin + i] : code_of_phrase[static_cast<std::size_t>(id)]);
    }
}

}  // namespace vendrel

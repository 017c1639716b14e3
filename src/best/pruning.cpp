// Pruning with a lazy heap of removal costs: the growth of the parse when a
// phrase goes with its removal group, minus the table bytes the group
// frees. A popped cost is computed anew; the group goes only when the fresh
// cost is still the lowest. The halves of the phrases that went are costed
// again, as they may have become cheaper to drop. A phrase goes together
// with every kept phrase that it leaves without a split: its removal group.
#include "best/pruning.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <string>
#include <utility>

namespace vendrel {

namespace {

// Largest removal group considered; a phrase with a larger one stays. It
// bounds the work of costing one removal (each member's uses are re-parsed);
// no measurement of other sizes is recorded.
constexpr int kLargestRemovalGroup = 8;

bool is_kept_symbol(const SearchState& state, int symbol) {
    return symbol < state.set.char_count || state.kept[static_cast<std::size_t>(symbol - state.set.char_count)];
}

// Whether kept phrase parent can still be split into two kept symbols when
// the phrases of without are gone.
bool has_split_without(const SearchState& state, int parent, const std::vector<int>& without) {
    const int n = state.set.char_count;
    auto usable = [&](int symbol) {
        return is_kept_symbol(state, symbol) &&
               (symbol < n || std::find(without.begin(), without.end(), symbol - n) == without.end());
    };
    for (const auto& [left, right] : state.set.splits[static_cast<std::size_t>(parent)]) {
        if (usable(left) && usable(right)) return true;
    }
    return false;
}

// Kept phrase id and every kept phrase that can no longer be split without
// the group, until none is left; empty when the group grows too large.
std::vector<int> removal_group(const SearchState& state, int id) {
    std::vector<int> group{id};
    for (bool grown = true; grown;) {
        grown = false;
        for (std::size_t member = 0; member < group.size(); ++member) {
            for (const int parent : state.set.parents[static_cast<std::size_t>(group[member])]) {
                if (!state.kept[static_cast<std::size_t>(parent)] ||
                    std::find(group.begin(), group.end(), parent) != group.end() ||
                    has_split_without(state, parent, group)) {
                    continue;
                }
                if (static_cast<int>(group.size()) == kLargestRemovalGroup) return {};
                group.push_back(parent);
                grown = true;
            }
        }
    }
    return group;
}

// Codes that the parse would grow by without the phrases of group. Around
// each use of a phrase of the group, the codes from a few before it to a
// few after it are parsed again without the group (windows that meet are
// parsed as one), the rest of its run kept as it is, so the figure may be
// a little high but never low.
int removal_growth(SearchState& state, const std::vector<int>& group) {
    const std::vector<TextRun> windows = removal_windows(state, group);
    for (const int id : group) state.kept[static_cast<std::size_t>(id)] = 0;
    int growth = 0;
    for (const TextRun& window : windows) {
        growth += parse_span(state, window.begin, window.end) - codes_between(state, window.begin, window.end);
    }
    for (const int id : group) state.kept[static_cast<std::size_t>(id)] = 1;
    return growth;
}

// Drops phrases, the fewest codes saved first, without working out what
// their removal costs, until at most max_phrases are left: for when the
// work is used up.
void drop_least_used(SearchState& state, int max_phrases) {
    std::vector<std::pair<long long, int>> saved;
    for (const int id : kept_phrases(state)) {
        const std::size_t length = state.set.text[static_cast<std::size_t>(id)].size();
        const long long uses = static_cast<long long>(state.phrase_uses[static_cast<std::size_t>(id)].size());
        saved.emplace_back(uses * static_cast<long long>(length - 1), id);
    }
    std::sort(saved.begin(), saved.end());
    std::vector<std::uint8_t> kept = state.kept;
    const std::size_t surplus = saved.size() - static_cast<std::size_t>(max_phrases);
    for (std::size_t k = 0; k < surplus; ++k) kept[static_cast<std::size_t>(saved[k].second)] = 0;
    keep_only(state, kept);
}

using CostHeap = std::priority_queue<std::pair<int, int>, std::vector<std::pair<int, int>>, std::greater<>>;

// A removal cost worked out since the last removal, which still holds: it
// depends only on which phrases are kept and the parse.
struct KnownCost {
    long long removals = -1;  // removals before it was worked out; -1 for never
    bool possible = false;    // false when the group is too large
    int cost = 0;
    long long steps = 0;  // parse work that working it out took, counted again when it is used
};

struct Pruning {
    std::vector<KnownCost> known;  // per phrase
    long long removals = 0;
};

// The cost of dropping id with its group (the group in group); false when
// the group is too large.
bool removal_cost(SearchState& state, Pruning& pruning, int id, std::vector<int>& group, int& cost) {
    group = removal_group(state, id);
    KnownCost& known = pruning.known[static_cast<std::size_t>(id)];
    if (known.removals == pruning.removals) {
        state.scratch.steps += known.steps;
        cost = known.cost;
        return known.possible;
    }
    const long long steps = state.scratch.steps;
    known.removals = pruning.removals;
    known.possible = !group.empty();
    if (known.possible) {
        known.cost = removal_growth(state, group) - kPairBytes * static_cast<int>(group.size());
    }
    known.steps = state.scratch.steps - steps;
    cost = known.cost;
    return known.possible;
}

void push_cost(SearchState& state, Pruning& pruning, CostHeap& heap, int id) {
    std::vector<int> group;
    int cost = 0;
    if (removal_cost(state, pruning, id, group, cost)) heap.emplace(cost, id);
}

}  // namespace

void prune_phrases(SearchState& state, int max_phrases) {
    Pruning pruning;
    pruning.known.resize(state.kept.size());
    CostHeap heap;
    for (const int id : kept_phrases(state)) push_cost(state, pruning, heap, id);
    std::vector<int> group;
    while (!heap.empty()) {
        if (out_of_work(state)) {
            if (state.kept_count > max_phrases) drop_least_used(state, max_phrases);
            return;
        }
        const int id = heap.top().second;
        heap.pop();
        int cost = 0;
        if (!state.kept[static_cast<std::size_t>(id)] || !removal_cost(state, pruning, id, group, cost)) continue;
        if (!heap.empty() && cost > heap.top().first) {
            heap.emplace(cost, id);
            continue;
        }
        // Below the fewest codes the parse may take, a removal gives back
        // codes that count for nothing, the cheapest first.
        if (state.kept_count <= max_phrases && cost >= 0 && state.stream_codes >= state.least_codes) break;
        remove_phrases(state, group);
        ++pruning.removals;
        for (const int gone : group) {
            for (const auto& [left, right] : state.set.splits[static_cast<std::size_t>(gone)]) {
                for (const int half : {left, right}) {
                    const int phrase = half - state.set.char_count;
                    if (phrase >= 0 && state.kept[static_cast<std::size_t>(phrase)])
                        push_cost(state, pruning, heap, phrase);
                }
            }
        }
    }
}

void limit_nesting(SearchState& state, int max_nesting) {
    for (;;) {
        const PhraseShapes shapes = shape_phrases(state);
        std::vector<int> too_deep;
        for (const int id : shapes.order) {
            const int nesting = shapes.nesting[static_cast<std::size_t>(id)];
            if (nesting == kNoSplit || nesting > max_nesting) too_deep.push_back(id);
        }
        if (too_deep.empty()) {
            state.phrase_nesting.assign(shapes.nesting.size(), kTooDeep);
            for (const int id : shapes.order) state.phrase_nesting[static_cast<std::size_t>(id)] = shapes.nesting[static_cast<std::size_t>(id)];
            return;
        }
        remove_phrases(state, too_deep);
    }
}

}  // namespace vendrel

namespace vendrel {

bool give_back_codes(SearchState& state) {
    while (state.stream_codes < state.least_codes && state.kept_count > 0) {
        std::vector<std::pair<long long, int>> saved;
        for (const int id : kept_phrases(state)) {
            removal_windows(state, {id});  // leaves its uses exact
            const std::size_t length = state.set.text[static_cast<std::size_t>(id)].size();
            saved.emplace_back(static_cast<long long>(state.phrase_uses[static_cast<std::size_t>(id)].size()) *
                                   static_cast<long long>(length - 1),
                               id);
        }
        std::sort(saved.begin(), saved.end());
        bool removed = false;
        for (const auto& [codes, id] : saved) {
            const std::vector<int> group = removal_group(state, id);
            if (group.empty()) continue;
            remove_phrases(state, group);
            removed = true;
            break;
        }
        if (!removed) return false;
    }
    return state.stream_codes >= state.least_codes;
}

}  // namespace vendrel

// Pruning with a lazy heap of removal costs: the growth of the parse when a
// phrase goes with its removal group, minus the table bytes the group
// frees. A popped cost is computed anew; the group goes only when the fresh
// cost is still the lowest. The halves of the phrases that went are costed
// again, as they may have become cheaper to drop.
#include "best/best_pruning.h"

#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "best/best_removal_cost.h"

namespace vendrel {

namespace {

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
        const int id = heap.top().second;
        heap.pop();
        int cost = 0;
        if (!state.kept[static_cast<std::size_t>(id)] || !removal_cost(state, pruning, id, group, cost)) continue;
        if (!heap.empty() && cost > heap.top().first) {
            heap.emplace(cost, id);
            continue;
        }
        if (state.kept_count <= max_phrases && cost >= 0) break;
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

}  // namespace vendrel

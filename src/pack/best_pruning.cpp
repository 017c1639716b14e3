// Pruning with a lazy heap of removal costs: the growth of the parse when a
// phrase goes with its removal group, minus the table bytes the group
// frees. A popped cost is computed anew; the group goes only when the fresh
// cost is still the lowest. The halves of the phrases that went are costed
// again, as they may have become cheaper to drop.
#include "pack/best_pruning.h"

#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "pack/best_removal_cost.h"

namespace vendrel {

namespace {

using CostHeap = std::priority_queue<std::pair<int, int>, std::vector<std::pair<int, int>>, std::greater<>>;

// The cost of dropping id with its group (the group in group); false when
// the group is too large.
bool removal_cost(SearchState& state, int id, std::vector<int>& group, int& cost) {
    group = removal_group(state, id);
    if (group.empty()) return false;
    cost = removal_growth(state, group) - kPairBytes * static_cast<int>(group.size());
    return true;
}

void push_cost(SearchState& state, CostHeap& heap, int id) {
    std::vector<int> group;
    int cost = 0;
    if (removal_cost(state, id, group, cost)) heap.emplace(cost, id);
}

}  // namespace

void prune_phrases(SearchState& state, int max_phrases) {
    CostHeap heap;
    for (const int id : kept_phrases(state)) push_cost(state, heap, id);
    std::vector<int> group;
    while (!heap.empty()) {
        const int id = heap.top().second;
        heap.pop();
        int cost = 0;
        if (!state.kept[static_cast<std::size_t>(id)] || !removal_cost(state, id, group, cost)) continue;
        if (!heap.empty() && cost > heap.top().first) {
            heap.emplace(cost, id);
            continue;
        }
        if (state.kept_count <= max_phrases && cost >= 0) break;
        remove_phrases(state, group);
        for (const int gone : group) {
            for (const auto& [left, right] : state.set.splits[static_cast<std::size_t>(gone)]) {
                for (const int half : {left, right}) {
                    const int phrase = half - state.set.char_count;
                    if (phrase >= 0 && state.kept[static_cast<std::size_t>(phrase)]) push_cost(state, heap, phrase);
                }
            }
        }
    }
}

}  // namespace vendrel

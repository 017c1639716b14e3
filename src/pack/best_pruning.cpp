// Pruning with a lazy heap of removal costs (growth of the parse minus the
// two table bytes saved). A popped cost is computed anew; the phrase goes
// only when its fresh cost is still the lowest. A phrase that other phrases
// need as a half leaves the heap and comes back when such a phrase goes.
#include "pack/best_pruning.h"

#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "pack/best_removal_cost.h"

namespace vendrel {

namespace {

using CostHeap = std::priority_queue<std::pair<int, int>, std::vector<std::pair<int, int>>, std::greater<>>;

void push_cost(SearchState& state, CostHeap& heap, int id) {
    heap.emplace(removal_growth(state, id) - kPairBytes, id);
}

}  // namespace

void prune_phrases(SearchState& state, int max_phrases) {
    CostHeap heap;
    for (const int id : kept_phrases(state)) push_cost(state, heap, id);
    while (!heap.empty()) {
        const int id = heap.top().second;
        heap.pop();
        if (!state.kept[static_cast<std::size_t>(id)] || !is_removable(state, id)) continue;
        const int cost = removal_growth(state, id) - kPairBytes;
        if (!heap.empty() && cost > heap.top().first) {
            heap.emplace(cost, id);
            continue;
        }
        if (state.kept_count <= max_phrases && cost >= 0) break;
        remove_phrase(state, id);
        for (const auto& [left, right] : state.set.splits[static_cast<std::size_t>(id)]) {
            for (const int half : {left, right}) {
                const int phrase = half - state.set.char_count;
                if (phrase >= 0 && state.kept[static_cast<std::size_t>(phrase)]) push_cost(state, heap, phrase);
            }
        }
    }
}

}  // namespace vendrel

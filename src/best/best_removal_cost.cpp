// Removal cost by windows: around each use of a phrase of the group, the
// codes from a few before it to a few after it are parsed again without the
// group; windows that meet are parsed as one.
#include "best/best_removal_cost.h"

#include <algorithm>

namespace vendrel {

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

}  // namespace vendrel

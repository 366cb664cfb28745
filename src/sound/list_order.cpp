#include "sound/list_order.h"

#include <utility>

namespace kelvaro {

int nextInOrder(int listRow, int rowCount) {
    if (listRow <= 0 || listRow >= rowCount - 1) return 1;
    return listRow + 1;
}

int nextShuffled(ListPlayState& state, int rowCount, const std::function<int()>& random) {
    const int entries = rowCount - 1;
    if (entries < 1) return state.ListRow = 1;
    --state.shufflePosition;
    // An order drawn for a list of another length (edited since) would name rows
    // that are not there; draw a new one.
    if (static_cast<int>(state.shuffleOrder.size()) != entries) state.shufflePosition = -1;
    if (state.shufflePosition < 0) {
        state.shufflePosition = entries - 1;
        state.shuffleOrder.clear();
        for (int row = 1; row <= entries; ++row)
            state.shuffleOrder.push_back(std::to_string(row));
        for (int i = 1; i < 3 * rowCount; ++i) {
            const int a = random() % entries;
            const int b = random() % entries;
            std::swap(state.shuffleOrder[a], state.shuffleOrder[b]);
        }
    }
    state.ListRow = std::stoi(state.shuffleOrder[state.shufflePosition]);
    return state.ListRow;
}

} // namespace kelvaro

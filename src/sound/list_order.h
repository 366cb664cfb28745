#pragma once
// Which row of a music list plays next. Row 0 is the header, so a list of
// `rowCount` rows holds the entries 1 .. rowCount - 1.
#include <functional>
#include <string>
#include <vector>

namespace kelvaro {

struct ListPlayState {
    int ListRow = 0;                       // the row last chosen; 0 before the first
    std::vector<std::string> shuffleOrder; // row numbers as decimal texts
    int shufflePosition = -1;              // index into the order; counts down

    void reset() {
        ListRow = 0;
        shufflePosition = -1;
    }
};

// 1, 2, ... rowCount - 1, then 1 again; a row outside the list starts over at 1.
int nextInOrder(int listRow, int rowCount);

// Takes the order from its end; when it is used up, a new order is drawn with
// `random` (any non-negative numbers) so that each cycle plays every entry once.
int nextShuffled(ListPlayState& state, int rowCount, const std::function<int()>& random);

} // namespace kelvaro

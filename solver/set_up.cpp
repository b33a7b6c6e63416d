#include "solver/set_up.h"

#include "solver/grid_check.h"

namespace quodrill {

bool isValidRow(std::string_view row) {
    if (row.size() != 9) {
        return false;
    }
    for (char ch : row) {
        if (ch < '0' || ch > '9') {
            return false;
        }
    }
    return true;
}

int firstInvalidRow(const RowTexts& rows) {
    for (int i = 0; i < 9; ++i) {
        if (!isValidRow(rows[static_cast<std::size_t>(i)])) {
            return i;
        }
    }
    return -1;
}

SetUpOutcome setUpFromRows(PuzzleState& state, const RowTexts& rows) {
    for (int i = 0; i < 9; ++i) {
        for (int x = kFirst; x <= kLast; ++x) {
            state.Grid[x][i + 1] =
                rows[static_cast<std::size_t>(i)][static_cast<std::size_t>(x - 1)];
        }
    }
    if (gridRepeatsDigit(state.Grid)) {
        return SetUpOutcome::RepeatedDigit;
    }
    finishSetUp(state);
    return SetUpOutcome::Ready;
}

void finishSetUp(PuzzleState& state) {
    for (int x = kFirst; x <= kLast; ++x) {
        // Every restart comes here: the nine cells of a column are looked at without a loop.
#pragma GCC unroll 9
        for (int y = kFirst; y <= kLast; ++y) {
            if (isBlank(state.Grid[x][y])) {
                state.Candidates[static_cast<std::size_t>(cellIndex(x, y))] = kAllDigits;
            }
        }
    }
    state.StallCount = 0;
}

}  // namespace quodrill

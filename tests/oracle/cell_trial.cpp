// The reference cell trial: each candidate of one blank cell is placed in turn and checked against
// the grid.
#include "tests/oracle/oracle_engine.h"

namespace quodrill::oracle {

void TryCellCandidates(PuzzleState& state, int column, int row) {
    CellText& cell = state.Grid[column][row];
    auto& candidates = state.Candidates[column][row];

    for (int d = kFirst; d <= kLast; ++d) {
        if (candidates[d] != 1) {
            continue;
        }
        cell = digitText(d);
        if (gridRepeatsDigit(state.Grid)) {
            candidates[d] = 0;
            cell = kBlankCell;
            continue;
        }

        // Higher digits not tried yet still count as remaining.
        bool otherRemains = false;
        for (int e = kFirst; e <= kLast; ++e) {
            if (e != d && candidates[e] == 1) {
                otherRemains = true;
            }
        }
        if (otherRemains) {
            cell = kBlankCell;
            continue;
        }
        for (int e = kFirst; e <= kLast; ++e) {
            candidates[e] = 0;
        }
        return;  // solved with d: the remaining digits are not tried
    }
}

}  // namespace quodrill::oracle

// The reference cell trial: each candidate of one blank cell is placed in turn and checked against
// the grid.
#include "tests/oracle/oracle_engine.h"

namespace quodrill::oracle {

void TryCellCandidates(PuzzleState& state, int column, int row) {
    CellText& cell = state.Grid[column][row];
    const auto entry = [&](int d) { return candidateEntry(state.Candidates, column, row, d); };
    const auto clear = [&](int d) { setCandidateEntry(state.Candidates, column, row, d, 0); };

    for (int d = kFirst; d <= kLast; ++d) {
        if (entry(d) != 1) {
            continue;
        }
        cell = digitText(d);
        if (gridRepeatsDigit(state.Grid)) {
            clear(d);
            cell = kBlankCell;
            continue;
        }

        // Higher digits not tried yet still count as remaining.
        bool otherRemains = false;
        for (int e = kFirst; e <= kLast; ++e) {
            if (e != d && entry(e) == 1) {
                otherRemains = true;
            }
        }
        if (otherRemains) {
            cell = kBlankCell;
            continue;
        }
        for (int e = kFirst; e <= kLast; ++e) {
            clear(e);
        }
        return;  // solved with d: the remaining digits are not tried
    }
}

}  // namespace quodrill::oracle

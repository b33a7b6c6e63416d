// The reference pointing elimination in rows, and the clearing of filled cells' candidates.
#include "tests/oracle/oracle_engine.h"

namespace quodrill::oracle {

void EliminatePointingInRows(PuzzleState& state) {
    for (int b = kFirst; b <= kLast; ++b) {
        const int columnOffset = boxColumnOffset(b);
        const int rowOffset = boxRowOffset(b);
        for (int v = kFirst; v <= kLast; ++v) {
            if (boxHoldsDigit(state.Grid, b, v)) {
                continue;
            }
            int boxCount = 0;
            for (int k = kFirst; k <= kLast; ++k) {
                if (candidateEntry(state.Candidates, boxCellColumn(b, k), boxCellRow(b, k), v) ==
                    1) {
                    ++boxCount;
                }
            }
            if (boxCount != 2 && boxCount != 3) {
                continue;
            }
            for (int r = 1; r <= 7; r += 3) {
                int rowCount = 0;
                for (int k = r; k <= r + 2; ++k) {
                    if (candidateEntry(state.Candidates, boxCellColumn(b, k), boxCellRow(b, k),
                                       v) == 1) {
                        ++rowCount;
                    }
                }
                if (rowCount != boxCount) {
                    continue;
                }
                const int y = rowOffset + (r - 1) / 3 + 1;
                for (int x = kFirst; x <= kLast; ++x) {
                    if (x <= columnOffset || x > columnOffset + 3) {
                        setCandidateEntry(state.Candidates, x, y, v, 0);
                    }
                }
            }
        }
    }
}

void ClearSolvedCellCandidates(PuzzleState& state) {
    for (int y = kFirst; y <= kLast; ++y) {
        for (int x = kFirst; x <= kLast; ++x) {
            if (!isBlank(state.Grid[x][y])) {
                for (int d = kFirst; d <= kLast; ++d) {
                    setCandidateEntry(state.Candidates, x, y, d, 0);
                }
            }
        }
    }
}

}  // namespace quodrill::oracle

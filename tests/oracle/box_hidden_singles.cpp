// The reference box hidden singles: a digit missing from a box with a single candidate cell there
// is placed.
#include "tests/oracle/oracle_engine.h"

namespace quodrill::oracle {

void PlaceHiddenSinglesInBoxes(PuzzleState& state) {
    for (int b = kFirst; b <= kLast; ++b) {
        for (int v = kFirst; v <= kLast; ++v) {
            if (boxHoldsDigit(state.Grid, b, v)) {
                continue;
            }
            // Cells are counted by their flag alone, whatever their text holds.
            int count = 0;
            int lastColumn = 0;
            int lastRow = 0;
            for (int k = kFirst; k <= kLast; ++k) {
                const int column = boxCellColumn(b, k);
                const int row = boxCellRow(b, k);
                if (candidateEntry(state.Candidates, column, row, v) == 1) {
                    ++count;
                    lastColumn = column;
                    lastRow = row;
                }
            }
            if (count != 1) {
                continue;
            }
            state.Grid[lastColumn][lastRow] = digitText(v);
            for (int d = kFirst; d <= kLast; ++d) {
                setCandidateEntry(state.Candidates, lastColumn, lastRow, d, 0);
            }
        }
    }
}

}  // namespace quodrill::oracle

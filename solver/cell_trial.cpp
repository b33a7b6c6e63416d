// Cell trial: each candidate of one blank cell is placed in turn and checked against the grid.
//
// The trials of one cell are settled at once from the board. With the cell blanked, placing a
// digit repeats a digit somewhere exactly when the grid already repeats one, or when the digit
// already stands in the cell's row, column or box. Digits are tried in ascending order and a
// fitting digit is kept only when no other candidate is left at that moment; higher digits have
// not been tried yet and still count. So the cell is solved exactly when its highest candidate
// is the only one that fits; otherwise it keeps the fitting ones and stays blank.
#include <bit>

#include "solver/propagation.h"

namespace quodrill {

void TryCellCandidates(PuzzleState& state, SolveBoard& board, int column, int row) {
    const std::size_t cell = static_cast<std::size_t>(cellIndex(column, row));
    const DigitMask candidates = state.Candidates[cell];
    if (candidates == 0) {
        return;  // nothing is tried, nothing is written
    }
    // The first trial replaces whatever the cell held, and every trial that is not kept ends by
    // blanking the cell again.
    writeCell(state, board, column, row, kBlankCell);
    const CellUnits& units = kCellUnits[cell];
    const DigitMask held =
        board.present[units.row] | board.present[units.column] | board.present[units.box];
    const DigitMask fitting =
        board.unitsWithRepeats > 0 ? 0 : static_cast<DigitMask>(candidates & ~held);

    if (fitting == std::bit_floor(candidates)) {
        removeCandidates(state, column, row, candidates);
        writeCell(state, board, column, row, digitText(std::countr_zero(fitting)));
        return;
    }
    removeCandidates(state, column, row, static_cast<DigitMask>(candidates & ~fitting));
}

}  // namespace quodrill

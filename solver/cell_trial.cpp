// Cell trial: each candidate of one blank cell is placed in turn and checked against the grid.
//
// The trials of one cell are settled at once from the board. With the cell blanked, placing a
// digit repeats a digit somewhere exactly when the grid already repeats one, or when the digit
// already stands in the cell's row, column or box. Digits are tried in ascending order and a
// fitting digit is kept only when no other candidate is left at that moment; higher digits have
// not been tried yet and still count. So the cell is solved exactly when its highest candidate
// is the only one that fits; otherwise it keeps the fitting ones and stays blank.
#include <array>
#include <bit>

#include "solver/propagation.h"

namespace quodrill {

namespace {

// The trials of the cells in `blankRows` (as in SolveBoard::blankRows), all blank now, in the
// order of the trial sweep.
void tryBlankCells(PuzzleState& state, SolveBoard& board, const std::array<RowBits, 9>& blankRows) {
    // A digit repeated anywhere makes every trial fail. A trial never writes a repeat, so what
    // holds for the first cell holds for the rest.
    const DigitMask allowed = board.unitsWithRepeats > 0 ? 0 : kAllDigits;
    // The sweep runs every pass: each column gets its own copy of the loop over its cells.
#pragma GCC unroll 9
    for (int column = kFirst; column <= kLast; ++column) {
        const std::size_t first = static_cast<std::size_t>(cellIndex(column, kFirst));
        DigitMask& columnDigits = board.present[static_cast<std::size_t>(columnUnit(column))];
        for (unsigned rows = blankRows[static_cast<std::size_t>(column - 1)]; rows != 0;
             rows &= rows - 1) {
            const int row = std::countr_zero(rows) + 1;
            const std::size_t cell = first + static_cast<std::size_t>(row - 1);
            const DigitMask candidates = state.Candidates[cell];
            if (candidates == 0) {
                continue;  // nothing is tried, nothing is written
            }
            DigitMask& rowDigits = board.present[static_cast<std::size_t>(rowUnit(row))];
            DigitMask& boxDigits = board.present[kCellUnits[cell].box];
            const DigitMask fitting = static_cast<DigitMask>(
                candidates & allowed & ~(rowDigits | columnDigits | boxDigits));
            // The first trial writes over the blank text, "0" or the empty one, and every trial
            // that is not kept ends by writing "0" again; the units lose and gain nothing. The
            // cell is solved when the one fitting digit is its highest candidate.
            const bool solved = (fitting & (fitting - 1)) == 0 && fitting > (candidates ^ fitting);
            if (!solved) {
                state.Candidates[cell] = fitting;
                state.Grid[column][row] = kBlankCell;
                if (fitting == 0) {
                    board.lost = true;
                    if (board.stopWhenLost) {
                        return;
                    }
                }
                continue;
            }
            // The digit stands nowhere in the three units, so none of them comes to repeat one.
            state.Candidates[cell] = 0;
            state.Grid[column][row] = digitText(std::countr_zero(fitting));
            rowDigits |= fitting;
            columnDigits |= fitting;
            boxDigits |= fitting;
            board.blankRows[static_cast<std::size_t>(column - 1)] &=
                static_cast<RowBits>(~rowBit(row));
            if (board.expected != nullptr &&
                (*board.expected)[column][row] != state.Grid[column][row]) {
                board.lost = true;
                if (board.stopWhenLost) {
                    return;
                }
            }
        }
    }
}

}  // namespace

void TryCellCandidates(PuzzleState& state, SolveBoard& board, int column, int row) {
    if (state.Candidates[static_cast<std::size_t>(cellIndex(column, row))] == 0) {
        return;
    }
    // A filled cell (never one of the sweep's) loses its digit before the first trial.
    writeCell(state, board, column, row, kBlankCell);
    std::array<RowBits, 9> only{};
    only[static_cast<std::size_t>(column - 1)] = rowBit(row);
    tryBlankCells(state, board, only);
}

void TryEveryBlankCell(PuzzleState& state, SolveBoard& board) {
    // A trial writes its own cell only, so the cells after it that are blank when the sweep
    // reaches them are those that are blank now.
    const std::array<RowBits, 9> blankRows = board.blankRows;
    tryBlankCells(state, board, blankRows);
}

}  // namespace quodrill

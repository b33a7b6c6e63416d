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

enum class Trial { Unchanged, Changed, Solved };

// The trials of the blank cell, settled from the board; `allowed` is no digit where the grid
// repeats one (every trial fails), all of them otherwise.
inline Trial tryBlankCell(PuzzleState& state, SolveBoard& board, int column, int row,
                          DigitMask allowed) {
    const std::size_t cell = static_cast<std::size_t>(cellIndex(column, row));
    const DigitMask candidates = state.Candidates[cell];
    if (candidates == 0) {
        return Trial::Unchanged;  // nothing is tried, nothing is written
    }
    DigitMask& rowDigits = board.present[static_cast<std::size_t>(rowUnit(row))];
    DigitMask& columnDigits = board.present[static_cast<std::size_t>(columnUnit(column))];
    DigitMask& boxDigits = board.present[kCellUnits[cell].box];
    const DigitMask fitting =
        static_cast<DigitMask>(candidates & allowed & ~(rowDigits | columnDigits | boxDigits));
    // The first trial writes over the blank text, "0" or the empty one, and every trial that is
    // not kept ends by writing "0" again; the units lose and gain nothing. The cell is solved
    // when the one fitting digit is its highest candidate.
    const bool solved = (fitting & (fitting - 1)) == 0 && fitting > (candidates ^ fitting);
    if (!solved) {
        state.Grid[column][row] = kBlankCell;
        if (fitting == candidates) {
            return Trial::Unchanged;
        }
        state.Candidates[cell] = fitting;
        markCandidatesChanged(board, cell, fitting);
        board.lost |= fitting == 0;
        return Trial::Changed;
    }
    // The digit stands nowhere in the three units, so none of them comes to repeat one.
    state.Candidates[cell] = 0;
    state.Grid[column][row] = digitText(std::countr_zero(fitting));
    rowDigits |= fitting;
    columnDigits |= fitting;
    boxDigits |= fitting;
    board.blankRows[static_cast<std::size_t>(column - 1)] &= static_cast<RowBits>(~rowBit(row));
    markUnitsChanged(board, cell);
    board.lost |=
        board.expected != nullptr && (*board.expected)[column][row] != state.Grid[column][row];
    return Trial::Solved;
}

}  // namespace

void TryCellCandidates(PuzzleState& state, SolveBoard& board, int column, int row) {
    if (state.Candidates[static_cast<std::size_t>(cellIndex(column, row))] == 0) {
        return;
    }
    // A filled cell (never one of the sweep's) loses its digit before the first trial.
    writeCell(state, board, column, row, kBlankCell);
    tryBlankCell(state, board, column, row, board.unitsWithRepeats > 0 ? 0 : kAllDigits);
}

void TryEveryBlankCell(PuzzleState& state, SolveBoard& board) {
    // A digit repeated anywhere makes every trial fail. A trial never writes a repeat, so what
    // holds for the first cell holds for the rest.
    const DigitMask allowed = board.unitsWithRepeats > 0 ? 0 : kAllDigits;
    // Only the cells marked untried are looked at: the trial of any other changes nothing. A
    // trial writes its own cell only, so no cell turns blank while the sweep goes on; one that
    // solves marks the cells of its units again, and those still ahead are tried in this sweep.
#pragma GCC unroll 9
    for (int column = kFirst; column <= kLast; ++column) {
        const auto c = static_cast<std::size_t>(column - 1);
        unsigned rows = board.untried[c] & board.blankRows[c];
        board.untried[c] &= static_cast<RowBits>(~rows);
        while (rows != 0) {
            const int bit = std::countr_zero(rows);
            rows &= rows - 1;
            const Trial trial = tryBlankCell(state, board, column, bit + 1, allowed);
            if (trial == Trial::Unchanged) {
                continue;
            }
            if (board.lost && board.stopWhenLost) {
                return;
            }
            if (trial == Trial::Solved) {
                const unsigned ahead = board.untried[c] & board.blankRows[c] & ~((2u << bit) - 1);
                rows |= ahead;
                board.untried[c] &= static_cast<RowBits>(~ahead);
            }
        }
    }
}

}  // namespace quodrill

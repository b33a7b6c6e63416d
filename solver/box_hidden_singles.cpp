// Box hidden singles: a digit missing from a box with a single candidate cell there is placed.
//
// The digits of a box that have exactly one candidate cell are found for all nine at once from
// the cells' masks. Digits are placed in ascending order, and a placement can change what the
// higher digits of the same box see (the cell loses its candidates, and the text it held before
// may leave the box), so after each placement the box is looked at again for the digits above.
#include <bit>

#include "solver/propagation.h"

namespace quodrill {

namespace {

// The digits that exactly one of the box's nine cells has as a candidate.
DigitMask singleCandidateDigits(const PuzzleState& state, int box) {
    DigitMask once = 0;
    DigitMask twice = 0;
    for (const CellPlace& cell : kUnitCells[static_cast<std::size_t>(boxUnit(box))]) {
        const DigitMask mask = state.Candidates[cell.index];
        twice |= once & mask;
        once |= mask;
    }
    return static_cast<DigitMask>(once & ~twice);
}

void placeHiddenSingle(PuzzleState& state, SolveBoard& board, int box, int digit) {
    for (const CellPlace& cell : kUnitCells[static_cast<std::size_t>(boxUnit(box))]) {
        if ((state.Candidates[cell.index] & digitBit(digit)) != 0) {
            writeCell(state, board, cell.column, cell.row, digitText(digit));
            removeCandidates(state, cell.column, cell.row, kAllDigits);
            return;
        }
    }
}

}  // namespace

void PlaceHiddenSinglesInBoxes(PuzzleState& state, SolveBoard& board) {
    for (int b = kFirst; b <= kLast; ++b) {
        DigitMask settled = 1;  // bit 0 and every digit up to the last one placed
        for (;;) {
            const DigitMask lacking =
                static_cast<DigitMask>(~board.present[static_cast<std::size_t>(boxUnit(b))]);
            const DigitMask singles =
                singleCandidateDigits(state, b) & lacking & static_cast<DigitMask>(~settled);
            if (singles == 0) {
                break;
            }
            const int digit = std::countr_zero(singles);
            placeHiddenSingle(state, board, b, digit);
            settled = static_cast<DigitMask>((2u << digit) - 1);
        }
    }
}

}  // namespace quodrill

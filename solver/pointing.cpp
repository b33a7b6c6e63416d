// Pointing elimination in rows, and the clearing of filled cells' candidates.
//
// A digit has two or three candidate cells in a box, all in one box row, exactly when at least
// two cells of that box row have it and no cell of the other two box rows does. The removal only
// touches that digit in other boxes, so the digits of one box are settled together; the boxes
// are taken in ascending order because a removal is seen by the later boxes of the same band.
#include <array>

#include "solver/propagation.h"

namespace quodrill {

namespace {

struct BoxRow {
    DigitMask any = 0;      // digits that some cell of the box row has
    DigitMask several = 0;  // digits that two or three cells of the box row have
};

BoxRow boxRowCandidates(const CandidateMasks& candidates, int columnOffset, int row) {
    const std::size_t first = static_cast<std::size_t>(cellIndex(columnOffset + 1, row));
    const DigitMask a = candidates[first];
    const DigitMask b = candidates[first + 9];
    const DigitMask c = candidates[first + 18];
    return {static_cast<DigitMask>(a | b | c), static_cast<DigitMask>((a & b) | (a & c) | (b & c))};
}

}  // namespace

void EliminatePointingInRows(PuzzleState& state, SolveBoard& board) {
    for (int b = kFirst; b <= kLast; ++b) {
        const int columnOffset = boxColumnOffset(b);
        const int rowOffset = boxRowOffset(b);
        const DigitMask lacking =
            static_cast<DigitMask>(~board.present[static_cast<std::size_t>(boxUnit(b))]);
        const CandidateMasks& candidates = state.Candidates;
        const std::array<BoxRow, 3> rows = {
            boxRowCandidates(candidates, columnOffset, rowOffset + 1),
            boxRowCandidates(candidates, columnOffset, rowOffset + 2),
            boxRowCandidates(candidates, columnOffset, rowOffset + 3)};
        for (int i = 0; i < 3; ++i) {
            const DigitMask elsewhere = rows[static_cast<std::size_t>((i + 1) % 3)].any |
                                        rows[static_cast<std::size_t>((i + 2) % 3)].any;
            const DigitMask pointing = rows[static_cast<std::size_t>(i)].several & lacking &
                                       static_cast<DigitMask>(~elsewhere);
            if (pointing == 0) {
                continue;
            }
            const int y = rowOffset + i + 1;
            for (const CellPlace& cell : kUnitCells[static_cast<std::size_t>(rowUnit(y))]) {
                const bool insideBox =
                    cell.column > columnOffset && cell.column <= columnOffset + 3;
                if (!insideBox && (state.Candidates[cell.index] & pointing) != 0) {
                    removeCandidates(state, cell.column, cell.row, pointing);
                }
            }
        }
    }
}

void ClearSolvedCellCandidates(PuzzleState& state, const SolveBoard& board) {
    for (int c = kFirst; c <= kLast; ++c) {
        const unsigned blankRows = board.blankRows[static_cast<std::size_t>(c - 1)];
        const std::size_t first = static_cast<std::size_t>(cellIndex(c, kFirst));
#pragma GCC unroll 9
        for (int r = 0; r < 9; ++r) {
            // All bits for a blank cell, none for a filled one.
            const unsigned keep = 0u - ((blankRows >> r) & 1u);
            DigitMask& mask = state.Candidates[first + static_cast<std::size_t>(r)];
            mask = static_cast<DigitMask>(mask & keep);
        }
    }
}

}  // namespace quodrill

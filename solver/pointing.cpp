// Pointing elimination in rows, and the clearing of filled cells' candidates.
//
// A digit has two or three candidate cells in a box, all in one box row, exactly when at least
// two cells of that box row have it and no cell of the other two box rows does. The removal only
// touches that digit in other boxes, so the digits of one box are settled together; the boxes
// are taken in ascending order because a removal is seen by the later boxes of the same band.
#include <array>

#include "solver/candidate_count.h"
#include "solver/propagation.h"

namespace quodrill {

namespace {

// Box row i (0 to 2) of the box whose first cell is `first`: its cells lie 9 indices apart.
CandidateCount boxRow(const CandidateMasks& masks, std::size_t first, std::size_t i) {
    return countThree(masks[first + i], masks[first + i + 9], masks[first + i + 18]);
}

// Removes `digits` from the six cells of grid row `row` outside the box at `columnOffset`: from
// the whole row, after which the box's three cells get back what they had.
void removeOutsideBox(CandidateMasks& candidates, int row, int columnOffset, DigitMask digits) {
    const std::size_t first = static_cast<std::size_t>(cellIndex(kFirst, row));
    const std::size_t inside = first + static_cast<std::size_t>(columnOffset * 9);
    const std::array<DigitMask, 3> kept = {candidates[inside], candidates[inside + 9],
                                           candidates[inside + 18]};
#pragma GCC unroll 9
    for (std::size_t x = 0; x < 9; ++x) {
        DigitMask& mask = candidates[first + x * 9];
        mask = static_cast<DigitMask>(mask & ~digits);
    }
    candidates[inside] = kept[0];
    candidates[inside + 9] = kept[1];
    candidates[inside + 18] = kept[2];
}

}  // namespace

void EliminatePointingInRows(PuzzleState& state, SolveBoard& board) {
    CandidateMasks& candidates = state.Candidates;
#pragma GCC unroll 9
    for (int b = kFirst; b <= kLast; ++b) {
        const DigitMask lacking = static_cast<DigitMask>(
            kAllDigits & ~board.present[static_cast<std::size_t>(boxUnit(b))]);
        if (lacking == 0) {
            continue;  // the box holds every digit: none of them can point
        }
        const std::size_t first = boxFirstCell(b);
        const CandidateCount top = boxRow(candidates, first, 0);
        const CandidateCount middle = boxRow(candidates, first, 1);
        const CandidateCount bottom = boxRow(candidates, first, 2);
        const std::array<DigitMask, 3> pointing = {
            static_cast<DigitMask>(top.several & lacking & ~(middle.some | bottom.some)),
            static_cast<DigitMask>(middle.several & lacking & ~(top.some | bottom.some)),
            static_cast<DigitMask>(bottom.several & lacking & ~(top.some | middle.some))};
        const int columnOffset = boxColumnOffset(b);
        for (int i = 0; i < 3; ++i) {
            const DigitMask digits = pointing[static_cast<std::size_t>(i)];
            if (digits != 0) {
                removeOutsideBox(candidates, boxRowOffset(b) + i + 1, columnOffset, digits);
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

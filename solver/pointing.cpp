// Pointing elimination in rows, and the clearing of filled cells' candidates.
//
// A digit has two or three candidate cells in a box, all in one box row, exactly when at least
// two cells of that box row have it and no cell of the other two box rows does. The removal only
// touches that digit in other boxes, so the digits of one box are settled together; the boxes
// are taken in ascending order because a removal is seen by the later boxes of the same band.
#include <array>
#include <bit>

#include "solver/candidate_count.h"
#include "solver/propagation.h"

namespace quodrill {

namespace {

// Box row i (0 to 2) of the box whose first cell is `first`: its cells lie 9 indices apart.
CandidateCount boxRow(const CandidateMasks& masks, std::size_t first, std::size_t i) {
    return countThree(masks[first + i], masks[first + i + 9], masks[first + i + 18]);
}

// Removes `digits` from the six cells of grid row `row` outside the box at `columnOffset`, and
// marks the cells that lose one.
void removeOutsideBox(CandidateMasks& candidates, SolveBoard& board, int row, int columnOffset,
                      DigitMask digits) {
    const std::size_t first = static_cast<std::size_t>(cellIndex(kFirst, row));
#pragma GCC unroll 9
    for (int x = 0; x < 9; ++x) {
        if (x / 3 * 3 == columnOffset) {
            continue;
        }
        const std::size_t cell = first + static_cast<std::size_t>(x * 9);
        DigitMask& mask = candidates[cell];
        if ((mask & digits) != 0) {
            mask = static_cast<DigitMask>(mask & ~digits);
            markCandidatesChanged(board, cell, mask);
        }
    }
}

}  // namespace

void EliminatePointingInRows(PuzzleState& state, SolveBoard& board) {
    CandidateMasks& candidates = state.Candidates;
    // Only the marked boxes are looked at: pointing from a box unchanged since its last look
    // takes nothing more. A removal marks the boxes it reaches, and those still ahead are looked
    // at in this step.
    unsigned ahead = kAllDigits;
    for (unsigned boxes = board.boxesToPoint; boxes != 0; boxes = board.boxesToPoint & ahead) {
        const int b = std::countr_zero(boxes);
        board.boxesToPoint &= static_cast<std::uint16_t>(~(1u << b));
        ahead = ~((2u << b) - 1);
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
                removeOutsideBox(candidates, board, boxRowOffset(b) + i + 1, columnOffset, digits);
            }
        }
    }
}

void ClearSolvedCellCandidates(PuzzleState& state, SolveBoard& board) {
    for (int c = kFirst; c <= kLast; ++c) {
        const unsigned blankRows = board.blankRows[static_cast<std::size_t>(c - 1)];
        const std::size_t first = static_cast<std::size_t>(cellIndex(c, kFirst));
        for (unsigned filled = ~blankRows & 0x1FFu; filled != 0; filled &= filled - 1) {
            const std::size_t cell = first + static_cast<std::size_t>(std::countr_zero(filled));
            if (state.Candidates[cell] != 0) {
                state.Candidates[cell] = 0;
                markCandidatesChanged(board, cell, 0);
            }
        }
    }
}

}  // namespace quodrill

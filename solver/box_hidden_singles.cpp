// Box hidden singles: a digit missing from a box with a single candidate cell there is placed.
//
// The digits of a box that have exactly one candidate cell are found for all nine at once from
// the cells' masks. Digits are placed in ascending order, and a placement can change what the
// higher digits of the same box see (the cell loses its candidates, and the text it held before
// may leave the box), so after each placement the box is looked at again for the digits above.
#include <array>
#include <bit>

#include "solver/candidate_count.h"
#include "solver/propagation.h"

namespace quodrill {

namespace {

// The digits that the box lacks and that exactly one of its nine cells has as a candidate.
// Three cells that follow each other by index are one column of the box. Asked inline so that
// the count stays in the loop over the boxes, where it is needed every pass.
inline DigitMask hiddenSingles(const PuzzleState& state, const SolveBoard& board, int box) {
    const CandidateMasks& masks = state.Candidates;
    const std::size_t first = boxFirstCell(box);
    const auto boxColumn = [&masks, first](std::size_t step) {
        return countThree(masks[first + step], masks[first + step + 1], masks[first + step + 2]);
    };
    const CandidateCount count = join(join(boxColumn(0), boxColumn(9)), boxColumn(18));
    return static_cast<DigitMask>(count.some & ~count.several &
                                  ~board.present[static_cast<std::size_t>(boxUnit(box))]);
}

void placeHiddenSingle(PuzzleState& state, SolveBoard& board, int box, int digit) {
    // Only one cell of the box has the digit, so the order the cells are looked at in is free.
    const std::size_t first = boxFirstCell(box);
    for (int dc = 0; dc < 3; ++dc) {
        for (int dr = 0; dr < 3; ++dr) {
            const std::size_t cell = first + static_cast<std::size_t>(dc * 9 + dr);
            if ((state.Candidates[cell] & digitBit(digit)) != 0) {
                const int column = boxColumnOffset(box) + 1 + dc;
                const int row = boxRowOffset(box) + 1 + dr;
                writeCell(state, board, column, row, digitText(digit));
                state.Candidates[cell] = 0;
                markCandidatesChanged(board, cell, 0);
                board.lost |=
                    board.expected != nullptr && (*board.expected)[column][row] != digitText(digit);
                return;
            }
        }
    }
}

// Places the lowest of `singles`, then looks at the box again for the digits above it, and so on.
void placeHiddenSingles(PuzzleState& state, SolveBoard& board, int box, DigitMask singles) {
    while (singles != 0) {
        const int digit = std::countr_zero(singles);
        placeHiddenSingle(state, board, box, digit);
        const DigitMask above = static_cast<DigitMask>(~((2u << digit) - 1));
        singles = static_cast<DigitMask>(hiddenSingles(state, board, box) & above);
    }
}

}  // namespace

void PlaceHiddenSinglesInBoxes(PuzzleState& state, SolveBoard& board) {
    // Boxes share no cell, and a placement writes one cell of its own box and changes what no
    // other box holds, so the singles of every box can be found before any is placed. Only the
    // marked boxes are looked at: a box left unmarked since a look that found no single has none.
    // A placement marks its box again.
    std::array<DigitMask, 9> singles{};
    DigitMask any = 0;
    for (unsigned boxes = board.boxesToSearch; boxes != 0; boxes &= boxes - 1) {
        const int b = std::countr_zero(boxes);
        singles[static_cast<std::size_t>(b - 1)] = hiddenSingles(state, board, b);
        any |= singles[static_cast<std::size_t>(b - 1)];
    }
    board.boxesToSearch = 0;
    if (any == 0) {
        return;
    }
    for (int b = kFirst; b <= kLast; ++b) {
        placeHiddenSingles(state, board, b, singles[static_cast<std::size_t>(b - 1)]);
    }
}

}  // namespace quodrill

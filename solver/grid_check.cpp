#include "solver/grid_check.h"

#include <array>

namespace quodrill {

bool gridRepeatsDigit(const GridArray& grid) {
    // Every digit held stands in one row, one column and one box. So the units hold no digit
    // twice exactly when the different digits of each, added up, come to three per digit held.
    std::array<DigitMask, 9> rows{};
    int held = 0;
    int different = 0;
    for (int stack = 0; stack < 3; ++stack) {  // the boxes of three columns, top to bottom
        std::array<DigitMask, 3> boxes{};
        for (int c = 3 * stack + 1; c <= 3 * stack + 3; ++c) {
            DigitMask column = 0;
            // Unrolled, so that each cell's row and box are known without a sum.
#pragma GCC unroll 9
            for (int r = kFirst; r <= kLast; ++r) {
                const DigitMask bit = heldDigit(grid[c][r]);
                held += bit != 0 ? 1 : 0;
                column |= bit;
                rows[static_cast<std::size_t>(r - 1)] |= bit;
                boxes[static_cast<std::size_t>((r - 1) / 3)] |= bit;
            }
            different += digitCount(column);
        }
        for (const DigitMask box : boxes) {
            different += digitCount(box);
        }
    }
    for (const DigitMask row : rows) {
        different += digitCount(row);
    }
    return different != 3 * held;
}

bool gridHasBlankCell(const GridArray& grid) {
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            if (isBlank(grid[c][r])) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace quodrill

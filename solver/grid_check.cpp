#include "solver/grid_check.h"

#include "solver/solve_board.h"

namespace quodrill {

bool gridRepeatsDigit(const GridArray& grid) {
    std::array<DigitMask, kUnitCount> held{};
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const DigitMask bit = heldDigit(grid[c][r]);
            if (bit == 0) {
                continue;
            }
            for (const int unit : {rowUnit(r), columnUnit(c), boxUnit(boxOfCell(c, r))}) {
                if ((held[unit] & bit) != 0) {
                    return true;
                }
                held[unit] |= bit;
            }
        }
    }
    return false;
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

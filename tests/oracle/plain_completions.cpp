#include "tests/oracle/plain_completions.h"

#include <array>
#include <bit>

#include "solver/solve_board.h"

namespace quodrill::oracle {

namespace {

struct Search {
    std::array<DigitMask, kUnitCount> used{};
    std::array<std::uint8_t, kCellCount> blanks{};  // cell indexes still to fill
    const CandidateMasks* candidates = nullptr;
    int blankCount = 0;
    GridArray grid{};
    int found = 0;
    int limit = 0;
    long steps = 0;
    long maxSteps = 0;
    bool gaveUp = false;
    GridArray* first = nullptr;

    DigitMask free(std::size_t cell) const {
        const CellUnits& units = kCellUnits[cell];
        return static_cast<DigitMask>(kAllDigits &
                                      ~(used[units.row] | used[units.column] | used[units.box]));
    }
    DigitMask open(std::size_t cell) const {
        return static_cast<DigitMask>(free(cell) & (*candidates)[cell]);
    }

    void set(std::size_t cell, DigitMask bit) {
        const CellUnits& units = kCellUnits[cell];
        used[units.row] ^= bit;
        used[units.column] ^= bit;
        used[units.box] ^= bit;
    }

    // Fills blanks[from..]: the cell with the fewest digits left first.
    void fill(int from) {
        if (from == blankCount) {
            if (found++ == 0) {
                *first = grid;
            }
            return;
        }
        if (++steps > maxSteps) {
            gaveUp = true;
            return;
        }
        int best = from;
        int fewest = 10;
        for (int i = from; i < blankCount && fewest > 1; ++i) {
            const int count = digitCount(open(blanks[static_cast<std::size_t>(i)]));
            if (count < fewest) {
                fewest = count;
                best = i;
            }
        }
        std::swap(blanks[static_cast<std::size_t>(from)], blanks[static_cast<std::size_t>(best)]);
        const std::size_t cell = blanks[static_cast<std::size_t>(from)];
        const int column = static_cast<int>(cell) / 9 + 1;
        const int row = static_cast<int>(cell) % 9 + 1;
        for (DigitMask digits = open(cell); digits != 0 && found < limit && !gaveUp;
             digits = static_cast<DigitMask>(digits & (digits - 1))) {
            const DigitMask bit = static_cast<DigitMask>(digits & -digits);
            set(cell, bit);
            grid[column][row] = digitText(std::countr_zero(bit));
            fill(from + 1);
            set(cell, bit);
        }
        grid[column][row] = kBlankCell;
        std::swap(blanks[static_cast<std::size_t>(from)], blanks[static_cast<std::size_t>(best)]);
    }
};

}  // namespace

int countCompletions(const GridArray& grid, const CandidateMasks& candidates, int limit,
                     GridArray& first, long maxSteps) {
    Search search;
    search.maxSteps = maxSteps;
    search.candidates = &candidates;
    search.grid = grid;
    search.limit = limit;
    search.first = &first;
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const std::size_t cell = static_cast<std::size_t>(cellIndex(c, r));
            const DigitMask bit = heldDigit(grid[c][r]);
            if (bit == 0) {
                search.grid[c][r] = kBlankCell;
                search.blanks[static_cast<std::size_t>(search.blankCount++)] =
                    static_cast<std::uint8_t>(cell);
                continue;
            }
            if ((search.free(cell) & bit) == 0) {
                return 0;  // a repeated digit
            }
            search.set(cell, bit);
        }
    }
    search.fill(0);
    return search.gaveUp ? kCompletionsUnknown : search.found;
}

}  // namespace quodrill::oracle

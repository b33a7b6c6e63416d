#include "solver/completions.h"

#include <array>
#include <bit>
#include <cstdint>

#include "solver/solve_board.h"

namespace quodrill {

namespace {

// The 20 other cells that share a row, a column or a box with each cell.
constexpr std::array<std::array<std::uint8_t, 20>, kCellCount> kPeers = [] {
    std::array<std::array<std::uint8_t, 20>, kCellCount> peers{};
    for (std::size_t cell = 0; cell < kCellCount; ++cell) {
        const CellUnits& units = kCellUnits[cell];
        std::size_t count = 0;
        for (std::size_t other = 0; other < kCellCount; ++other) {
            const CellUnits& others = kCellUnits[other];
            if (other != cell && (others.row == units.row || others.column == units.column ||
                                  others.box == units.box)) {
                peers[cell][count++] = static_cast<std::uint8_t>(other);
            }
        }
    }
    return peers;
}();

// The cells of every unit by index, as kUnitCells holds them.
constexpr std::array<std::array<std::uint8_t, 9>, kUnitCount> kUnitIndexes = [] {
    std::array<std::array<std::uint8_t, 9>, kUnitCount> indexes{};
    for (std::size_t unit = 0; unit < kUnitCount; ++unit) {
        for (std::size_t k = 0; k < 9; ++k) {
            indexes[unit][k] = kUnitCells[unit][k].index;
        }
    }
    return indexes;
}();

// One point of the search: the digits each blank cell can still take (none once it is filled),
// the digits each unit holds, and the grid.
struct Fill {
    std::array<DigitMask, kCellCount> open{};
    std::array<DigitMask, kUnitCount> used{};
    int blankCount = 0;
    GridArray grid{};
};

// Blank cells left with one digit, still to be filled with it. A cell comes down to one digit
// only once, so the list cannot run over.
struct Singles {
    std::array<std::uint8_t, kCellCount> cells{};
    std::size_t count = 0;
};

bool isSingle(DigitMask digits) {
    return (digits & (digits - 1)) == 0;
}

// Writes the digit into the cell and takes it from the cell's peers; false once a peer is left
// without a digit.
bool fillCell(Fill& fill, std::size_t cell, DigitMask bit, Singles& singles) {
    fill.open[cell] = 0;
    --fill.blankCount;
    fill.grid[cell / 9 + 1][cell % 9 + 1] = digitText(std::countr_zero(bit));
    const CellUnits& units = kCellUnits[cell];
    fill.used[units.row] |= bit;
    fill.used[units.column] |= bit;
    fill.used[units.box] |= bit;
    for (const std::uint8_t peer : kPeers[cell]) {
        const DigitMask digits = fill.open[peer];
        if ((digits & bit) != 0) {
            const auto left = static_cast<DigitMask>(digits ^ bit);
            fill.open[peer] = left;
            if (left == 0) {
                return false;
            }
            if (isSingle(left)) {
                singles.cells[singles.count++] = peer;
            }
        }
    }
    return true;
}

// Fills the cells left with one digit, and those that this leaves with one, and so on.
bool fillSingles(Fill& fill, Singles& singles) {
    while (singles.count > 0) {
        const std::size_t cell = singles.cells[--singles.count];
        const DigitMask digits = fill.open[cell];  // none when filled since
        if (digits != 0 && !fillCell(fill, cell, digits, singles)) {
            return false;
        }
    }
    return true;
}

// Fills every digit that only one cell of a unit can take, and what follows from it, until none
// is left; false once a unit lacks a digit that none of its cells can take.
bool fillHiddenSingles(Fill& fill) {
    for (bool filled = true; filled;) {
        filled = false;
        for (std::size_t unit = 0; unit < kUnitCount; ++unit) {
            const auto lacking = static_cast<DigitMask>(kAllDigits & ~fill.used[unit]);
            if (lacking == 0) {
                continue;
            }
            const std::array<std::uint8_t, 9>& cells = kUnitIndexes[unit];
            DigitMask some = 0;
            DigitMask several = 0;
            for (const std::uint8_t cell : cells) {
                several |= some & fill.open[cell];
                some |= fill.open[cell];
            }
            if ((lacking & ~some) != 0) {
                return false;
            }
            for (auto alone = static_cast<DigitMask>(lacking & ~several); alone != 0;
                 alone = static_cast<DigitMask>(alone & (alone - 1))) {
                const auto bit = static_cast<DigitMask>(alone & -alone);
                std::size_t only = kCellCount;  // none when what followed took it
                for (const std::uint8_t cell : cells) {
                    only = (fill.open[cell] & bit) != 0 ? cell : only;
                }
                if ((fill.used[unit] & bit) != 0) {
                    continue;  // filled by what followed from another digit
                }
                Singles singles;
                if (only == kCellCount || !fillCell(fill, only, bit, singles) ||
                    !fillSingles(fill, singles)) {
                    return false;
                }
                filled = true;
            }
        }
    }
    return true;
}

struct Search {
    int found = 0;
    int limit = 0;
    long steps = 0;
    bool gaveUp = false;
    GridArray* first = nullptr;

    // Counts the completions of `fill` from there on.
    void countFrom(const Fill& fill, std::size_t cell, DigitMask bit) {
        Fill next = fill;
        Singles singles;
        if (fillCell(next, cell, bit, singles) && fillSingles(next, singles)) {
            count(next);
        }
    }

    // Counts the completions of `fill`, whose cells with one digit are filled: hidden singles
    // filled, then the fewest choices tried in turn: the digits of a cell with two, else the two
    // cells of a unit that can take one of its digits, else the digits of a cell with the fewest.
    void count(Fill& fill) {
        if (++steps > kCompletionSearchSteps) {
            gaveUp = true;
            return;
        }
        if (!fillHiddenSingles(fill)) {
            return;
        }
        if (fill.blankCount == 0) {
            if (found++ == 0) {
                *first = fill.grid;
            }
            return;
        }
        std::size_t best = 0;
        int fewest = 10;
        for (std::size_t cell = 0; cell < kCellCount && fewest > 2; ++cell) {
            const int digits = digitCount(fill.open[cell]);
            if (digits != 0 && digits < fewest) {
                fewest = digits;
                best = cell;
            }
        }
        for (std::size_t unit = 0; unit < kUnitCount && fewest > 2; ++unit) {
            const std::array<std::uint8_t, 9>& cells = kUnitIndexes[unit];
            DigitMask some = 0;
            DigitMask several = 0;
            DigitMask many = 0;
            for (const std::uint8_t cell : cells) {
                many |= several & fill.open[cell];
                several |= some & fill.open[cell];
                some |= fill.open[cell];
            }
            const auto two = static_cast<DigitMask>(several & ~many);
            if (two != 0) {
                const auto bit = static_cast<DigitMask>(two & -two);
                for (const std::uint8_t cell : cells) {
                    if ((fill.open[cell] & bit) != 0 && found < limit && !gaveUp) {
                        countFrom(fill, cell, bit);
                    }
                }
                return;
            }
        }
        for (DigitMask choices = fill.open[best]; choices != 0 && found < limit && !gaveUp;
             choices = static_cast<DigitMask>(choices & (choices - 1))) {
            countFrom(fill, best, static_cast<DigitMask>(choices & -choices));
        }
    }
};

}  // namespace

int countCompletions(const GridArray& grid, const CandidateMasks& candidates, int limit,
                     GridArray& first) {
    Fill fill;
    fill.grid = grid;
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const std::size_t cell = static_cast<std::size_t>(cellIndex(c, r));
            const DigitMask bit = heldDigit(grid[c][r]);
            const CellUnits& units = kCellUnits[cell];
            if (bit == 0) {
                fill.grid[c][r] = kBlankCell;
                fill.open[cell] = static_cast<DigitMask>(candidates[cell] & kAllDigits);
                ++fill.blankCount;
            } else if (((fill.used[units.row] | fill.used[units.column] | fill.used[units.box]) &
                        bit) != 0) {
                return 0;  // a repeated digit
            } else {
                fill.used[units.row] |= bit;
                fill.used[units.column] |= bit;
                fill.used[units.box] |= bit;
            }
        }
    }
    Singles singles;
    for (std::size_t cell = 0; cell < kCellCount; ++cell) {
        const CellUnits& units = kCellUnits[cell];
        DigitMask& digits = fill.open[cell];
        digits &= static_cast<DigitMask>(
            ~(fill.used[units.row] | fill.used[units.column] | fill.used[units.box]));
        if (heldDigit(fill.grid[cell / 9 + 1][cell % 9 + 1]) == 0 && digits == 0) {
            return 0;  // a blank cell that no digit fits
        }
        if (digits != 0 && isSingle(digits)) {
            singles.cells[singles.count++] = static_cast<std::uint8_t>(cell);
        }
    }
    Search search;
    search.limit = limit;
    search.first = &first;
    if (fillSingles(fill, singles)) {
        search.count(fill);
    }
    return search.gaveUp ? kCompletionsUnknown : search.found;
}

}  // namespace quodrill

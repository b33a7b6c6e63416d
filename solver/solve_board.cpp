#include "solver/solve_board.h"

#include <bit>
#include <cstring>

namespace quodrill {

namespace {

void addToUnit(SolveBoard& board, int unit, DigitMask bit) {
    DigitMask& present = board.present[static_cast<std::size_t>(unit)];
    DigitMask& repeated = board.repeated[static_cast<std::size_t>(unit)];
    if ((present & bit) == 0) {
        present |= bit;
    } else if ((repeated & bit) == 0) {
        board.unitsWithRepeats += repeated == 0 ? 1 : 0;
        repeated |= bit;
    }
}

struct UnitMasks {
    DigitMask present = 0;
    DigitMask repeated = 0;

    void add(DigitMask bit) {
        repeated |= present & bit;
        present |= bit;
    }
};

UnitMasks countUnit(const GridArray& grid, int unit) {
    UnitMasks masks;
    for (const CellPlace& cell : kUnitCells[static_cast<std::size_t>(unit)]) {
        masks.add(heldDigit(grid[cell.column][cell.row]));
    }
    return masks;
}

// Counts the unit again from the grid: needed only when a digit leaves it, which the solver
// does seldom (a hidden single written over a filled cell).
void recountUnit(SolveBoard& board, const GridArray& grid, int unit) {
    const UnitMasks masks = countUnit(grid, unit);
    DigitMask& repeated = board.repeated[static_cast<std::size_t>(unit)];
    board.unitsWithRepeats += (masks.repeated != 0 ? 1 : 0) - (repeated != 0 ? 1 : 0);
    repeated = masks.repeated;
    board.present[static_cast<std::size_t>(unit)] = masks.present;
}

// The digits that each unit holds more than once, cell by cell.
void countRepeats(SolveBoard& board, const GridArray& grid) {
    std::array<DigitMask, kUnitCount> seen{};
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const DigitMask bit = heldDigit(grid[c][r]);
            const CellUnits& units = kCellUnits[static_cast<std::size_t>(cellIndex(c, r))];
            for (const std::uint8_t unit : {units.row, units.column, units.box}) {
                board.repeated[unit] |= seen[unit] & bit;
                seen[unit] |= bit;
            }
        }
    }
    board.unitsWithRepeats = 0;
    for (const DigitMask repeated : board.repeated) {
        board.unitsWithRepeats += repeated != 0 ? 1 : 0;
    }
}

// Per cell text: in bits 1 to 9 the digit it holds by the digit test, in bit 0 whether it passes
// the blank test, and in the upper half 1 for a digit, so that a sum of entries counts digits.
constexpr std::array<std::uint32_t, 256> kTextEntries = [] {
    std::array<std::uint32_t, 256> entries{};
    for (int i = 0; i < 256; ++i) {
        const CellText text = static_cast<CellText>(i);
        const DigitMask digit = heldDigit(text);
        entries[static_cast<std::size_t>(i)] =
            digit | (isBlank(text) ? 1u : 0u) | (digit != 0 ? 1u << 16 : 0u);
    }
    return entries;
}();

// The unit masks, repeats and blank cells of the grid, column by column.
//
// A unit repeats a digit exactly when it has more digit cells than digits. Every digit cell
// lies in three units, so the grid repeats none exactly when the units' digits add up to three
// times its digit cells; only a grid that repeats one, which the solver meets seldom, is counted
// again unit by unit for the digits each unit repeats.
void countGrid(SolveBoard& board, const GridArray& grid) {
    board = SolveBoard{};
    std::uint32_t entrySum = 0;
    for (int c = kFirst; c <= kLast; ++c) {
        DigitMask column = 0;
        RowBits blankRows = 0;
        // Unrolled, every row is a constant and the column's masks stay in registers.
#pragma GCC unroll 3
        for (int band = 0; band < 3; ++band) {
            DigitMask box = 0;
#pragma GCC unroll 3
            for (int r = band * 3 + 1; r <= band * 3 + 3; ++r) {
                const std::uint32_t entry = kTextEntries[static_cast<unsigned char>(grid[c][r])];
                entrySum += entry;
                blankRows |= static_cast<RowBits>((entry & 1u) << (r - 1));
                const DigitMask digit = static_cast<DigitMask>(entry & kAllDigits);
                column |= digit;
                box |= digit;
                board.present[static_cast<std::size_t>(rowUnit(r))] |= digit;
            }
            board.present[static_cast<std::size_t>(boxUnit(boxOfCell(c, band * 3 + 1)))] |= box;
        }
        board.present[static_cast<std::size_t>(columnUnit(c))] = column;
        board.blankRows[static_cast<std::size_t>(c - 1)] = blankRows;
    }
    unsigned unitDigits = 0;
    for (const DigitMask digits : board.present) {
        unitDigits += digitCount(digits);
    }
    if (unitDigits != 3 * (entrySum >> 16)) {
        countRepeats(board, grid);
    }
}

}  // namespace

// Per cell, the cells of its row, column and box, as the board's untried marks.
constexpr std::array<std::array<RowBits, 9>, kCellCount> kUnitMarks = [] {
    std::array<std::array<RowBits, 9>, kCellCount> marks{};
    for (std::size_t cell = 0; cell < kCellCount; ++cell) {
        const CellUnits& units = kCellUnits[cell];
        for (std::size_t other = 0; other < kCellCount; ++other) {
            const CellUnits& others = kCellUnits[other];
            if (others.row == units.row || others.column == units.column ||
                others.box == units.box) {
                marks[cell][other / 9] |= static_cast<RowBits>(1u << (other % 9));
            }
        }
    }
    return marks;
}();

void markUnitsChanged(SolveBoard& board, std::size_t cell) {
    // Four columns' marks at a time, as one 64-bit word, then the ninth.
    const std::array<RowBits, 9>& marks = kUnitMarks[cell];
    static_assert(sizeof(RowBits) * 4 == sizeof(std::uint64_t));
    for (std::size_t column = 0; column < 8; column += 4) {
        std::uint64_t untried = 0;
        std::uint64_t added = 0;
        std::memcpy(&untried, &board.untried[column], sizeof untried);
        std::memcpy(&added, &marks[column], sizeof added);
        untried |= added;
        std::memcpy(&board.untried[column], &untried, sizeof untried);
    }
    board.untried[8] |= marks[8];
    board.boxesToSearch |= boxMark(cell);
    board.boxesToPoint |= boxMark(cell);
}

SolveBoard loadBoard(const PuzzleState& state) {
    SolveBoard board;
    countGrid(board, state.Grid);
    return board;
}

void rewriteCell(PuzzleState& state, SolveBoard& board, int column, int row, CellText text) {
    CellText& cell = state.Grid[column][row];
    const DigitMask before = heldDigit(cell);
    const DigitMask after = heldDigit(text);
    RowBits& blankRows = board.blankRows[static_cast<std::size_t>(column - 1)];
    blankRows =
        static_cast<RowBits>(isBlank(text) ? blankRows | rowBit(row) : blankRows & ~rowBit(row));
    cell = text;
    const auto index = static_cast<std::size_t>(cellIndex(column, row));
    // The cell's own trial is due whatever its text became.
    board.untried[index / 9] |= static_cast<RowBits>(1u << (index % 9));
    if (before == after) {
        return;
    }
    markUnitsChanged(board, index);
    const CellUnits& units = kCellUnits[index];
    DigitMask& rowDigits = board.present[units.row];
    DigitMask& columnDigits = board.present[units.column];
    DigitMask& boxDigits = board.present[units.box];
    if (before == 0 && ((rowDigits | columnDigits | boxDigits) & after) == 0) {
        // The usual write: a digit new to all three units, which come to repeat nothing.
        rowDigits |= after;
        columnDigits |= after;
        boxDigits |= after;
        return;
    }
    const bool repeatedBefore = board.unitsWithRepeats > 0;
    // A cell that held no digit only adds one to its units; one that held a digit loses it.
    if (before == 0) {
        addToUnit(board, units.row, after);
        addToUnit(board, units.column, after);
        addToUnit(board, units.box, after);
    } else {
        for (const std::uint8_t unit : {units.row, units.column, units.box}) {
            recountUnit(board, state.Grid, unit);
        }
    }
    if ((board.unitsWithRepeats > 0) != repeatedBefore) {
        board.untried.fill(0x1FF);  // every trial fails where the grid repeats a digit
    }
}

}  // namespace quodrill

#include "solver/solve_board.h"

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
};

UnitMasks countUnit(const GridArray& grid, int unit) {
    UnitMasks masks;
    for (const CellPlace& cell : kUnitCells[static_cast<std::size_t>(unit)]) {
        const DigitMask bit = heldDigit(grid[cell.column][cell.row]);
        masks.repeated |= masks.present & bit;
        masks.present |= bit;
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

// The unit masks, repeats and blank cells of the grid.
void countGrid(SolveBoard& board, const GridArray& grid) {
    board.present = {};
    board.repeated = {};
    board.blankRows = {};
    const auto add = [&board](std::size_t unit, DigitMask bit) {
        board.repeated[unit] |= board.present[unit] & bit;
        board.present[unit] |= bit;
    };
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const CellText cell = grid[c][r];
            const DigitMask bit = heldDigit(cell);
            if (bit == 0) {
                board.blankRows[static_cast<std::size_t>(c - 1)] |= isBlank(cell) ? rowBit(r) : 0;
                continue;
            }
            const CellUnits& units = kCellUnits[static_cast<std::size_t>(cellIndex(c, r))];
            add(units.row, bit);
            add(units.column, bit);
            add(units.box, bit);
        }
    }
    board.unitsWithRepeats = 0;
    for (const DigitMask repeated : board.repeated) {
        board.unitsWithRepeats += repeated != 0 ? 1 : 0;
    }
}

}  // namespace

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
    const CellUnits& units = kCellUnits[static_cast<std::size_t>(cellIndex(column, row))];
    for (const std::uint8_t unit : {units.row, units.column, units.box}) {
        if (before != 0) {
            recountUnit(board, state.Grid, unit);
        } else if (after != 0) {
            addToUnit(board, unit, after);
        }
    }
}

}  // namespace quodrill

// What a solve run keeps beside the puzzle state: the digits each row, column and box of the grid
// holds, counted when the run begins and kept in step with each write of a cell.
#pragma once

#include <array>
#include <cstdint>

#include "solver/puzzle_state.h"

namespace quodrill {

constexpr int kUnitCount = 27;  // rows 0 to 8, columns 9 to 17, boxes 18 to 26

constexpr int boxOfCell(int column, int row) {
    return (row - 1) / 3 * 3 + (column - 1) / 3 + 1;
}
constexpr int rowUnit(int row) {
    return row - 1;
}
constexpr int columnUnit(int column) {
    return 9 + column - 1;
}
constexpr int boxUnit(int box) {
    return 18 + box - 1;
}

// The index of each box's first cell (top left), element 0 for box 1. From there one column
// further is 9 indices on, one row further 1.
constexpr std::array<std::uint8_t, 9> kBoxFirstCells = [] {
    std::array<std::uint8_t, 9> cells{};
    for (int box = 1; box <= 9; ++box) {
        cells[static_cast<std::size_t>(box - 1)] =
            static_cast<std::uint8_t>(cellIndex(boxColumnOffset(box) + 1, boxRowOffset(box) + 1));
    }
    return cells;
}();
constexpr std::size_t boxFirstCell(int box) {
    return kBoxFirstCells[static_cast<std::size_t>(box - 1)];
}

// A cell by its column, row and index.
struct CellPlace {
    std::uint8_t column = 0;
    std::uint8_t row = 0;
    std::uint8_t index = 0;
};

// The nine cells of every unit: a row from left to right, a column from top to bottom, a box in
// the order of the box index.
constexpr std::array<std::array<CellPlace, 9>, kUnitCount> kUnitCells = [] {
    std::array<std::array<CellPlace, 9>, kUnitCount> units{};
    const auto place = [](int column, int row) {
        return CellPlace{static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row),
                         static_cast<std::uint8_t>(cellIndex(column, row))};
    };
    for (int i = 1; i <= 9; ++i) {
        for (int k = 1; k <= 9; ++k) {
            units[static_cast<std::size_t>(rowUnit(i))][static_cast<std::size_t>(k - 1)] =
                place(k, i);
            units[static_cast<std::size_t>(columnUnit(i))][static_cast<std::size_t>(k - 1)] =
                place(i, k);
            units[static_cast<std::size_t>(boxUnit(i))][static_cast<std::size_t>(k - 1)] =
                place(boxCellColumn(i, k), boxCellRow(i, k));
        }
    }
    return units;
}();

// The units of every cell, by cell index: its row, its column and its box.
struct CellUnits {
    std::uint8_t row = 0;
    std::uint8_t column = 0;
    std::uint8_t box = 0;
};
constexpr std::array<CellUnits, kCellCount> kCellUnits = [] {
    std::array<CellUnits, kCellCount> units{};
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            units[static_cast<std::size_t>(cellIndex(c, r))] = {
                static_cast<std::uint8_t>(rowUnit(r)), static_cast<std::uint8_t>(columnUnit(c)),
                static_cast<std::uint8_t>(boxUnit(boxOfCell(c, r)))};
        }
    }
    return units;
}();

// The rows of one column's cells that pass the blank test: bit r - 1 stands for row r, so the
// bits in ascending order are the cells in the order of the trial sweep.
using RowBits = std::uint16_t;
constexpr RowBits rowBit(int row) {
    return static_cast<RowBits>(1u << (row - 1));
}

struct SolveBoard {
    // Per unit: the digits its cells hold, and those that more than one of its cells holds.
    std::array<DigitMask, kUnitCount> present{};
    std::array<DigitMask, kUnitCount> repeated{};
    // Units whose `repeated` mask is not empty: the grid repeats a digit exactly when above 0.
    int unitsWithRepeats = 0;
    // Per column (element 0 for column 1), its blank cells.
    std::array<RowBits, 9> blankRows{};
    // What a step still has to look at: per column the cells whose trial may change something,
    // and the boxes (bit b for box b) whose hidden singles or pointing may. Everything at first;
    // a look clears its mark, and every change marks again what it can affect: a cell's
    // candidates the looks at its box (and its trial where one candidate is left), a unit's
    // digits the trials of the unit's cells and, for a box, both looks at the box. What is left
    // unmarked would change nothing.
    std::array<RowBits, 9> untried{0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF, 0x1FF};
    std::uint16_t boxesToSearch = kAllDigits;
    std::uint16_t boxesToPoint = kAllDigits;
    // Whether a pass of this run has taken the candidates of every filled cell. From then on
    // every cell a step fills loses its candidates as it is written, and none gets any back, so
    // the clearing has nothing left to do in the later passes of the run.
    bool filledCellsCleared = false;
    // Where the caller needs only to know whether the run finishes the grid (stopWhenLost), the
    // pass stops after the first step that shows it cannot, and sets `lost`: when the cell trial
    // leaves a blank cell without candidates, or a cell trial or hidden single writes another
    // digit than `expected`, the one grid the run could finish on, has there. Either cell keeps
    // its text for good: no step writes a cell without candidates, and none gives candidates back.
    bool stopWhenLost = false;
    bool lost = false;
    const GridArray* expected = nullptr;
    // A cell written before the run (a guess) that a hidden single may write over while it still
    // has candidates, in the first pass: looked at against `expected` once the hidden singles of a
    // pass are placed, as the later steps write no cell. Column 0 for none.
    int watchedColumn = 0;
    int watchedRow = 0;

    bool hasBlankCell() const {
        RowBits any = 0;
        for (const RowBits rows : blankRows) {
            any |= rows;
        }
        return any != 0;
    }
};

// Counts the grid of the state.
SolveBoard loadBoard(const PuzzleState& state);

// The mark of the cell's box in boxesToSearch and boxesToPoint.
inline std::uint16_t boxMark(std::size_t cell) {
    return static_cast<std::uint16_t>(1u << (kCellUnits[cell].box - boxUnit(1) + 1));
}

// The candidates of the cell (index) were cut down to `left`: the looks at its box are due
// again. Its trial changes something again only where one candidate is left (it solves the
// cell): the others left all fit, as they did before.
inline void markCandidatesChanged(SolveBoard& board, std::size_t cell, DigitMask left) {
    const bool single = left != 0 && (left & (left - 1)) == 0;
    board.untried[cell / 9] |= static_cast<RowBits>((single ? 1u : 0u) << (cell % 9));
    board.boxesToSearch |= boxMark(cell);
    board.boxesToPoint |= boxMark(cell);
}

// The digits of the cell's row, column and box changed: the trials of their cells are due again,
// and the looks at the box.
void markUnitsChanged(SolveBoard& board, std::size_t cell);

// Writes `text` into Grid(column, row) and keeps the board's unit masks in step.
void rewriteCell(PuzzleState& state, SolveBoard& board, int column, int row, CellText text);
inline void writeCell(PuzzleState& state, SolveBoard& board, int column, int row, CellText text) {
    if (state.Grid[column][row] != text) {
        rewriteCell(state, board, column, row, text);
    }
}

}  // namespace quodrill

#include "tests/support/puzzle_generator.h"

#include <numeric>
#include <utility>
#include <vector>

namespace quodrill::testing {

namespace {

template <std::size_t N>
void shuffle(std::array<int, N>& items, PuzzleGenerator& random) {
    for (int i = static_cast<int>(N) - 1; i > 0; --i) {
        std::swap(items[static_cast<std::size_t>(i)],
                  items[static_cast<std::size_t>(random.below(i + 1))]);
    }
}

// An order of the nine lines of one direction that keeps the bands (or stacks) together.
std::array<int, 9> lineOrder(PuzzleGenerator& random) {
    std::array<int, 3> bands = {0, 1, 2};
    shuffle(bands, random);
    std::array<int, 9> order{};
    for (int b = 0; b < 3; ++b) {
        std::array<int, 3> lines = {0, 1, 2};
        shuffle(lines, random);
        for (int i = 0; i < 3; ++i) {
            order[static_cast<std::size_t>(b * 3 + i)] =
                bands[static_cast<std::size_t>(b)] * 3 + lines[static_cast<std::size_t>(i)];
        }
    }
    return order;
}

char& cellAt(RowTexts& rows, int cell) {
    return rows[static_cast<std::size_t>(cell / 9)][static_cast<std::size_t>(cell % 9)];
}

// Whether a digit other than the one in `cell` stands in the cell's row, column or box.
bool seenFrom(const RowTexts& rows, int cell, char digit) {
    const int row = cell / 9;
    const int column = cell % 9;
    for (int other = 0; other < 81; ++other) {
        const int r = other / 9;
        const int c = other % 9;
        const bool shares = r == row || c == column || (r / 3 == row / 3 && c / 3 == column / 3);
        if (other != cell && shares &&
            rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] == digit) {
            return true;
        }
    }
    return false;
}

std::vector<int> givenCells(const RowTexts& rows) {
    std::vector<int> cells;
    for (int cell = 0; cell < 81; ++cell) {
        if (rows[static_cast<std::size_t>(cell / 9)][static_cast<std::size_t>(cell % 9)] != '0') {
            cells.push_back(cell);
        }
    }
    return cells;
}

}  // namespace

RowTexts PuzzleGenerator::solvedGrid() {
    std::array<int, 9> digits = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    shuffle(digits, *this);
    const std::array<int, 9> rowOrder = lineOrder(*this);
    const std::array<int, 9> columnOrder = lineOrder(*this);
    const bool transpose = below(2) == 1;

    RowTexts rows;
    for (int r = 0; r < 9; ++r) {
        rows[static_cast<std::size_t>(r)] = std::string(9, '0');
        for (int c = 0; c < 9; ++c) {
            int baseRow = rowOrder[static_cast<std::size_t>(r)];
            int baseColumn = columnOrder[static_cast<std::size_t>(c)];
            if (transpose) {
                std::swap(baseRow, baseColumn);
            }
            const int base = (baseRow * 3 + baseRow / 3 + baseColumn) % 9;
            rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] =
                static_cast<char>('0' + digits[static_cast<std::size_t>(base)]);
        }
    }
    return rows;
}

RowTexts PuzzleGenerator::puzzleWithBlanks(int blanks) {
    RowTexts rows = solvedGrid();
    std::array<int, 81> cells{};
    std::iota(cells.begin(), cells.end(), 0);
    shuffle(cells, *this);
    for (int i = 0; i < blanks && i < 81; ++i) {
        cellAt(rows, cells[static_cast<std::size_t>(i)]) = '0';
    }
    return rows;
}

RowTexts PuzzleGenerator::unsolvablePuzzle(int blanks) {
    RowTexts rows = puzzleWithBlanks(blanks);
    std::vector<int> givens = givenCells(rows);
    while (!givens.empty()) {
        const std::size_t pick = static_cast<std::size_t>(below(static_cast<int>(givens.size())));
        const int cell = givens[pick];
        const char held = cellAt(rows, cell);
        std::vector<char> free;
        for (char digit = '1'; digit <= '9'; ++digit) {
            if (digit != held && !seenFrom(rows, cell, digit)) {
                free.push_back(digit);
            }
        }
        if (!free.empty()) {
            cellAt(rows, cell) =
                free[static_cast<std::size_t>(below(static_cast<int>(free.size())))];
            return rows;
        }
        givens.erase(givens.begin() + static_cast<std::ptrdiff_t>(pick));
    }
    return rows;
}

RowTexts PuzzleGenerator::puzzleRepeatingADigit(int blanks) {
    RowTexts rows = puzzleWithBlanks(blanks);
    const std::vector<int> givens = givenCells(rows);
    if (givens.empty()) {
        rows[0][0] = '5';
        rows[0][8] = '5';
        return rows;
    }
    const int cell = givens[static_cast<std::size_t>(below(static_cast<int>(givens.size())))];
    const int row = cell / 9;
    const int column = cell % 9;
    int other = cell;
    while (other == cell) {
        const int k = below(9);
        switch (below(3)) {
            case 0:  // same row
                other = row * 9 + k;
                break;
            case 1:  // same column
                other = k * 9 + column;
                break;
            default:  // same box
                other = (row / 3 * 3 + k / 3) * 9 + column / 3 * 3 + k % 3;
                break;
        }
    }
    cellAt(rows, other) = cellAt(rows, cell);
    return rows;
}

}  // namespace quodrill::testing

// The reference whole-grid checks: every call recounts the grid.
#include "tests/oracle/oracle_engine.h"

namespace quodrill::oracle {

bool gridRepeatsDigit(const GridArray& grid) {
    // u is at once a column, a row and a box number.
    for (int u = kFirst; u <= kLast; ++u) {
        for (int d = kFirst; d <= kLast; ++d) {
            int columnCount = 0;
            int rowCount = 0;
            int boxCount = 0;
            for (int k = kFirst; k <= kLast; ++k) {
                if (holdsDigit(grid[u][k], d)) {
                    ++columnCount;
                }
                if (holdsDigit(grid[k][u], d)) {
                    ++rowCount;
                }
                if (holdsDigit(grid[boxCellColumn(u, k)][boxCellRow(u, k)], d)) {
                    ++boxCount;
                }
            }
            if (columnCount > 1 || rowCount > 1 || boxCount > 1) {
                return true;
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

bool boxHoldsDigit(const GridArray& grid, int box, int digit) {
    bool present = false;
    for (int k = kFirst; k <= kLast; ++k) {
        if (holdsDigit(grid[boxCellColumn(box, k)][boxCellRow(box, k)], digit)) {
            present = true;
        }
    }
    return present;
}

}  // namespace quodrill::oracle

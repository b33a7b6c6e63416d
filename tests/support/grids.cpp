#include "tests/support/grids.h"
#include "tests/support/candidate_entries.h"

namespace quodrill::testing {

void fillGrid(PuzzleState& state, const Rows& rows) {
    for (int r = kFirst; r <= kLast; ++r) {
        for (int c = kFirst; c <= kLast; ++c) {
            state.Grid[c][r] = rows[r - 1][c - 1];
        }
    }
}

void setAllBlank(PuzzleState& state) {
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            state.Grid[c][r] = kBlankCell;
            for (int d = kFirst; d <= kLast; ++d) {
                setCandidateEntry(state.Candidates, c, r, d, 1);
            }
        }
    }
}

void setCandidates(PuzzleState& state, int column, int row, std::initializer_list<int> digits) {
    for (int d = kFirst; d <= kLast; ++d) {
        setCandidateEntry(state.Candidates, column, row, d, 0);
    }
    for (int d : digits) {
        setCandidateEntry(state.Candidates, column, row, d, 1);
    }
}

std::string candidateDigits(const PuzzleState& state, int column, int row) {
    std::string digits;
    for (int d = kFirst; d <= kLast; ++d) {
        if (candidateEntry(state.Candidates, column, row, d) == 1) {
            digits += digitText(d);
        }
    }
    return digits;
}

bool isSolvedGrid(const GridArray& grid) {
    for (int u = kFirst; u <= kLast; ++u) {
        int columnSeen = 0;
        int rowSeen = 0;
        int boxSeen = 0;
        for (int k = kFirst; k <= kLast; ++k) {
            const CellText cells[] = {grid[u][k], grid[k][u],
                                      grid[boxCellColumn(u, k)][boxCellRow(u, k)]};
            int* seen[] = {&columnSeen, &rowSeen, &boxSeen};
            for (int i = 0; i < 3; ++i) {
                if (cells[i] < '1' || cells[i] > '9') {
                    return false;
                }
                *seen[i] |= 1 << (cells[i] - '0');
            }
        }
        if (columnSeen != 0x3FE || rowSeen != 0x3FE || boxSeen != 0x3FE) {
            return false;
        }
    }
    return true;
}

bool keepsGivens(const GridArray& grid, const Rows& rows) {
    for (int r = kFirst; r <= kLast; ++r) {
        for (int c = kFirst; c <= kLast; ++c) {
            const char given = rows[r - 1][c - 1];
            if (given != '0' && grid[c][r] != given) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace quodrill::testing

#include "tests/support/invariants.h"
#include "tests/support/candidate_entries.h"

#include <array>
#include <cstdint>

#include "events/captions.h"

namespace quodrill::testing {

namespace {

std::string cellName(int column, int row) {
    return "(" + std::to_string(column) + ", " + std::to_string(row) + ")";
}

std::string describeCellText(CellText cell) {
    if (cell == kEmptyCell) {
        return "\"\"";
    }
    const auto byte = static_cast<unsigned char>(cell);
    if (byte >= 0x20 && byte < 0x7f) {
        return std::string("\"") + cell + "\"";
    }
    return "byte " + std::to_string(byte);
}

bool isCellText(CellText cell) {
    return cell == kEmptyCell || (cell >= '0' && cell <= '9');
}

bool isFilled(CellText cell) {
    return cell >= '1' && cell <= '9';
}

std::string checkGrid(const GridArray& grid) {
    for (int c = 0; c <= kLast; ++c) {
        for (int r = 0; r <= kLast; ++r) {
            const CellText cell = grid[c][r];
            if (c == 0 || r == 0) {
                if (cell != kEmptyCell) {
                    return "unused Grid element " + cellName(c, r) + " was written with " +
                           describeCellText(cell);
                }
            } else if (!isCellText(cell)) {
                return "Grid" + cellName(c, r) + " holds " + describeCellText(cell) +
                       ", not \"\" or \"0\" to \"9\"";
            }
        }
    }
    return {};
}

// Every mask holds digits 1 to 9 only: bit 0 and the bits above 9 stand for nothing.
std::string checkMasks(const CandidateMasks& masks, std::string_view name) {
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const DigitMask mask = masks[static_cast<std::size_t>(cellIndex(c, r))];
            if ((mask & ~kAllDigits) != 0) {
                return std::string(name) + " of " + cellName(c, r) + " holds bits " +
                       std::to_string(mask & ~kAllDigits) + " that stand for no digit 1 to 9";
            }
        }
    }
    return {};
}

std::string checkFilledCellsHaveNoCandidates(const PuzzleState& state) {
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            if (!isFilled(state.Grid[c][r])) {
                continue;
            }
            for (int d = kFirst; d <= kLast; ++d) {
                if (candidateEntry(state.Candidates, c, r, d) != 0) {
                    return "filled cell " + cellName(c, r) + " holding " +
                           describeCellText(state.Grid[c][r]) + " keeps candidate " +
                           std::to_string(d) + " after a solve run";
                }
            }
        }
    }
    return {};
}

std::string checkFlag(std::int16_t value, std::string_view name) {
    if (value != 0 && value != 1) {
        return std::string(name) + " is " + std::to_string(value) + ", not 0 or 1";
    }
    return {};
}

std::string checkCounter(std::int16_t value, std::string_view name) {
    if (value < 0 || value > kCounterLimit) {
        return std::string(name) + " is " + std::to_string(value) + ", outside 0 to 32767";
    }
    return {};
}

std::string checkCompleteStatus(const GridArray& grid, std::string_view statusCaption) {
    if (statusCaption != captions::kStatusComplete) {
        return {};
    }
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            if (!isFilled(grid[c][r])) {
                return "\"Status : Complete\" shown over a grid whose cell " + cellName(c, r) +
                       " holds " + describeCellText(grid[c][r]);
            }
        }
    }
    const std::string repeated = findRepeatedDigit(grid);
    if (!repeated.empty()) {
        return "\"Status : Complete\" shown over a grid in which " + repeated;
    }
    return {};
}

}  // namespace

std::string findRepeatedDigit(const GridArray& grid) {
    // For each unit, the first cell seen holding each digit.
    for (int unit = 1; unit <= 9; ++unit) {
        std::array<int, 10> inColumn{};
        std::array<int, 10> inRow{};
        std::array<int, 10> inBox{};
        for (int k = 1; k <= 9; ++k) {
            const int boxColumn = (unit - 1) % 3 * 3 + (k - 1) % 3 + 1;
            const int boxRow = (unit - 1) / 3 * 3 + (k - 1) / 3 + 1;
            const CellText columnCell = grid[unit][k];
            const CellText rowCell = grid[k][unit];
            const CellText boxCell = grid[boxColumn][boxRow];
            if (isFilled(columnCell) && inColumn[columnCell - '0']++ > 0) {
                return std::string("digit ") + columnCell + " repeats in column " +
                       std::to_string(unit);
            }
            if (isFilled(rowCell) && inRow[rowCell - '0']++ > 0) {
                return std::string("digit ") + rowCell + " repeats in row " + std::to_string(unit);
            }
            if (isFilled(boxCell) && inBox[boxCell - '0']++ > 0) {
                return std::string("digit ") + boxCell + " repeats in box " + std::to_string(unit);
            }
        }
    }
    return {};
}

std::string findInvariantViolation(const PuzzleState& state, std::string_view statusCaption,
                                   CheckPoint point) {
    for (const std::string& found : {
             checkGrid(state.Grid),
             checkMasks(state.Candidates, "Candidates"),
             checkMasks(state.CandidateSnapshot, "CandidateSnapshot"),
             point == CheckPoint::AfterSolveRun ? checkFilledCellsHaveNoCandidates(state)
                                                : std::string(),
             checkFlag(state.SetUpDone, "SetUpDone"),
             checkFlag(state.SolvedFlag, "SolvedFlag"),
             checkCounter(state.StallCount, "StallCount"),
             checkCounter(state.GuessCount, "GuessCount"),
             checkCompleteStatus(state.Grid, statusCaption),
         }) {
        if (!found.empty()) {
            return found;
        }
    }
    return {};
}

}  // namespace quodrill::testing

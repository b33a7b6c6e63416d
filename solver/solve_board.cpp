#include "solver/solve_board.h"

#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
        const DigitMask bit = textBit(grid[cell.column][cell.row]);
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

DigitMask candidateMask(const std::array<std::int16_t, kSpan>& entries) {
#if defined(__SSE2__)
    // Entries 1 to 8 compared with 1 at once, entry 9 on its own.
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&entries[1]));
    const __m128i isOne = _mm_cmpeq_epi16(low, _mm_set1_epi16(1));
    const unsigned bits =
        static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(isOne, isOne))) & 0xFFu;
    return static_cast<DigitMask>((bits << 1) | (entries[9] == 1 ? digitBit(9) : 0u));
#else
    DigitMask mask = 0;
    for (int d = kFirst; d <= kLast; ++d) {
        if (entries[d] == 1) {
            mask |= digitBit(d);
        }
    }
    return mask;
#endif
}

// The unit masks, repeats and blank cells of the grid.
void countGrid(SolveBoard& board, const GridArray& grid) {
    board.present = {};
    board.repeated = {};
    board.blankCells = 0;
    const auto add = [&board](std::size_t unit, DigitMask bit) {
        board.repeated[unit] |= board.present[unit] & bit;
        board.present[unit] |= bit;
    };
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            const CellText cell = grid[c][r];
            const DigitMask bit = textBit(cell);
            if (bit == 0) {
                board.blankCells += isBlank(cell) ? 1 : 0;
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
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            board.candidates[static_cast<std::size_t>(cellIndex(c, r))] =
                candidateMask(state.Candidates[c][r]);
        }
    }
    return board;
}

void rewriteCell(PuzzleState& state, SolveBoard& board, int column, int row, CellText text) {
    CellText& cell = state.Grid[column][row];
    const DigitMask before = textBit(cell);
    const DigitMask after = textBit(text);
    board.blankCells += (isBlank(text) ? 1 : 0) - (isBlank(cell) ? 1 : 0);
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

void zeroEntries(std::array<std::int16_t, kSpan>& entries, DigitMask digits) {
    unsigned left = digits;
    while (left != 0) {
        entries[static_cast<std::size_t>(std::countr_zero(left))] = 0;
        left &= left - 1;
    }
}

}  // namespace quodrill

// The whole memory of the solver: the grid of cell texts, the candidates of every cell as a digit
// mask and their snapshot, two flags and two counters, with the cell tests and box index every
// step uses.
#pragma once

#include <array>
#include <cstdint>

namespace quodrill {

// Every array is indexed from 1 to 9; element 0 is never used.
constexpr int kFirst = 1;
constexpr int kLast = 9;
constexpr int kSpan = 10;

// A cell holds the empty text (before the first successful fill) or one character "0" to "9".
// The empty text is stored as '\0'.
using CellText = char;
constexpr CellText kEmptyCell = '\0';
constexpr CellText kBlankCell = '0';

constexpr std::int16_t kCounterLimit = 32767;

using GridArray = std::array<std::array<CellText, kSpan>, kSpan>;  // [column][row]

// A set of digits: bit d (1 to 9) stands for the digit d; bit 0 is never set.
using DigitMask = std::uint16_t;
constexpr DigitMask kAllDigits = 0x3FE;
constexpr DigitMask digitBit(int digit) {
    return static_cast<DigitMask>(1u << digit);
}

// How many digits a set holds, by table: the processor's own count is not in every x86-64.
constexpr std::array<std::uint8_t, 1024> kDigitCounts = [] {
    std::array<std::uint8_t, 1024> counts{};
    for (std::size_t mask = 0; mask < counts.size(); ++mask) {
        for (int digit = 1; digit <= 9; ++digit) {
            counts[mask] += (mask >> digit) & 1u;
        }
    }
    return counts;
}();
constexpr int digitCount(DigitMask digits) {
    return kDigitCounts[digits & 0x3FFu];
}

// Cells are numbered down column 1, then down column 2, ..., the order of the trial sweep.
constexpr int kCellCount = 81;
constexpr int cellIndex(int column, int row) {
    return (column - 1) * 9 + (row - 1);
}

// The candidates of every cell, by cell index: Candidates(c, r, d) is 1 exactly when bit d of
// the cell's mask is set, and 0 otherwise.
using CandidateMasks = std::array<DigitMask, kCellCount>;

struct PuzzleState {
    GridArray Grid{};  // every cell the empty text at program start
    CandidateMasks Candidates{};
    CandidateMasks CandidateSnapshot{};  // Candidates as the current or last pass began
    // 1 once Start has set up the grid from the rows; a change of the rows and the restart set it
    // to 0, so that the next Start sets up again instead of only running on.
    std::int16_t SetUpDone = 0;
    std::int16_t SolvedFlag = 0;  // 1 when the last pass left no blank cell and no repeated digit
    std::int16_t StallCount = 0;  // runs ended stalled since the set-up: 1 guesses, 2 restarts
    std::int16_t GuessCount = 0;  // guesses since the rows last changed
};

// Blank test: the cell text, read as a number, is 0. The empty text reads as 0.
constexpr bool isBlank(CellText cell) {
    return cell == kEmptyCell || cell == kBlankCell;
}

// The one-character decimal text of a digit 0 to 9.
constexpr CellText digitText(int digit) {
    return static_cast<char>('0' + digit);
}

// Digit test: the bit of the digit whose one-character text the cell holds, or 0 when it holds
// none (a blank, the empty text, anything else).
constexpr DigitMask heldDigit(CellText cell) {
    return cell >= '1' && cell <= '9' ? digitBit(cell - '0') : 0;
}

// Box index: boxes and the cells inside a box are numbered 1 to 9, left to right, then top to
// bottom.
constexpr int boxColumnOffset(int box) {
    return ((box - 1) % 3) * 3;
}
constexpr int boxRowOffset(int box) {
    return ((box - 1) / 3) * 3;
}
constexpr int boxCellColumn(int box, int cell) {
    return boxColumnOffset(box) + (cell - 1) % 3 + 1;
}
constexpr int boxCellRow(int box, int cell) {
    return boxRowOffset(box) + (cell - 1) / 3 + 1;
}

// Adds 1 to a counter unless it already stands at 32767; returns whether it was increased.
inline bool increaseCounter(std::int16_t& counter) {
    if (counter >= kCounterLimit) {
        return false;
    }
    ++counter;
    return true;
}

}  // namespace quodrill

// Set-up from the nine row texts: the row test, the fill of the grid, the check for a repeated
// digit and the marking of every blank cell's candidates.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "solver/puzzle_state.h"

namespace quodrill {

// The texts of row boxes T(0) to T(8).
using RowTexts = std::array<std::string, 9>;

// A row passes when it is exactly nine characters "0" to "9".
bool isValidRow(std::string_view row);

// The first row, 0 to 8, that does not pass; -1 when all nine pass.
int firstInvalidRow(const RowTexts& rows);

enum class SetUpOutcome { Ready, RepeatedDigit };

struct RowsSetUp;

// Copies nine valid rows into Grid. Unless a digit repeats in a column, row or box, every blank
// cell then gets all nine candidates and StallCount becomes 0; filled cells keep what they had.
// The set-up of the rows is then left in `made`, where given, to be put in place again.
SetUpOutcome setUpFromRows(PuzzleState& state, const RowTexts& rows, RowsSetUp* made = nullptr);

// The set-up of one grid of rows that passed, found once and put in place at every restart on
// the same rows: the grid, and the candidates as a blend, so that it is made without a test.
struct RowsSetUp {
    GridArray grid{};
    CandidateMasks kept{};   // every bit for a filled cell, which keeps its candidates
    CandidateMasks given{};  // all nine digits for a blank cell
};
RowsSetUp rowsSetUpOf(const GridArray& grid);
// The set-up of rows that gave `setUp.grid`: Grid set to it, every blank cell all nine
// candidates, the filled cells what they had, StallCount 0. Where the candidates it leaves are
// known (the cells hold what they held at an earlier set-up on the same rows), `known` gives them
// and they are copied instead of blended.
void putSetUp(PuzzleState& state, const RowsSetUp& setUp, const CandidateMasks* known = nullptr);
// The candidates that set-up leaves when the cells had `candidates` before it.
CandidateMasks setUpCandidates(const RowsSetUp& setUp, const CandidateMasks& candidates);

// A change of the rows: the next Start validates and sets up again, and guesses count anew.
inline void forgetSetUp(PuzzleState& state) {
    state.SetUpDone = 0;
    state.GuessCount = 0;
}

}  // namespace quodrill

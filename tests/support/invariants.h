// The invariants of the puzzle state that must hold whatever the user does: checked by the
// fuzzers, the monkey test and the tests after every handler.
#pragma once

#include <string>
#include <string_view>

#include "solver/puzzle_state.h"

namespace quodrill::testing {

// Where a check is made. Right after a solve run (a tick of TT) the last pass has cleared the
// candidates of every filled cell; between other handlers a set-up or a guess may have filled
// cells that still carry candidates.
enum class CheckPoint { BetweenHandlers, AfterSolveRun };

// Describes the first invariant that does not hold, or returns "" when all hold. The status
// caption is what the status label shows at that moment.
//  - every cell text is "" or "0" to "9"; the unused element 0 of every array is untouched;
//  - every entry of Candidates and CandidateSnapshot is 0 or 1;
//  - after a solve run, every filled cell has all nine candidate entries 0;
//  - SetUpDone and SolvedFlag are 0 or 1; StallCount and GuessCount lie in 0 to 32767;
//  - "Status : Complete" stands only over a full grid that repeats no digit in any unit.
std::string findInvariantViolation(const PuzzleState& state, std::string_view statusCaption,
                                   CheckPoint point);

// The first digit repeated in a column, row or box of the grid, described, or "" when none is.
// Written apart from the solver's own check, so that the two cannot share a fault.
std::string findRepeatedDigit(const GridArray& grid);

}  // namespace quodrill::testing

// The headless solver's shortcut through repeated cycles: a solve run whose starting state was
// seen before is not run again; the tick of the solve timer takes its known end instead, with the
// same passes counted, the same state left and the same timers armed. Only a run from the exact
// same grid and candidates is taken as known: the set-up state of the rows, or the stalled state
// with one guess.
#pragma once

#include <array>
#include <string>

#include "events/plain_window.h"
#include "solver/guess_outcomes.h"
#include "solver/puzzle_state.h"

namespace quodrill {

class RunReuse {
  public:
    // Without `countPasses`, the end of a guess is found without following its run to the end,
    // and the passes told to the window are not those of the run.
    RunReuse(GuessOutcomes& outcomes, bool countPasses)
        : outcomes_(outcomes), countPasses_(countPasses) {}

    // The tick of the solve timer that is due: runs it, or puts its known end in its place.
    void solveTick(PuzzleState& state, PlainWindow& window);
    // The tick of the restart timer that is due: on rows unchanged since a restart's set-up
    // passed, the grid they gave is taken instead of reading and checking them again.
    void restartTick(PuzzleState& state, PlainWindow& window);

  private:
    bool replaySetUpRun(PuzzleState& state, PlainWindow& window) const;

    GuessOutcomes& outcomes_;
    bool countPasses_;
    // The run from the set-up state: where it started, where it stalled and its passes.
    bool setUpRunKnown_ = false;
    GridArray setUpGrid_{};
    CandidateMasks setUpCandidates_{};
    PuzzleState stalled_{};
    int setUpPasses_ = 0;
    // The rows of the last restart whose set-up passed, and the grid they gave.
    bool rowsKnown_ = false;
    std::array<std::string, 9> rows_{};
    GridArray rowsGrid_{};
};

}  // namespace quodrill

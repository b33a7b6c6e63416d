// The headless solver's shortcut through repeated cycles: a solve run whose starting state was
// seen before is not run again; the tick of the solve timer takes its known end instead, with the
// same passes counted, the same state left and the same timers armed. Only a run from the exact
// same grid and candidates is taken as known: the set-up state of the rows, or the stalled state
// with one guess. The rows' set-up is made once and put in place at every restart.
#pragma once

#include "events/plain_window.h"
#include "solver/guess.h"
#include "solver/guess_outcomes.h"
#include "solver/puzzle_state.h"
#include "solver/random_source.h"
#include "solver/set_up.h"

namespace quodrill {

// Every tick of the window must go through one RunReuse, and nothing else may change the window
// or the state between them: it follows what the state holds from one tick to the next, and
// compares it again whenever a tick ran elsewhere.
class RunReuse {
  public:
    // Without `countPasses`, the end of a guess is found without following its run to the end,
    // and the passes told to the window are not those of the run. `random` is the window's.
    RunReuse(GuessOutcomes& outcomes, RandomSource& random, bool countPasses)
        : outcomes_(outcomes), random_(random), countPasses_(countPasses) {}

    // A press of Start; rows whose set-up passes are kept with their set-up.
    void pressStart(PuzzleState& state, PlainWindow& window);
    // The tick of `timer`, which is due: run, or its known end put in its place.
    void tick(TimerId timer, PuzzleState& state, PlainWindow& window);

  private:
    // What the state is known to hold, as this object left it.
    enum class Known {
        Nothing,
        SetUp,       // the grid and candidates the set-up run started from
        Stalled,     // the grid and candidates of the set-up run's stall
        Guessed,     // those with `guess_` written into the grid
        StallCands,  // the candidates of the set-up run's stall, the grid unknown
    };

    void solveTick(PuzzleState& state, PlainWindow& window);
    void guessTick(PuzzleState& state, PlainWindow& window);
    void restartTick(PuzzleState& state, PlainWindow& window);
    bool replaySetUpRun(PuzzleState& state, PlainWindow& window);
    void forgetIfTickedElsewhere(const PlainWindow& window);
    // The rows passed, and `rowsSetUp_` holds their set-up.
    void learnRows();
    void compareStallWithSetUp();

    GuessOutcomes& outcomes_;
    RandomSource& random_;
    bool countPasses_;

    Known known_ = Known::Nothing;
    long knownAt_ = -1;  // the window's ticks when `known_` was set
    GuessCell guess_{};
    bool outcomesForStall_ = false;  // the outcomes are those of the set-up run's stall
    // The state's CandidateSnapshot is the stall's: only runs write it, and a guess's known end
    // leaves it.
    bool snapshotIsStall_ = false;

    // The run from the set-up state: where it started, where it stalled and its passes.
    bool setUpRunKnown_ = false;
    GridArray setUpGrid_{};
    CandidateMasks setUpCandidates_{};
    PuzzleState stalled_{};
    SolveBoard stallBoard_{};  // the board the run ended with
    int setUpPasses_ = 0;
    SolveBoard endBoard_{};  // the board of the last run run here
    // Whether the rows are those of the last Start or restart whose set-up passed, as they are
    // from one tick of this object to the next, and that set-up.
    bool rowsKnown_ = false;
    RowsSetUp rowsSetUp_{};
    // Whether the stall's candidates are those of the set-up state, and whether a restart on the
    // kept rows from the stall's candidates gives the set-up state.
    bool stallCandidatesAreSetUps_ = false;
    bool restartFromStallIsSetUp_ = false;
};

}  // namespace quodrill

// The solve run: propagation passes until the grid is full or a pass changes no candidate, and
// what the run's end calls for next: nothing, a random guess or a restart.
#pragma once

#include "solver/puzzle_state.h"
#include "solver/solve_board.h"

namespace quodrill {

// Told of the state at the end of every pass, before the run decides whether to go on.
class PassObserver {
  public:
    virtual void afterPass(const PuzzleState& state) = 0;

  protected:
    ~PassObserver() = default;
};

enum class NextStage { None, Guess, Restart };

struct RunOutcome {
    bool solved = false;  // no blank cell and no repeated digit
    NextStage next = NextStage::None;
    int passes = 0;  // counted by the run; none for an outcome read from a state
};

// The end of a run known without running its passes (it ran from the same state before): whether
// it solved the grid, its passes, and what its last pass left where that is kept. A run after a
// guess that stalls leaves a state that the restart's set-up overwrites whole, so only the run
// from the set-up keeps its candidates.
struct RunEnd {
    bool solved = false;
    int passes = 0;
    const GridArray* grid = nullptr;
    const CandidateMasks* candidates = nullptr;
    const CandidateMasks* snapshot = nullptr;
};

// What the state at the end of a run calls for: a first stall with blank cells left a guess, a
// second stall (StallCount 2, also over a solved grid) a restart, anything else nothing.
RunOutcome runOutcome(const PuzzleState& state);

// One run: resets SolvedFlag, then passes until one solves the grid or changes no candidate,
// which adds 1 to StallCount. `endBoard`, where given, receives the board as the last pass left
// it: after a stall, the grid's counts with nothing left for the steps to look at.
RunOutcome RunSolvePasses(PuzzleState& state, PassObserver& observer,
                          SolveBoard* endBoard = nullptr);

// Puts a known end in place of the run's passes: the state as its last pass left it (what is
// kept of it), SolvedFlag, and StallCount as a stall adds to it.
RunOutcome takeRunEnd(PuzzleState& state, const RunEnd& end);

// One pass of a run, on a board loaded from the state when the run began: snapshot, the four
// steps, the observer; returns whether the run stops after it. On a board that stops when lost it
// also returns true, before the steps after it and the observer, once a step shows that the run
// cannot finish the grid (board.lost).
bool runSolvePass(PuzzleState& state, SolveBoard& board, PassObserver& observer);

}  // namespace quodrill

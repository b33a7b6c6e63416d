#include "solver/solve_run.h"

#include "solver/propagation.h"

namespace quodrill {

namespace {

void countStall(PuzzleState& state) {
    increaseCounter(state.StallCount);  // stays at 32767
}

}  // namespace

bool runSolvePass(PuzzleState& state, SolveBoard& board, PassObserver& observer) {
    state.CandidateSnapshot = state.Candidates;

    // Where the run stops when lost, the state is left half-way through the pass.
    TryEveryBlankCell(state, board);
    if (board.lost && board.stopWhenLost) {
        return true;
    }
    PlaceHiddenSinglesInBoxes(state, board);
    if (board.expected != nullptr && board.watchedColumn != 0) {
        const int column = board.watchedColumn;
        const int row = board.watchedRow;
        board.lost |= state.Grid[column][row] != (*board.expected)[column][row];
    }
    if (board.lost && board.stopWhenLost) {
        return true;
    }
    EliminatePointingInRows(state, board);
    if (!board.filledCellsCleared) {
        ClearSolvedCellCandidates(state, board);
        board.filledCellsCleared = true;
    }
    observer.afterPass(state);

    // Only a full grid without a repeated digit is solved; a full grid that repeats a digit
    // goes on to the no-change test like a grid with blank cells.
    const bool solved = !board.hasBlankCell() && board.unitsWithRepeats == 0;
    state.SolvedFlag = solved ? 1 : 0;
    if (solved) {
        return true;
    }
    const bool unchanged = state.CandidateSnapshot == state.Candidates;
    if (unchanged) {
        countStall(state);
    }
    return unchanged;
}

RunOutcome runOutcome(const PuzzleState& state) {
    RunOutcome outcome;
    outcome.solved = state.SolvedFlag == 1;
    if (state.StallCount == 2) {
        outcome.next = NextStage::Restart;
    } else if (state.StallCount == 1 && !outcome.solved) {
        outcome.next = NextStage::Guess;
    }
    return outcome;
}

RunOutcome RunSolvePasses(PuzzleState& state, PassObserver& observer, SolveBoard* endBoard) {
    state.SolvedFlag = 0;
    SolveBoard board = loadBoard(state);
    int passes = 1;
    while (!runSolvePass(state, board, observer)) {
        ++passes;
    }
    if (endBoard != nullptr) {
        *endBoard = board;
    }
    RunOutcome outcome = runOutcome(state);
    outcome.passes = passes;
    return outcome;
}

RunOutcome takeRunEnd(PuzzleState& state, const RunEnd& end) {
    if (end.grid != nullptr) {
        state.Grid = *end.grid;
    }
    if (end.candidates != nullptr) {
        state.Candidates = *end.candidates;
    }
    if (end.snapshot != nullptr) {
        state.CandidateSnapshot = *end.snapshot;
    }
    state.SolvedFlag = end.solved ? 1 : 0;
    if (!end.solved) {
        countStall(state);
    }
    RunOutcome outcome = runOutcome(state);
    outcome.passes = end.passes;
    return outcome;
}

}  // namespace quodrill

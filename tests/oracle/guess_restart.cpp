// The reference random guess and restart.
#include "tests/oracle/oracle_engine.h"

#include <string>

#include "events/captions.h"

namespace quodrill::oracle {

namespace {

bool cellHasCandidate(const PuzzleState& state, int column, int row) {
    for (int d = kFirst; d <= kLast; ++d) {
        if (state.Candidates[column][row][d] == 1) {
            return true;
        }
    }
    return false;
}

// Draws a blank cell and a candidate digit of it and writes the digit. Returns false, placing
// nothing, when there is no blank cell or the drawn cell has no candidate.
bool placeRandomDigit(PuzzleState& state, RandomSource& random) {
    if (!gridHasBlankCell(state.Grid)) {
        return false;
    }
    int column = 0;
    int row = 0;
    do {
        column = drawOneToNine(random);
        row = drawOneToNine(random);
    } while (!isBlank(state.Grid[column][row]));

    random.reseedFromClock();

    if (!cellHasCandidate(state, column, row)) {
        return false;
    }
    int digit = 0;
    do {
        digit = drawOneToNine(random);
    } while (state.Candidates[column][row][digit] != 1);
    state.Grid[column][row] = digitText(digit);
    return true;
}

}  // namespace

void Testt_Timer(PuzzleState& state, WindowOps& window, RandomSource& random) {
    if (!increaseCounter(state.GuessCount)) {
        window.setStatusCaption(captions::kStatusStopped);
        window.disarmTimer(TimerId::Testt);
        return;
    }
    std::string caption(captions::kRepeatCountPrefix);
    caption += std::to_string(state.GuessCount);
    caption += captions::kRepeatCountSuffix;
    window.setRepeatCountCaption(caption);

    const bool placed = placeRandomDigit(state, random);
    window.armTimer(placed ? TimerId::TT : TimerId::SBT);
    window.disarmTimer(TimerId::Testt);
}

void SBT_Timer(PuzzleState& state, WindowOps& window) {
    // Disarmed first so that the restart cannot run inside its own message box.
    window.disarmTimer(TimerId::SBT);
    state.SetUpDone = 0;
    oracle::SB_Click(state, window);
    window.disarmTimer(TimerId::SBT);
}

}  // namespace quodrill::oracle

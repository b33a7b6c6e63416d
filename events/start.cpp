#include "events/start.h"

#include "events/captions.h"
#include "solver/set_up.h"

namespace quodrill {

void ShowInputFormatError(WindowOps& window) {
    window.showWarningMessage(captions::kInputFormatPrompt, captions::kInputFormatTitle);
}

namespace {

// Reads and checks the rows and sets up from them; false when they are refused.
bool setUpFromRowBoxes(PuzzleState& state, WindowOps& window) {
    RowTexts rows;
    for (int i = 0; i < 9; ++i) {
        rows[static_cast<std::size_t>(i)] = window.rowText(i);
    }
    if (const int refused = firstInvalidRow(rows); refused >= 0) {
        // Neither "Calculating..." nor "Complete" may stand over refused rows.
        window.showSolveEnd(SolveEnd::RowRefused);
        ShowInputFormatError(window);
        window.setRowText(refused, "");
        // Emptying the row is a change of the rows, which makes the next Start validate again;
        // a row that was empty already does not change, so forget the set-up here as the change
        // handler would, or Start would resume on a grid nobody typed.
        forgetSetUp(state);
        return false;
    }
    if (setUpFromRows(state, rows) == SetUpOutcome::RepeatedDigit) {
        // The grid now holds the refused rows: a status left by an earlier puzzle, such as
        // "Status : Complete", must not stand over them.
        window.showSolveEnd(SolveEnd::DigitRepeats);
        ShowInputFormatError(window);
        return false;
    }
    return true;
}

}  // namespace

void SB_Click(PuzzleState& state, WindowOps& window) {
    startWithRows(state, window, nullptr);
}

void startWithRows(PuzzleState& state, WindowOps& window, const GridArray* rowsGrid) {
    if (state.SetUpDone != 0) {
        window.armTimer(TimerId::TT);
        return;
    }
    window.showRepeatCountLabel();
    state.SetUpDone = 1;

    if (rowsGrid != nullptr) {
        state.Grid = *rowsGrid;  // the rows passed before and are unchanged
        finishSetUp(state);
    } else if (!setUpFromRowBoxes(state, window)) {
        return;
    }
    window.showSolveEnd(SolveEnd::Running);
    window.armTimer(TimerId::TT);
}

}  // namespace quodrill

#include "events/start.h"

#include "events/captions.h"
#include "solver/set_up.h"

namespace quodrill {

void ShowInputFormatError(WindowOps& window) {
    window.showWarningMessage(captions::kInputFormatPrompt, captions::kInputFormatTitle);
}

namespace {

enum class StartedBy { Person, Restart };

// Rows refused by the restart: the person is changing them while the puzzle solves, so no message
// takes the keys they type and no row they are typing is emptied; the next Start checks the rows
// as they leave them.
void stopQuietly(PuzzleState& state, WindowOps& window) {
    window.showSolveEnd(SolveEnd::Ready);
    state.SetUpDone = 0;
}

// Reads and checks the rows and sets up from them; false when they are refused.
bool setUpFromRowBoxes(PuzzleState& state, WindowOps& window, StartedBy by, RowsSetUp* made) {
    const RowTexts rows = {window.rowText(0), window.rowText(1), window.rowText(2),
                           window.rowText(3), window.rowText(4), window.rowText(5),
                           window.rowText(6), window.rowText(7), window.rowText(8)};
    if (const int refused = firstInvalidRow(rows); refused >= 0) {
        if (by == StartedBy::Restart) {
            stopQuietly(state, window);
            return false;
        }
        // Neither "Calculating..." nor "Complete" may stand over refused rows.
        window.showSolveEnd(SolveEnd::RowRefused);
        ShowInputFormatError(window);
        window.setRowText(refused, "");
        window.focusRow(refused);  // where the row is typed again
        // Emptying the row is a change of the rows, which makes the next Start validate again;
        // a row that was empty already does not change, so forget the set-up here as the change
        // handler would, or Start would resume on a grid nobody typed.
        forgetSetUp(state);
        return false;
    }
    if (setUpFromRows(state, rows, made) == SetUpOutcome::RepeatedDigit) {
        if (by == StartedBy::Restart) {
            stopQuietly(state, window);
            return false;
        }
        // The grid now holds the refused rows: a status left by an earlier puzzle, such as
        // "Status : Complete", must not stand over them.
        window.showSolveEnd(SolveEnd::DigitRepeats);
        ShowInputFormatError(window);
        return false;
    }
    return true;
}

// With `rowsSetUp` the rows are not read (see restartSetUp); otherwise their set-up is left in
// `made`, where given.
void start(PuzzleState& state, WindowOps& window, StartedBy by, const RowsSetUp* rowsSetUp,
           const CandidateMasks* known, RowsSetUp* made) {
    if (state.SetUpDone != 0) {
        window.armTimer(TimerId::TT);
        return;
    }
    window.showRepeatCountLabel();
    state.SetUpDone = 1;

    if (rowsSetUp != nullptr) {
        putSetUp(state, *rowsSetUp, known);  // the rows passed before and are unchanged
    } else if (!setUpFromRowBoxes(state, window, by, made)) {
        return;
    }
    window.showSolveEnd(SolveEnd::Running);
    window.armTimer(TimerId::TT);
}

}  // namespace

void SB_Click(PuzzleState& state, WindowOps& window) {
    startClick(state, window, nullptr);
}

void startClick(PuzzleState& state, WindowOps& window, RowsSetUp* made) {
    start(state, window, StartedBy::Person, nullptr, nullptr, made);
}

void restartSetUp(PuzzleState& state, WindowOps& window, const RowsSetUp* rowsSetUp,
                  const CandidateMasks* known) {
    start(state, window, StartedBy::Restart, rowsSetUp, known, nullptr);
}

}  // namespace quodrill

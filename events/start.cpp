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
    window.setStatusCaption(captions::kStatusReady);
    state.SetUpDone = 0;
}

void start(PuzzleState& state, WindowOps& window, StartedBy by) {
    if (state.SetUpDone != 0) {
        window.armTimer(TimerId::TT);
        return;
    }
    window.showRepeatCountLabel();
    state.SetUpDone = 1;

    RowTexts rows;
    for (int i = 0; i < 9; ++i) {
        rows[static_cast<std::size_t>(i)] = window.rowText(i);
    }
    if (const int refused = firstInvalidRow(rows); refused >= 0) {
        if (by == StartedBy::Restart) {
            return stopQuietly(state, window);
        }
        // Neither "Calculating..." nor "Complete" may stand over refused rows.
        window.setStatusCaption(captions::kStatusReady);
        ShowInputFormatError(window);
        window.setRowText(refused, "");
        window.focusRow(refused);  // where the row is typed again
        // Emptying the row is a change of the rows, which makes the next Start validate again;
        // a row that was empty already does not change, so forget the set-up here as the change
        // handler would, or Start would resume on a grid nobody typed.
        forgetSetUp(state);
        return;
    }
    if (setUpFromRows(state, rows) == SetUpOutcome::RepeatedDigit) {
        if (by == StartedBy::Restart) {
            return stopQuietly(state, window);
        }
        // The grid now holds the refused rows: a status left by an earlier puzzle, such as
        // "Status : Complete", must not stand over them.
        window.setStatusCaption(captions::kStatusReady);
        ShowInputFormatError(window);
        return;
    }
    window.setStatusCaption(captions::kStatusCalculating);
    window.armTimer(TimerId::TT);
}

}  // namespace

void SB_Click(PuzzleState& state, WindowOps& window) {
    start(state, window, StartedBy::Person);
}

void restartSetUp(PuzzleState& state, WindowOps& window) {
    start(state, window, StartedBy::Restart);
}

}  // namespace quodrill

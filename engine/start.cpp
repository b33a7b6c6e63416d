#include "engine/start.h"

#include <string>

#include "engine/grid_check.h"
#include "ui/captions.h"

namespace quodrill {

bool isValidRow(std::string_view row) {
    if (row.size() != 9) {
        return false;
    }
    for (char ch : row) {
        if (ch < '0' || ch > '9') {
            return false;
        }
    }
    return true;
}

void ShowInputFormatError(WindowOps& window) {
    window.showWarningMessage(captions::kInputFormatPrompt, captions::kInputFormatTitle);
}

namespace {

void setUp(PuzzleState& state, WindowOps& window) {
    window.showRepeatCountLabel();
    state.SetUpDone = 1;

    for (int i = 0; i < 9; ++i) {
        if (!isValidRow(window.rowText(i))) {
            // Neither "Calculating..." nor "Complete" may stand over refused rows.
            window.setStatusCaption(captions::kStatusReady);
            ShowInputFormatError(window);
            window.setRowText(i, "");
            // Emptying the row is a change of the rows, which makes the next Start validate
            // again; a row that was empty already does not change, so reset here as the change
            // handler would, or Start would resume on a grid nobody typed.
            state.SetUpDone = 0;
            state.GuessCount = 0;
            return;
        }
    }

    for (int i = 0; i < 9; ++i) {
        const std::string row = window.rowText(i);
        for (int x = kFirst; x <= kLast; ++x) {
            state.Grid[x][i + 1] = row[x - 1];
        }
    }

    if (gridRepeatsDigit(state.Grid)) {
        // The grid now holds the refused rows: a status left by an earlier puzzle, such as
        // "Status : Complete", must not stand over them.
        window.setStatusCaption(captions::kStatusReady);
        ShowInputFormatError(window);
        return;
    }

    for (int x = kFirst; x <= kLast; ++x) {
        for (int y = kFirst; y <= kLast; ++y) {
            if (isBlank(state.Grid[x][y])) {
                for (int d = kFirst; d <= kLast; ++d) {
                    state.Candidates[x][y][d] = 1;
                }
            }
        }
    }
    state.StallCount = 0;
    window.setStatusCaption(captions::kStatusCalculating);
    window.armTimer(TimerId::TT);
}

}  // namespace

void SB_Click(PuzzleState& state, WindowOps& window) {
    if (state.SetUpDone != 0) {
        window.armTimer(TimerId::TT);
        return;
    }
    setUp(state, window);
}

}  // namespace quodrill

// The reference Start: validation, duplicate check and set-up.
#include "tests/oracle/oracle_engine.h"

#include <string>

#include "events/captions.h"

namespace quodrill::oracle {

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
            window.setStatusCaption(captions::kStatusReady);
            oracle::ShowInputFormatError(window);
            window.setRowText(i, "");
            state.SetUpDone = 0;  // also when the row was empty already
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
        // No status of an earlier puzzle, such as "Status : Complete", over the refused rows.
        window.setStatusCaption(captions::kStatusReady);
        oracle::ShowInputFormatError(window);
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

}  // namespace quodrill::oracle

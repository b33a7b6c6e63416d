// Start: row validation, the duplicate check, the set-up and the resume branch.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "events/captions.h"
#include "events/start.h"
#include "sources/examples.h"
#include "tests/support/candidate_entries.h"
#include "tests/support/fake_window.h"
#include "tests/support/grids.h"

namespace quodrill::testing {
namespace {

struct Session {
    PuzzleState state;
    ScriptedRandom random{{0.0f}};
    FakeWindow window{state, random};

    // Puts rows into the boxes as plain values, without change events.
    void placeRows(const Rows& rows) {
        for (int i = 0; i < 9; ++i) {
            window.rows[i] = std::string(rows[i]);
        }
    }
};

const Rows kTest1 = kExamplePuzzles[0].rows;

TEST(Start, SetUpCopiesRowsMarksBlankCellsAndArmsTheRun) {
    Session s;
    s.placeRows(kTest1);
    setCandidateEntry(s.state.Candidates, 3, 1, 5,
                      1);  // a given cell keeps what it had before the set-up
    s.state.StallCount = 5;
    s.state.GuessCount = 4;
    s.window.pressStart();

    EXPECT_TRUE(s.window.warnings.empty());
    EXPECT_EQ(s.state.SetUpDone, 1);
    EXPECT_EQ(s.state.StallCount, 0);
    EXPECT_EQ(s.state.GuessCount, 4);
    EXPECT_TRUE(s.window.repeatCountVisible);
    EXPECT_EQ(s.window.repeatCount, captions::kRepeatCountInitial);
    EXPECT_EQ(s.window.status, captions::kStatusCalculating);
    EXPECT_EQ(s.window.end, SolveEnd::Running);
    EXPECT_TRUE(s.window.isArmed(TimerId::TT));
    EXPECT_EQ(s.window.output, captions::kOutputInitial);  // the first pass renders

    EXPECT_EQ(s.state.Grid[1][1], '0');
    EXPECT_EQ(s.state.Grid[3][1], '7');
    EXPECT_EQ(s.state.Grid[1][2], '5');
    EXPECT_EQ(s.state.Grid[2][2], '8');
    EXPECT_EQ(candidateDigits(s.state, 1, 1), "123456789");
    EXPECT_EQ(candidateDigits(s.state, 3, 1), "5");
    int blanks = 0;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            if (s.state.Grid[c][r] == '0') {
                ++blanks;
                EXPECT_EQ(candidateDigits(s.state, c, r), "123456789");
            } else if (!(c == 3 && r == 1)) {
                EXPECT_EQ(candidateDigits(s.state, c, r), "");
            }
        }
    }
    EXPECT_EQ(blanks, 81 - 25);
}

TEST(Start, NineBlankRowsMarkEveryCandidate) {
    Session s;
    for (auto& row : s.window.rows) {
        row = "000000000";
    }
    s.window.pressStart();
    EXPECT_TRUE(s.window.warnings.empty());
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            EXPECT_EQ(candidateDigits(s.state, c, r), "123456789");
        }
    }
    EXPECT_TRUE(s.window.isArmed(TimerId::TT));
}

// Each kind of row failure: the message, then only that row emptied, which is a change.
TEST(Start, RowFailureEmptiesOnlyTheLowestFailingRow) {
    std::vector<std::string> failing = {
        "00000000",  "0000000000", "-00000000",  "+00000000",  "00000000.", "0000.0001",
        " 00000000", "00000000 ",  "0000e0000",  "0,000,000",  "&H0000000", "0x0000000",
        "00000000a", "test1",      "０00000000", "00000000\t",
    };
    // A byte beside the digits in the character table, in every place of the row.
    for (std::size_t at = 0; at < 9; ++at) {
        for (const char stray : {'/', ':', '\xB0', '\xB9'}) {
            std::string row(9, '5');
            row[at] = stray;
            failing.push_back(row);
        }
    }
    for (const std::string& bad : failing) {
        Session s;
        s.placeRows(kTest1);
        s.window.rows[4] = bad;
        s.window.rows[6] = "bad";
        const PuzzleState before = s.state;
        s.window.pressStart();

        ASSERT_EQ(s.window.warnings.size(), 1u) << bad;
        EXPECT_EQ(s.window.warnings[0].first, captions::kInputFormatPrompt);
        EXPECT_EQ(s.window.warnings[0].second, captions::kInputFormatTitle);
        EXPECT_EQ(s.window.rows[4], "") << bad;
        EXPECT_EQ(s.window.rows[6], "bad");
        for (int i : {0, 1, 2, 3, 5, 7, 8}) {
            EXPECT_EQ(s.window.rows[i], kTest1[i]);
        }
        EXPECT_EQ(s.window.changeRuns, 1);
        EXPECT_EQ(s.state.SetUpDone, 0);  // reset by the row change
        EXPECT_TRUE(s.window.repeatCountVisible);
        EXPECT_EQ(s.state.Grid, before.Grid);
        EXPECT_EQ(s.state.Candidates, before.Candidates);
        EXPECT_EQ(s.window.status, captions::kStatusReady);
        EXPECT_EQ(s.window.end, SolveEnd::RowRefused);
        EXPECT_FALSE(s.window.anyArmed());
        // The row is emptied only after the message.
        const auto warning = std::find(s.window.log.begin(), s.window.log.end(),
                                       "warning " + std::string(captions::kInputFormatPrompt) +
                                           " " + std::string(captions::kInputFormatTitle));
        ASSERT_NE(warning, s.window.log.end());
        EXPECT_EQ(*(warning + 1), "row 4 ");
    }
}

TEST(Start, EmptyRowsAreValidatedAgainAtEveryStartAndNeverGuessedOn) {
    Session s;
    for (int press = 1; press <= 4; ++press) {
        s.window.pressStart();  // all rows empty, as at program start: no row changes
        EXPECT_EQ(s.window.warnings.size(), static_cast<std::size_t>(press));
        EXPECT_EQ(s.state.SetUpDone, 0);
        EXPECT_FALSE(s.window.anyArmed());
        EXPECT_EQ(s.window.status, captions::kStatusReady);
    }
    EXPECT_EQ(s.window.runUntilIdle(10), 0);
    EXPECT_EQ(s.window.output, captions::kOutputInitial);
    EXPECT_EQ(s.state.GuessCount, 0);
}

TEST(Start, RepeatedDigitIsRefusedWithoutEmptying) {
    const Rows inRow = {"500050000", "000000000", "000000000", "000000000", "000000000",
                        "000000000", "000000000", "000000000", "000000000"};
    const Rows inColumn = {"000000000", "000000000", "000000000", "000000000", "003000000",
                           "000000000", "000000000", "003000000", "000000000"};
    const Rows inBox = {"000000000", "000000000", "000000000", "000000000", "000000000",
                        "000000000", "000000009", "000000000", "000000090"};
    for (const Rows& rows : {inRow, inColumn, inBox}) {
        Session s;
        s.placeRows(rows);
        s.state.StallCount = 3;
        s.window.pressStart();
        EXPECT_EQ(s.window.warnings.size(), 1u);
        EXPECT_EQ(s.window.changeRuns, 0);
        for (int i = 0; i < 9; ++i) {
            EXPECT_EQ(s.window.rows[i], rows[i]);
        }
        EXPECT_EQ(s.state.SetUpDone, 1);
        EXPECT_EQ(s.state.StallCount, 3);
        EXPECT_EQ(s.state.Grid[1][1], rows[0][0]);  // the grid already holds the new rows
        EXPECT_EQ(candidateDigits(s.state, 2, 1), "");
        EXPECT_EQ(s.window.status, captions::kStatusReady);
        EXPECT_EQ(s.window.end, SolveEnd::DigitRepeats);
        EXPECT_FALSE(s.window.anyArmed());

        // Without a row change, Start now only resumes.
        s.window.pressStart();
        EXPECT_EQ(s.window.warnings.size(), 1u);
        EXPECT_TRUE(s.window.isArmed(TimerId::TT));
    }
}

TEST(Start, ResumeOnlyArmsTheRunAgain) {
    Session s;
    s.placeRows(kTest1);
    s.window.pressStart();
    s.window.disarmTimer(TimerId::TT);
    s.state.StallCount = 2;
    setCandidateEntry(s.state.Candidates, 1, 1, 1, 0);
    s.window.rows[0] = "garbage";  // not looked at
    const PuzzleState before = s.state;
    s.window.log.clear();
    s.window.pressStart();
    EXPECT_EQ(s.window.log, std::vector<std::string>{"arm TT"});
    EXPECT_EQ(s.state.Grid, before.Grid);
    EXPECT_EQ(s.state.Candidates, before.Candidates);
    EXPECT_EQ(s.state.StallCount, 2);
}

}  // namespace
}  // namespace quodrill::testing

// The solve run: passes until the grid is full or nothing changes, and the stage it arms next.
#include <gtest/gtest.h>

#include <algorithm>

#include "events/captions.h"
#include "events/solve_tick.h"
#include "events/start.h"
#include "sources/examples.h"
#include "tests/support/fake_window.h"
#include "tests/support/grids.h"
#include "tests/support/replayable_random.h"

namespace quodrill::testing {
namespace {

struct Session {
    PuzzleState state;
    ScriptedRandom random{{0.0f}};
    FakeWindow window{state, random};

    long passes() const {
        return std::count_if(window.log.begin(), window.log.end(),
                             [](const std::string& line) { return line.rfind("output ", 0) == 0; });
    }
    void run() {
        window.log.clear();
        window.armTimer(TimerId::TT);
        window.log.clear();
        ASSERT_TRUE(window.runOneTick());
    }
};

const Rows kSolved = {"534678912", "672195348", "198342567", "859761423", "426853791",
                      "713924856", "961537284", "287419635", "345286179"};

TEST(SolveRun, FullGridTakesOnePassAndIsComplete) {
    for (std::int16_t stall : {0, 1, 2, 5}) {
        Session s;
        fillGrid(s.state, kSolved);
        s.state.StallCount = stall;
        s.run();
        EXPECT_EQ(s.passes(), 1);
        EXPECT_EQ(s.window.status, captions::kStatusComplete);
        EXPECT_EQ(s.state.SolvedFlag, 1);
        EXPECT_EQ(s.state.StallCount, stall);
        EXPECT_FALSE(s.window.isArmed(TimerId::TT));
        EXPECT_FALSE(s.window.isArmed(TimerId::Testt));
        EXPECT_EQ(s.window.isArmed(TimerId::SBT), stall == 2);
        EXPECT_EQ(s.window.output.substr(0, 11), "534678912\r\n");
    }
}

TEST(SolveRun, FullGridWithARepeatedDigitIsNotComplete) {
    Rows broken = kSolved;
    broken[8] = "345286171";  // 1 twice in row 9
    Session s;
    fillGrid(s.state, broken);
    s.run();
    EXPECT_EQ(s.passes(), 1);
    EXPECT_EQ(s.state.SolvedFlag, 0);
    EXPECT_EQ(s.window.status, captions::kStatusReady);
    EXPECT_EQ(s.state.StallCount, 1);  // the no-change test decides
    EXPECT_TRUE(s.window.isArmed(TimerId::Testt));
}

TEST(SolveRun, NineBlankRowsStallAfterOnePass) {
    Session s;
    for (auto& row : s.window.rows) {
        row = "000000000";
    }
    s.window.pressStart();
    s.window.log.clear();
    ASSERT_TRUE(s.window.runOneTick());
    EXPECT_EQ(s.passes(), 1);
    EXPECT_EQ(s.state.StallCount, 1);
    EXPECT_TRUE(s.window.isArmed(TimerId::Testt));
    EXPECT_FALSE(s.window.isArmed(TimerId::SBT));
    EXPECT_FALSE(s.window.isArmed(TimerId::TT));
    EXPECT_EQ(s.window.status, captions::kStatusCalculating);
    for (int line = 0; line < 9; ++line) {
        EXPECT_EQ(s.window.output.substr(line * 11, 11), "000000000\r\n");
    }
}

TEST(SolveRun, SecondStallArmsTheRestartAndLaterOnesNothing) {
    const std::pair<std::int16_t, std::int16_t> cases[] = {{1, 2}, {2, 3}, {32767, 32767}};
    for (auto [before, after] : cases) {
        Session s;
        setAllBlank(s.state);
        s.state.StallCount = before;
        s.run();
        EXPECT_EQ(s.state.StallCount, after);
        EXPECT_EQ(s.window.isArmed(TimerId::SBT), after == 2);
        EXPECT_FALSE(s.window.isArmed(TimerId::Testt));
        EXPECT_FALSE(s.window.isArmed(TimerId::TT));
    }
}

TEST(SolveRun, SweepGoesDownColumnsAndSeesEarlierPlacements) {
    Session s;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            s.state.Grid[c][r] = '0';
        }
    }
    setCandidates(s.state, 1, 4, {3});     // solved first: column 1 comes first
    setCandidates(s.state, 7, 4, {3, 8});  // same row, later column: 3 now fails, 8 solves
    // (1, 3) comes before (2, 1) down the columns but after it across the rows.
    setCandidates(s.state, 1, 3, {5});
    setCandidates(s.state, 2, 1, {5, 6});
    setCandidates(s.state, 2, 2, {6, 7});  // keep 6 and 7 from being box 1 hidden singles
    setCandidates(s.state, 3, 3, {6, 7});
    s.run();
    EXPECT_EQ(s.state.Grid[1][4], '3');
    EXPECT_EQ(s.state.Grid[7][4], '8');
    // Already in the first pass's output, (2, 1) holds 6.
    const auto first =
        std::find_if(s.window.log.begin(), s.window.log.end(),
                     [](const std::string& l) { return l.rfind("output ", 0) == 0; });
    ASSERT_NE(first, s.window.log.end());
    EXPECT_EQ(first->substr(7, 11), "060000000\r\n");
    EXPECT_EQ(first->substr(7 + 22, 11), "500000000\r\n");
}

TEST(SolveRun, RunEndsWhenAPassChangesNothingAndEveryPassIsShown) {
    Session s;
    s.window.rows = {"000000000", "000000000", "000000000", "000000000", "000000000",
                     "000000000", "000000000", "000000000", "123456780"};
    s.window.pressStart();
    s.window.log.clear();
    ASSERT_TRUE(s.window.runOneTick());
    // First pass solves (9, 9) with 9 and removes candidates; the last pass changes nothing.
    EXPECT_GE(s.passes(), 2);
    EXPECT_EQ(s.window.passes, s.passes());  // as the run counts them
    EXPECT_EQ(s.state.Grid[9][9], '9');
    EXPECT_EQ(s.state.StallCount, 1);
    // The last text shown is the grid the last pass left.
    EXPECT_EQ(s.window.output.substr(88), "123456789\r\n");
    EXPECT_EQ(s.window.log.back(), "disarm TT");
}

TEST(SolveRun, PropagationAloneSolvesSomeExamplesInTheFirstRun) {
    // test1 needs no guess.
    Session s;
    s.window.typeInto(0, "test1");
    s.window.pressStart();
    ASSERT_TRUE(s.window.runOneTick());
    EXPECT_EQ(s.window.status, captions::kStatusComplete);
    EXPECT_EQ(s.state.StallCount, 0);
    EXPECT_FALSE(s.window.anyArmed());
    EXPECT_TRUE(isSolvedGrid(s.state.Grid));
}

TEST(SolveRun, AfterEveryRunFilledCellsHaveNoCandidates) {
    PuzzleState state;
    ReplayableRandom random(7);
    FakeWindow window(state, random);
    window.typeInto(0, "test9");
    window.pressStart();
    for (int tick = 0; tick < 2000 && window.anyArmed(); ++tick) {
        const bool runTick = window.isArmed(TimerId::TT) && !window.isArmed(TimerId::Testt) &&
                             !window.isArmed(TimerId::SBT);
        window.runOneTick();
        if (!runTick) {
            continue;  // a guess leaves the guessed cell's candidates for the next pass
        }
        for (int c = 1; c <= 9; ++c) {
            for (int r = 1; r <= 9; ++r) {
                if (state.Grid[c][r] != '0') {
                    ASSERT_EQ(candidateDigits(state, c, r), "") << c << "," << r;
                }
            }
        }
    }
}

}  // namespace
}  // namespace quodrill::testing

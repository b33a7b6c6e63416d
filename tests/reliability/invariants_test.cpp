// The invariant check itself: it passes the states the program really reaches and names the
// first broken invariant of a state that breaks one.
#include <gtest/gtest.h>

#include <string>

#include "events/captions.h"
#include "events/start.h"
#include "sources/examples.h"
#include "tests/support/candidate_entries.h"
#include "tests/support/fake_window.h"
#include "tests/support/fuzz_random.h"
#include "tests/support/grids.h"
#include "tests/support/invariants.h"

namespace quodrill::testing {
namespace {

const Rows kSolved = {"534678912", "672195348", "198342567", "859761423", "426853791",
                      "713924856", "961537284", "287419635", "345286179"};

std::string violation(const PuzzleState& state, std::string_view status = captions::kStatusReady,
                      CheckPoint point = CheckPoint::BetweenHandlers) {
    return findInvariantViolation(state, status, point);
}

TEST(InvariantCheck, HoldsAtProgramStartAndForASolvedGrid) {
    PuzzleState state;
    EXPECT_EQ(violation(state), "");
    EXPECT_EQ(violation(state, captions::kStatusReady, CheckPoint::AfterSolveRun), "");

    fillGrid(state, kSolved);
    state.SolvedFlag = 1;
    state.SetUpDone = 1;
    state.StallCount = 32767;
    state.GuessCount = 32767;
    EXPECT_EQ(violation(state, captions::kStatusComplete, CheckPoint::AfterSolveRun), "");
}

TEST(InvariantCheck, NamesACellTextOutsideEmptyAndTheDigits) {
    for (const char bad : {' ', '+', '.', 'a', '\x7f', '\xe4', '\n'}) {
        PuzzleState state;
        fillGrid(state, kSolved);
        state.Grid[4][7] = bad;
        const std::string found = violation(state);
        EXPECT_NE(found.find("Grid(4, 7)"), std::string::npos) << found;
    }
}

TEST(InvariantCheck, NamesAWriteIntoTheUnusedGridElementZero) {
    PuzzleState grid;
    grid.Grid[0][3] = '5';
    EXPECT_NE(violation(grid).find("unused Grid element (0, 3)"), std::string::npos);
}

TEST(InvariantCheck, NamesCandidateBitsThatStandForNoDigit) {
    PuzzleState state;
    state.Candidates[static_cast<std::size_t>(cellIndex(2, 2))] = 1;  // bit 0
    EXPECT_NE(violation(state).find("Candidates of (2, 2) holds bits 1"), std::string::npos);

    PuzzleState snapshot;
    snapshot.CandidateSnapshot[static_cast<std::size_t>(cellIndex(9, 1))] = digitBit(10);
    EXPECT_NE(violation(snapshot).find("CandidateSnapshot of (9, 1) holds bits 1024"),
              std::string::npos);
}

TEST(InvariantCheck, FilledCellsKeepingCandidatesBreakOnlyAfterASolveRun) {
    // A set-up or a guess leaves such cells; the next pass clears them.
    PuzzleState state;
    fillGrid(state, kSolved);
    setCandidateEntry(state.Candidates, 3, 8, 6, 1);
    EXPECT_EQ(violation(state, captions::kStatusReady, CheckPoint::BetweenHandlers), "");
    const std::string found = violation(state, captions::kStatusReady, CheckPoint::AfterSolveRun);
    EXPECT_NE(found.find("(3, 8)"), std::string::npos) << found;
    EXPECT_NE(found.find("candidate 6"), std::string::npos) << found;

    // A blank cell may keep any candidates.
    setCandidateEntry(state.Candidates, 3, 8, 6, 0);
    state.Grid[2][2] = '0';
    setCandidateEntry(state.Candidates, 2, 2, 4, 1);
    EXPECT_EQ(violation(state, captions::kStatusReady, CheckPoint::AfterSolveRun), "");
}

TEST(InvariantCheck, NamesFlagsAndCountersOutOfRange) {
    const struct {
        std::int16_t PuzzleState::*member;
        std::int16_t value;
        const char* named;
    } cases[] = {
        {&PuzzleState::SetUpDone, 2, "SetUpDone is 2"},
        {&PuzzleState::SetUpDone, -1, "SetUpDone is -1"},
        {&PuzzleState::SolvedFlag, 2, "SolvedFlag is 2"},
        {&PuzzleState::StallCount, -1, "StallCount is -1"},
        {&PuzzleState::StallCount, -32768, "StallCount is -32768"},
        {&PuzzleState::GuessCount, -32768, "GuessCount is -32768"},
    };
    for (const auto& c : cases) {
        PuzzleState state;
        state.*c.member = c.value;
        EXPECT_NE(violation(state).find(c.named), std::string::npos) << c.named;
    }
}

TEST(InvariantCheck, CompleteStandsOnlyOverAFullGridWithoutARepeatedDigit) {
    PuzzleState blank;
    fillGrid(blank, kSolved);
    blank.Grid[9][9] = '0';
    EXPECT_NE(violation(blank, captions::kStatusComplete).find("(9, 9)"), std::string::npos);
    EXPECT_EQ(violation(blank, captions::kStatusCalculating), "");

    PuzzleState empty;  // the empty texts of program start
    EXPECT_NE(violation(empty, captions::kStatusComplete).find("Complete"), std::string::npos);

    // Swapping two cells of one row keeps every row whole but breaks two columns.
    PuzzleState repeated;
    fillGrid(repeated, kSolved);
    std::swap(repeated.Grid[1][1], repeated.Grid[2][1]);
    const std::string found = violation(repeated, captions::kStatusComplete);
    EXPECT_NE(found.find("repeats in column 1"), std::string::npos) << found;
    EXPECT_EQ(violation(repeated, captions::kStatusStopped), "");
}

TEST(InvariantCheck, FindsARepeatInEveryKindOfUnit) {
    PuzzleState state;
    fillGrid(state, {"100000000", "000000000", "000000000", "000000000", "000000000", "000000000",
                     "000000000", "000000000", "000000000"});
    EXPECT_EQ(findRepeatedDigit(state.Grid), "");
    state.Grid[9][1] = '1';
    EXPECT_EQ(findRepeatedDigit(state.Grid), "digit 1 repeats in row 1");
    state.Grid[9][1] = '0';
    state.Grid[1][9] = '1';
    EXPECT_EQ(findRepeatedDigit(state.Grid), "digit 1 repeats in column 1");
    state.Grid[1][9] = '0';
    state.Grid[3][3] = '1';
    EXPECT_EQ(findRepeatedDigit(state.Grid), "digit 1 repeats in box 1");
}

// Every example solved through the fake window, checked after every handler.
TEST(InvariantCheck, HoldsAfterEveryTickOfEveryExampleSolve) {
    for (const ExamplePuzzle& example : kExamplePuzzles) {
        PuzzleState state;
        fuzzing::FuzzRandom random(2024);
        FakeWindow window(state, random);
        window.logging = false;
        window.typeInto(0, example.keyword);
        window.pressStart();
        ASSERT_EQ(violation(state, window.status), "") << example.keyword;
        for (int tick = 0; tick < 400 && window.anyArmed(); ++tick) {
            const long passes = window.outputWrites;
            window.runOneTick();
            // Only a solve run writes the output field.
            const CheckPoint point = window.outputWrites > passes ? CheckPoint::AfterSolveRun
                                                                  : CheckPoint::BetweenHandlers;
            ASSERT_EQ(violation(state, window.status, point), "")
                << example.keyword << " tick " << tick;
        }
    }
}

}  // namespace
}  // namespace quodrill::testing

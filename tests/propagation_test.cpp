// The three propagation techniques and the clearing of filled cells, on small hand-built states.
#include <gtest/gtest.h>

#include "solver/propagation.h"
#include "tests/support/candidate_entries.h"
#include "tests/support/grids.h"
#include "tests/support/one_shot_steps.h"

namespace quodrill::testing {
namespace {

// Every cell "0" with no candidate: a quiet background for one technique at a time.
PuzzleState quietState() {
    PuzzleState state;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            state.Grid[c][r] = '0';
        }
    }
    return state;
}

// Cell trial --------------------------------------------------------------------------------

TEST(CellTrial, SingleFittingCandidateSolvesTheCell) {
    PuzzleState state = quietState();
    setCandidates(state, 4, 4, {7});
    TryCellCandidates(state, 4, 4);
    EXPECT_EQ(state.Grid[4][4], '7');
    EXPECT_EQ(candidateDigits(state, 4, 4), "");
}

TEST(CellTrial, NoCandidateChangesNothing) {
    PuzzleState state = quietState();
    state.Grid[1][1] = '5';
    const PuzzleState before = state;
    TryCellCandidates(state, 4, 4);
    EXPECT_EQ(state.Grid, before.Grid);
    EXPECT_EQ(state.Candidates, before.Candidates);
}

TEST(CellTrial, SingleCandidateStandingInTheRowIsRemoved) {
    PuzzleState state = quietState();
    state.Grid[9][4] = '3';
    setCandidates(state, 4, 4, {3});
    TryCellCandidates(state, 4, 4);
    EXPECT_EQ(state.Grid[4][4], '0');
    EXPECT_EQ(candidateDigits(state, 4, 4), "");
}

TEST(CellTrial, LowFailingDigitLetsTheHighestSolveInTheSameCall) {
    PuzzleState state = quietState();
    state.Grid[5][9] = '2';  // in the column of (5, 1)
    setCandidates(state, 5, 1, {2, 6});
    TryCellCandidates(state, 5, 1);
    EXPECT_EQ(state.Grid[5][1], '6');
    EXPECT_EQ(candidateDigits(state, 5, 1), "");
}

TEST(CellTrial, HigherUntriedDigitStillCountsAsRemaining) {
    PuzzleState state = quietState();
    state.Grid[6][3] = '6';  // in the box of (5, 1)
    setCandidates(state, 5, 1, {2, 6});
    TryCellCandidates(state, 5, 1);
    EXPECT_EQ(state.Grid[5][1], '0');
    EXPECT_EQ(candidateDigits(state, 5, 1), "2");
}

TEST(CellTrial, TwoFittingCandidatesBothStay) {
    PuzzleState state = quietState();
    setCandidates(state, 5, 1, {2, 6});
    TryCellCandidates(state, 5, 1);
    EXPECT_EQ(state.Grid[5][1], '0');
    EXPECT_EQ(candidateDigits(state, 5, 1), "26");
}

TEST(CellTrial, RepeatAnywhereInTheGridFailsEveryCandidate) {
    PuzzleState state = quietState();
    state.Grid[7][7] = '1';
    state.Grid[9][9] = '1';  // box 9 repeats 1, far from (1, 1)
    setCandidates(state, 1, 1, {2, 5, 8});
    setCandidates(state, 2, 2, {4});
    const PuzzleState before = state;
    TryCellCandidates(state, 1, 1);
    EXPECT_EQ(state.Grid[1][1], '0');
    EXPECT_EQ(candidateDigits(state, 1, 1), "");
    // Nothing else moved.
    state.Candidates[cellIndex(1, 1)] = before.Candidates[cellIndex(1, 1)];
    EXPECT_EQ(state.Grid, before.Grid);
    EXPECT_EQ(state.Candidates, before.Candidates);
}

// Box hidden singles ------------------------------------------------------------------------

TEST(HiddenSingles, LoneCandidateCellInABoxReceivesTheDigit) {
    PuzzleState state = quietState();
    setCandidates(state, 6, 5, {4, 8});  // cell 6 of box 5
    setCandidates(state, 2, 5, {4});     // row 5, outside the box
    setCandidates(state, 6, 1, {4});     // column 6, outside the box
    PlaceHiddenSinglesInBoxes(state);
    EXPECT_EQ(state.Grid[6][5], '4');
    EXPECT_EQ(candidateDigits(state, 6, 5), "");
    // Placed digits are not removed from other cells' candidates; (2, 5) and (6, 1) are the lone
    // cells of their own boxes, so they receive 4 too.
    EXPECT_EQ(state.Grid[2][5], '4');
    EXPECT_EQ(state.Grid[6][1], '4');
}

TEST(HiddenSingles, DigitPresentInTheBoxIsSkipped) {
    PuzzleState state = quietState();
    state.Grid[1][1] = '4';
    setCandidates(state, 2, 2, {4});
    PlaceHiddenSinglesInBoxes(state);
    EXPECT_EQ(state.Grid[2][2], '0');
    EXPECT_EQ(candidateDigits(state, 2, 2), "4");
}

TEST(HiddenSingles, TwoCandidateCellsOrNonePlaceNothing) {
    PuzzleState state = quietState();
    setCandidates(state, 1, 1, {3});
    setCandidates(state, 3, 3, {3});
    const PuzzleState before = state;
    PlaceHiddenSinglesInBoxes(state);
    EXPECT_EQ(state.Grid, before.Grid);
    EXPECT_EQ(state.Candidates, before.Candidates);
}

TEST(HiddenSingles, LowerDigitWinsASharedCell) {
    PuzzleState state = quietState();
    setCandidates(state, 5, 5, {2, 7});
    PlaceHiddenSinglesInBoxes(state);
    EXPECT_EQ(state.Grid[5][5], '2');
    EXPECT_EQ(candidateDigits(state, 5, 5), "");
}

TEST(HiddenSingles, FilledCellWithFlagsIsCountedAndOverwritten) {
    // As after a random guess: the cell holds a digit but keeps its flags.
    PuzzleState state = quietState();
    state.Grid[8][8] = '5';
    setCandidates(state, 8, 8, {3, 5});
    PlaceHiddenSinglesInBoxes(state);
    EXPECT_EQ(state.Grid[8][8], '3');
    EXPECT_EQ(candidateDigits(state, 8, 8), "");
}

TEST(HiddenSingles, LaterBoxSeesEarlierPlacement) {
    PuzzleState state = quietState();
    setCandidates(state, 3, 3, {6});     // box 1: 6 placed here
    setCandidates(state, 4, 1, {6, 9});  // box 2, two cells for 6 ...
    setCandidates(state, 5, 2, {6});
    state.Grid[4][3] = '9';  // ... and 9 present in box 2
    PlaceHiddenSinglesInBoxes(state);
    EXPECT_EQ(state.Grid[3][3], '6');
    EXPECT_EQ(state.Grid[4][1], '0');  // two candidate cells for 6 in box 2
    EXPECT_EQ(state.Grid[5][2], '0');
}

// Pointing elimination in rows --------------------------------------------------------------

// Sets digit v as a candidate of every cell of row y.
void markRow(PuzzleState& state, int y, int v) {
    for (int x = 1; x <= 9; ++x) {
        setCandidateEntry(state.Candidates, x, y, v, 1);
    }
}

TEST(Pointing, PairInOneBoxRowClearsTheRestOfTheGridRow) {
    PuzzleState state = quietState();
    markRow(state, 1, 5);
    setCandidateEntry(state.Candidates, 2, 1, 5,
                      0);  // box 1: candidates for 5 in cells 1 and 3 only
    setCandidateEntry(state.Candidates, 4, 2, 5, 1);  // another row, untouched
    EliminatePointingInRows(state);
    EXPECT_EQ(candidateEntry(state.Candidates, 1, 1, 5), 1);
    EXPECT_EQ(candidateEntry(state.Candidates, 3, 1, 5), 1);
    for (int x = 4; x <= 9; ++x) {
        EXPECT_EQ(candidateEntry(state.Candidates, x, 1, 5), 0) << x;
    }
    EXPECT_EQ(candidateEntry(state.Candidates, 4, 2, 5), 1);
}

TEST(Pointing, TripleInTheMiddleOfBoxFiveClearsBothSides) {
    PuzzleState state = quietState();
    for (int x = 4; x <= 6; ++x) {
        setCandidateEntry(state.Candidates, x, 5, 8, 1);
    }
    // Boxes 4 and 6 keep 8 in two of their rows each, so at first only box 5 points.
    for (int x : {1, 3, 7, 9}) {
        setCandidateEntry(state.Candidates, x, 5, 8, 1);
        setCandidateEntry(state.Candidates, x, 4, 8, 1);
    }
    setCandidateEntry(state.Candidates, 1, 5, 7, 1);  // another digit, untouched
    EliminatePointingInRows(state);
    for (int x = 1; x <= 9; ++x) {
        EXPECT_EQ(candidateEntry(state.Candidates, x, 5, 8), x >= 4 && x <= 6 ? 1 : 0) << x;
    }
    // Box 6 comes after box 5 and sees its removal: its 8s now lie in row 4 only, so it clears
    // row 4 outside itself.
    EXPECT_EQ(candidateEntry(state.Candidates, 1, 4, 8), 0);
    EXPECT_EQ(candidateEntry(state.Candidates, 3, 4, 8), 0);
    EXPECT_EQ(candidateEntry(state.Candidates, 7, 4, 8), 1);
    EXPECT_EQ(candidateEntry(state.Candidates, 9, 4, 8), 1);
    EXPECT_EQ(candidateEntry(state.Candidates, 1, 5, 7), 1);
}

TEST(Pointing, BottomRowOfBoxNine) {
    PuzzleState state = quietState();
    markRow(state, 9, 2);
    // Boxes 7 and 8 hold three candidates each in row 9 too: they clear each other and box 9's
    // cells, so the first box in order decides. Keep only box 9's triple to see it alone.
    for (int x = 1; x <= 6; ++x) {
        setCandidateEntry(state.Candidates, x, 9, 2, 0);
    }
    setCandidateEntry(state.Candidates, 2, 9, 2, 1);
    setCandidateEntry(state.Candidates, 2, 8, 2,
                      1);  // box 7 now has cells in two rows: no effect from it
    EliminatePointingInRows(state);
    EXPECT_EQ(candidateEntry(state.Candidates, 2, 9, 2), 0);
    EXPECT_EQ(candidateEntry(state.Candidates, 2, 8, 2), 1);
    for (int x = 7; x <= 9; ++x) {
        EXPECT_EQ(candidateEntry(state.Candidates, x, 9, 2), 1);
    }
}

TEST(Pointing, CandidatesInTwoRowsOrOneColumnChangeNothing) {
    PuzzleState state = quietState();
    setCandidateEntry(state.Candidates, 1, 1, 4, 1);  // box 1, rows 1 and 2
    setCandidateEntry(state.Candidates, 2, 2, 4, 1);
    setCandidateEntry(state.Candidates, 7, 1, 4, 1);
    setCandidateEntry(state.Candidates, 1, 4, 6, 1);  // box 4, one column (cells 1, 4, 7)
    setCandidateEntry(state.Candidates, 1, 5, 6, 1);
    setCandidateEntry(state.Candidates, 1, 6, 6, 1);
    setCandidateEntry(state.Candidates, 5, 4, 6, 1);
    const PuzzleState before = state;
    EliminatePointingInRows(state);
    EXPECT_EQ(state.Candidates, before.Candidates);
}

TEST(Pointing, SingleOrFourCandidateCellsOrPresentDigitChangeNothing) {
    PuzzleState state = quietState();
    setCandidateEntry(state.Candidates, 1, 1, 1, 1);  // box 1: one cell for 1
    setCandidateEntry(state.Candidates, 9, 1, 1, 1);
    setCandidateEntry(state.Candidates, 4, 4, 3, 1);  // box 5: four cells for 3
    setCandidateEntry(state.Candidates, 5, 4, 3, 1);
    setCandidateEntry(state.Candidates, 6, 4, 3, 1);
    setCandidateEntry(state.Candidates, 4, 5, 3, 1);
    setCandidateEntry(state.Candidates, 1, 4, 3, 1);
    state.Grid[8][8] = '9';  // box 9 holds 9; two cells in one row still carry it
    setCandidateEntry(state.Candidates, 7, 7, 9, 1);
    setCandidateEntry(state.Candidates, 9, 7, 9, 1);
    setCandidateEntry(state.Candidates, 1, 7, 9, 1);
    const PuzzleState before = state;
    EliminatePointingInRows(state);
    EXPECT_EQ(state.Candidates, before.Candidates);
}

// Solved-cell clearing -----------------------------------------------------------------------

TEST(ClearSolved, FilledCellsLoseEveryFlagBlankCellsKeepTheirs) {
    PuzzleState state = quietState();
    state.Grid[3][3] = '7';
    setCandidates(state, 3, 3, {2, 7});
    setCandidates(state, 4, 4, {1, 9});
    state.Grid[5][5] = kEmptyCell;  // reads as blank
    setCandidates(state, 5, 5, {3});
    ClearSolvedCellCandidates(state);
    EXPECT_EQ(candidateDigits(state, 3, 3), "");
    EXPECT_EQ(candidateDigits(state, 4, 4), "19");
    EXPECT_EQ(candidateDigits(state, 5, 5), "3");
}

}  // namespace
}  // namespace quodrill::testing

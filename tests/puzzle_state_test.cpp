// The cell tests, the box index and the counters of the puzzle state.
#include "solver/puzzle_state.h"
#include "tests/support/candidate_entries.h"

#include <gtest/gtest.h>

namespace quodrill {
namespace {

TEST(PuzzleState, StartsEmptyAndZero) {
    const PuzzleState state;
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            EXPECT_EQ(state.Grid[c][r], kEmptyCell);
            for (int d = kFirst; d <= kLast; ++d) {
                EXPECT_EQ(candidateEntry(state.Candidates, c, r, d), 0);
            }
        }
    }
    EXPECT_EQ(state.SetUpDone, 0);
    EXPECT_EQ(state.SolvedFlag, 0);
    EXPECT_EQ(state.StallCount, 0);
    EXPECT_EQ(state.GuessCount, 0);
}

TEST(PuzzleState, BlankAndDigitTests) {
    EXPECT_TRUE(isBlank('0'));
    EXPECT_TRUE(isBlank(kEmptyCell));
    for (int d = 1; d <= 9; ++d) {
        EXPECT_FALSE(isBlank(digitText(d)));
        EXPECT_EQ(heldDigit(digitText(d)), digitBit(d));
    }
    for (const CellText noDigit : {'0', kEmptyCell, ' ', '.', 'a', '/', ':', '\x81'}) {
        EXPECT_EQ(heldDigit(noDigit), 0) << static_cast<int>(noDigit);
    }
}

TEST(PuzzleState, BoxIndexMapsEveryCellOnce) {
    EXPECT_EQ(boxCellColumn(5, 5), 5);
    EXPECT_EQ(boxCellRow(5, 5), 5);
    EXPECT_EQ(boxCellColumn(9, 9), 9);
    EXPECT_EQ(boxCellRow(9, 9), 9);
    EXPECT_EQ(boxCellColumn(6, 1), 7);
    EXPECT_EQ(boxCellRow(6, 1), 4);

    int seen[kSpan][kSpan] = {};
    for (int b = 1; b <= 9; ++b) {
        for (int k = 1; k <= 9; ++k) {
            const int c = boxCellColumn(b, k);
            const int r = boxCellRow(b, k);
            ASSERT_GE(c, 1);
            ASSERT_LE(c, 9);
            ASSERT_GE(r, 1);
            ASSERT_LE(r, 9);
            EXPECT_EQ((c - 1) / 3 + 3 * ((r - 1) / 3) + 1, b);
            ++seen[c][r];
        }
    }
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            EXPECT_EQ(seen[c][r], 1);
        }
    }
}

TEST(PuzzleState, CountersStopAt32767) {
    std::int16_t counter = 32766;
    EXPECT_TRUE(increaseCounter(counter));
    EXPECT_EQ(counter, 32767);
    EXPECT_FALSE(increaseCounter(counter));
    EXPECT_EQ(counter, 32767);
}

}  // namespace
}  // namespace quodrill

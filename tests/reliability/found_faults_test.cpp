// Faults that the fuzzers found, each kept as a test of the behaviour that mends it. The inputs
// that found them are also in fuzz/corpus/, where the corpus tests replay them.
#include <gtest/gtest.h>

#include "events/captions.h"
#include "sources/examples.h"
#include "tests/reliability/checked_chain.h"
#include "tests/support/invariants.h"

namespace quodrill::testing {
namespace {

// Found by fuzz_actions: after a solved puzzle, rows that repeat a digit were refused by Start
// with the message, but the grid took them and "Status : Complete" stayed; a further Start then
// showed the refused grid, blanks and all, under "Status : Complete".
TEST(FoundFault, CompleteNeverStandsOverRowsThatStartRefused) {
    CheckedChain chain(3);
    chain.window.typeInto(0, "test5");
    chain.window.pressStart();
    ASSERT_EQ(chain.runTicks(2000), "");
    ASSERT_EQ(chain.window.status, captions::kStatusComplete);

    chain.window.setRowText(0, "404000700");  // the digit 4 twice in the first row
    chain.window.pressStart();
    EXPECT_EQ(chain.window.warnings.size(), 1u);
    EXPECT_EQ(chain.window.status, captions::kStatusReady);
    EXPECT_EQ(findInvariantViolation(chain.state, chain.window.status, CheckPoint::BetweenHandlers),
              "");

    // Start again resumes on the refused grid: it is shown, but never as complete.
    chain.window.pressStart();
    ASSERT_EQ(chain.runTicks(2000), "");
    EXPECT_NE(chain.window.status, captions::kStatusComplete);
}

}  // namespace
}  // namespace quodrill::testing

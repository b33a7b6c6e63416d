#include "events/row_change.h"

#include <string>

#include "solver/set_up.h"
#include "sources/examples.h"

namespace quodrill {

void T_Change(PuzzleState& state, WindowOps& window, int /*index*/) {
    forgetSetUp(state);

    // Only the first row is looked at, whichever row changed; the match is exact.
    const std::string first = window.rowText(0);
    for (const ExamplePuzzle& example : kExamplePuzzles) {
        if (first == example.keyword) {
            for (int i = 0; i < 9; ++i) {
                window.setRowText(i, example.rows[static_cast<std::size_t>(i)]);
            }
            showNewPuzzle(window);
            return;
        }
    }
}

void showNewPuzzle(WindowOps& window) {
    window.showSolveEnd(SolveEnd::Ready);
}

}  // namespace quodrill

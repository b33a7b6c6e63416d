#include "headless/solution_count.h"

#include "solver/puzzle_state.h"

namespace quodrill {

int countSolutions(std::string_view cells) {
    GridArray grid{};
    for (int r = kFirst; r <= kLast; ++r) {
        for (int c = kFirst; c <= kLast; ++c) {
            grid[c][r] = cells[static_cast<std::size_t>(9 * (r - 1) + c - 1)];
        }
    }
    CandidateMasks anyDigit;
    anyDigit.fill(kAllDigits);
    GridArray first{};
    return countCompletions(grid, anyDigit, 2, first);
}

std::string solutionsInWords(int solutions) {
    switch (solutions) {
        case 0:
            return "it has no solution";
        case 1:
            return "it has 1 solution";
        case kCompletionsUnknown:
            return "its solutions are not known (the count gave up)";
        default:
            return "it has 2 or more solutions";
    }
}

}  // namespace quodrill

// The candidates of a state read and written entry by entry, Candidates(c, r, d) as 0 or 1, for
// the tests and the straightforward reference engine.
#pragma once

#include <cstddef>

#include "solver/puzzle_state.h"

namespace quodrill {

inline int candidateEntry(const CandidateMasks& masks, int column, int row, int digit) {
    return (masks[static_cast<std::size_t>(cellIndex(column, row))] & digitBit(digit)) != 0 ? 1 : 0;
}

inline void setCandidateEntry(CandidateMasks& masks, int column, int row, int digit, int value) {
    DigitMask& mask = masks[static_cast<std::size_t>(cellIndex(column, row))];
    mask = static_cast<DigitMask>(value != 0 ? mask | digitBit(digit) : mask & ~digitBit(digit));
}

}  // namespace quodrill

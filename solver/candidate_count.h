// Which digits some cell, and which several cells, of a group have as a candidate: what box
// hidden singles and pointing ask of a box's nine masks, answered for all nine digits at once.
#pragma once

#include "solver/puzzle_state.h"

namespace quodrill {

struct CandidateCount {
    DigitMask some = 0;     // digits that at least one cell of the group has
    DigitMask several = 0;  // digits that at least two cells of the group have
};

constexpr CandidateCount countThree(DigitMask a, DigitMask b, DigitMask c) {
    return {static_cast<DigitMask>(a | b | c), static_cast<DigitMask>((a & b) | (c & (a | b)))};
}

// The count of two groups that share no cell, taken together.
constexpr CandidateCount join(CandidateCount x, CandidateCount y) {
    return {static_cast<DigitMask>(x.some | y.some),
            static_cast<DigitMask>(x.several | y.several | (x.some & y.some))};
}

}  // namespace quodrill

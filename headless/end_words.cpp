#include "headless/end_words.h"

namespace quodrill {

EndWords endWords(SolveEnd end) {
    switch (end) {
        case SolveEnd::Solved:
            return {"solved", "solved"};
        case SolveEnd::RowRefused:
            return {"refused", "refused at Start: a row is not nine digits"};
        case SolveEnd::DigitRepeats:
            return {"refused", "refused at Start: a digit repeats in a row, column or box"};
        case SolveEnd::GuessLimit:
            return {"gave up", "gave up after"};
        case SolveEnd::NoGuessFinishes:
            return {"no single guess completes it", "no single guess completes it"};
        case SolveEnd::Ready:
        case SolveEnd::Running:
            break;
    }
    return {"not solved", "not solved"};
}

}  // namespace quodrill

// The lines of `quodrill --solve` on their way from the input to the output: puzzles solved on
// several threads at once, each line handed back in input order, with a bounded window of lines
// in flight so that memory stays flat however long the input.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "headless/puzzle_solve.h"
#include "solver/guess_outcomes.h"
#include "solver/random_source.h"

namespace quodrill {

// One line of the input: a puzzle to solve, or a line whose message is known as it is read.
struct QueuedLine {
    std::string input;    // the name of the input it comes from
    long line = 0;        // its first line; 0 for a message about a whole input
    std::string cells;    // the 81 cells of a puzzle to solve; empty for a line that is not solved
    std::string message;  // why a line is no puzzle, or what befell an input
    std::unique_ptr<RandomSource> random;  // the draws of the puzzle, made in input order
    PuzzleSolve solve;                     // the puzzle solved, once it is
    bool countSolutions = false;           // count the puzzle's solutions too, into `solutions`
    int solutions = 0;                     // 0, 1, 2 for two or more, or kCompletionsUnknown
};

// Lines solved by `jobs` threads and handed to `deliver` one at a time, in the order they were
// added: the thread that solves the oldest line delivers it, and the solved lines after it;
// `deliver` returns false to stop. With one job, every line is solved and delivered in the
// calling thread as it is added, and so is everything up to the first puzzle: the threads start
// one with each puzzle after it, up to `jobs`, so that one puzzle alone does not pay for them and
// a few do not pay for more threads than they can use.
class SolveQueue {
  public:
    using Deliver = std::function<bool(QueuedLine&)>;

    // Lines added but not yet delivered, for each job: enough to keep every thread busy behind a
    // puzzle that takes long.
    static constexpr std::size_t kLinesPerJob = 64;

    SolveQueue(int jobs, const SolveSettings& settings, Deliver deliver);
    ~SolveQueue();
    SolveQueue(const SolveQueue&) = delete;
    SolveQueue& operator=(const SolveQueue&) = delete;

    // Adds the next line, waiting while the window is full; false once `deliver` has stopped.
    bool add(QueuedLine line);
    // Waits until every line added has been delivered, or `deliver` stopped, and ends the threads.
    void finish();
    bool stopped() const;

  private:
    void startSolver();
    void solveInTurn();
    void deliverSolved(std::unique_lock<std::mutex>& lock);
    void solve(QueuedLine& line, GuessOutcomes& outcomes) const;

    struct Slot {
        QueuedLine line;
        bool done = false;
    };
    Slot& slotOf(std::size_t number) { return slots_[number % slots_.size()]; }

    const SolveSettings settings_;
    const Deliver deliver_;
    int jobs_;  // at most the threads to start; fewer once no more are to be had
    bool puzzleSolvedHere_ = false;            // the calling thread has solved a puzzle
    std::unique_ptr<GuessOutcomes> outcomes_;  // those of the calling thread

    mutable std::mutex mutex_;
    std::condition_variable roomFreed_;  // for add
    std::condition_variable lineAdded_;  // for the solving threads
    std::vector<Slot> slots_;            // empty until the threads start
    std::size_t added_ = 0;              // lines added
    std::size_t taken_ = 0;              // lines taken up by a solving thread
    std::size_t delivered_ = 0;          // lines delivered
    bool delivering_ = false;            // a solving thread is delivering lines
    bool finished_ = false;
    bool stopped_ = false;
    std::vector<std::thread> solvers_;
};

}  // namespace quodrill

#include "headless/solve_queue.h"

#include <system_error>
#include <utility>

#include "headless/solution_count.h"

namespace quodrill {

SolveQueue::SolveQueue(int jobs, const SolveSettings& settings, Deliver deliver)
    : settings_(settings),
      deliver_(std::move(deliver)),
      jobs_(jobs),
      outcomes_(std::make_unique<GuessOutcomes>()) {}

// One more solving thread; with none to be had, the lines go on as they are: in this thread when
// no solving thread has started yet, else on those that have.
void SolveQueue::startSolver() {
    if (slots_.empty()) {
        slots_.resize(kLinesPerJob * static_cast<std::size_t>(jobs_));
    }
    try {
        solvers_.emplace_back([this] { solveInTurn(); });
    } catch (const std::system_error&) {
        if (solvers_.empty()) {
            slots_.clear();
            jobs_ = 1;
        } else {
            jobs_ = static_cast<int>(solvers_.size());
        }
    }
}

SolveQueue::~SolveQueue() {
    finish();
}

void SolveQueue::solve(QueuedLine& line, GuessOutcomes& outcomes) const {
    if (!line.cells.empty()) {
        line.solve = solvePuzzle(line.cells, *line.random, settings_, outcomes);
        if (line.countSolutions) {
            line.solutions = countSolutions(line.cells);
        }
    }
}

bool SolveQueue::add(QueuedLine line) {
    if (!line.cells.empty()) {
        // The first puzzle is solved here, and every one after it starts a thread until there
        // are `jobs`: never more threads than puzzles.
        if (puzzleSolvedHere_ && solvers_.size() < static_cast<std::size_t>(jobs_) && jobs_ > 1 &&
            !stopped_) {
            startSolver();
        }
        puzzleSolvedHere_ = true;
    }
    if (slots_.empty()) {
        if (!stopped_) {
            solve(line, *outcomes_);
            stopped_ = !deliver_(line);
        }
        return !stopped_;
    }
    std::unique_lock lock(mutex_);
    roomFreed_.wait(lock, [this] { return stopped_ || added_ - delivered_ < slots_.size(); });
    if (stopped_) {
        return false;
    }
    slotOf(added_) = Slot{std::move(line), false};
    ++added_;
    lineAdded_.notify_one();
    return true;
}

void SolveQueue::finish() {
    {
        const std::lock_guard lock(mutex_);
        finished_ = true;
    }
    lineAdded_.notify_all();
    for (std::thread& solver : solvers_) {
        solver.join();
    }
    solvers_.clear();
}

bool SolveQueue::stopped() const {
    const std::lock_guard lock(mutex_);
    return stopped_;
}

// A solving thread: takes up the lines one after the other, each with the thread's own outcomes.
void SolveQueue::solveInTurn() {
    const auto outcomes = std::make_unique<GuessOutcomes>();
    std::unique_lock lock(mutex_);
    for (;;) {
        lineAdded_.wait(lock, [this] { return stopped_ || finished_ || taken_ < added_; });
        if (stopped_ || taken_ == added_) {
            return;
        }
        Slot& slot = slotOf(taken_++);
        // The slot is this thread's alone until it is done: the window does not move past it.
        lock.unlock();
        solve(slot.line, *outcomes);
        lock.lock();
        slot.done = true;
        deliverSolved(lock);
    }
}

// Delivers the oldest lines as long as they are solved, unless another thread is at it: that one
// then delivers this thread's line too, once it comes to it.
void SolveQueue::deliverSolved(std::unique_lock<std::mutex>& lock) {
    if (delivering_) {
        return;
    }
    delivering_ = true;
    while (!stopped_ && delivered_ < added_ && slotOf(delivered_).done) {
        Slot& slot = slotOf(delivered_);
        lock.unlock();
        const bool goOn = deliver_(slot.line);
        slot.line = {};
        lock.lock();
        ++delivered_;
        if (!goOn) {
            stopped_ = true;
            lineAdded_.notify_all();
            roomFreed_.notify_all();
        } else if (added_ - delivered_ == slots_.size() / 2) {
            // A full window wakes the reading thread once it is half empty, not at every line.
            roomFreed_.notify_one();
        }
    }
    delivering_ = false;
}

}  // namespace quodrill

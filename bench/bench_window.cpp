#include "bench/bench_window.h"

#include "events/row_text.h"
#include "sources/examples.h"

namespace quodrill::bench {

namespace {

int timerIndex(TimerId timer) {
    return static_cast<int>(timer);
}

}  // namespace

BenchWindow::BenchWindow(PuzzleState& state, RandomSource& random, EngineHandlers engine)
    : state_(state), random_(random), engine_(engine) {}

std::string BenchWindow::rowText(int index) const {
    return rows[static_cast<std::size_t>(index)];
}

// Keeps what the real row box keeps.
void BenchWindow::setRowText(int index, std::string_view written) {
    const std::string_view text = keptRowText(written);
    std::string& row = rows[static_cast<std::size_t>(index)];
    if (row == text) {
        return;
    }
    row = text;
    T_Change(state_, *this, index);
}

void BenchWindow::setOutputText(std::string_view text) {
    output.assign(text);  // the capacity is kept, so no allocation after the first pass
    ++outputWrites;
}

void BenchWindow::armTimer(TimerId timer) {
    std::uint64_t& at = armedAt_[static_cast<std::size_t>(timerIndex(timer))];
    if (at == 0) {
        at = ++armSequence_;
    }
}

void BenchWindow::disarmTimer(TimerId timer) {
    armedAt_[static_cast<std::size_t>(timerIndex(timer))] = 0;
}

bool BenchWindow::nextTimer(TimerId& timer) const {
    int earliest = -1;
    for (int i = 0; i < kTimerCount; ++i) {
        const std::uint64_t at = armedAt_[static_cast<std::size_t>(i)];
        if (at != 0 && (earliest < 0 || at < armedAt_[static_cast<std::size_t>(earliest)])) {
            earliest = i;
        }
    }
    timer = static_cast<TimerId>(earliest < 0 ? 0 : earliest);
    return earliest >= 0;
}

bool BenchWindow::runOneTick() {
    TimerId timer = TimerId::TT;
    if (!nextTimer(timer)) {
        return false;
    }
    ++ticks;
    engine_.runTimer(timer, state_, *this, random_);
    return true;
}

void BenchWindow::solve(const std::array<std::string_view, 9>& puzzle, long maxTicks) {
    for (int i = 0; i < 9; ++i) {
        setRowText(i, puzzle[static_cast<std::size_t>(i)]);
    }
    pressStart();
    for (long tick = 0; tick < maxTicks && runOneTick(); ++tick) {
    }
}

}  // namespace quodrill::bench

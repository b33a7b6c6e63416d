#include "headless/headless_window.h"

#include "events/guess_restart.h"
#include "events/row_text.h"
#include "events/solve_tick.h"
#include "sources/examples.h"

namespace quodrill {

namespace {

std::size_t timerIndex(TimerId timer) {
    return static_cast<std::size_t>(timer);
}

}  // namespace

HeadlessWindow::HeadlessWindow(PuzzleState& state, RandomSource& random)
    : state_(state), random_(random) {}

std::string HeadlessWindow::rowText(int index) const {
    return rows.at(static_cast<std::size_t>(index));
}

void HeadlessWindow::setRowText(int index, std::string_view text) {
    std::string& row = rows.at(static_cast<std::size_t>(index));
    const std::string_view kept = keptRowText(text);  // as the real row box keeps it
    if (row == kept) {
        return;
    }
    row = kept;
    T_Change(state_, *this, index);
}

void HeadlessWindow::armTimer(TimerId timer) {
    std::uint64_t& at = armedAt_[timerIndex(timer)];
    if (at == 0) {
        at = ++armSequence_;
    }
}

void HeadlessWindow::disarmTimer(TimerId timer) {
    armedAt_[timerIndex(timer)] = 0;
}

bool HeadlessWindow::nextTimer(TimerId& timer) const {
    std::size_t earliest = kTimerCount;
    for (std::size_t i = 0; i < kTimerCount; ++i) {
        if (armedAt_[i] != 0 && (earliest == kTimerCount || armedAt_[i] < armedAt_[earliest])) {
            earliest = i;
        }
    }
    if (earliest == kTimerCount) {
        return false;
    }
    timer = static_cast<TimerId>(earliest);
    return true;
}

void HeadlessWindow::tick(TimerId timer) {
    disarmTimer(timer);
    switch (timer) {
        case TimerId::TT:
            TT_Timer(state_, *this);
            break;
        case TimerId::Testt:
            Testt_Timer(state_, *this, random_);
            break;
        case TimerId::SBT:
            ++restarts;
            SBT_Timer(state_, *this);
            break;
    }
}

}  // namespace quodrill

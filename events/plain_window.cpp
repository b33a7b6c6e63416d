#include "events/plain_window.h"

#include <algorithm>

#include "events/captions.h"
#include "events/row_change.h"
#include "events/row_text.h"

namespace quodrill {

PlainWindow::PlainWindow(PuzzleState& state, RandomSource& random, EngineHandlers engine)
    : status(captions::statusCaption(SolveEnd::Ready)),
      repeatCount(captions::kRepeatCountInitial),
      output(captions::kOutputInitial),
      loadCaption(captions::kLoadOpen),
      state_(state),
      random_(random),
      engine_(engine) {}

PlainWindow::PlainWindow(PuzzleState& state, RandomSource& random, EngineHandlers engine,
                         GuessOutcomes& outcomes)
    : PlainWindow(state, random, engine) {
    outcomes_ = &outcomes;
}

GuessOutcomes& PlainWindow::guessOutcomes() {
    if (outcomes_ == nullptr) {
        ownOutcomes_ = std::make_unique<GuessOutcomes>();
        outcomes_ = ownOutcomes_.get();
    }
    return *outcomes_;
}

std::string PlainWindow::rowText(int index) const {
    return rows.at(static_cast<std::size_t>(index));
}

// Keeps what the real row box keeps.
void PlainWindow::setRowText(int index, std::string_view text) {
    std::string& row = rows.at(static_cast<std::size_t>(index));
    const std::string_view kept = keptRowText(text);
    if (row == kept) {
        return;
    }
    row = kept;
    T_Change(state_, *this, index);
}

void PlainWindow::setStatusCaption(std::string_view text) {
    if (status != text) {  // every restart shows "Calculating..." again
        status = text;
    }
}

void PlainWindow::showSolveEnd(SolveEnd value) {
    end = value;
    WindowOps::showSolveEnd(value);
}

void PlainWindow::countSolveRun(int runPasses) {
    passes += runPasses;
}

void PlainWindow::showRepeatCountLabel() {
    repeatCountVisible = true;
}

void PlainWindow::setRepeatCountCaption(std::string_view text) {
    // At every guess, mostly with the length unchanged: written over in place.
    if (text.size() == repeatCount.size()) {
        std::copy(text.begin(), text.end(), repeatCount.begin());
    } else {
        repeatCount = text;
    }
}

void PlainWindow::setOutputText(std::string_view text) {
    output.assign(text);  // the capacity is kept: no allocation after the first pass
    ++outputWrites;
}

std::string PlainWindow::loadButtonCaption() const {
    return loadCaption;
}

void PlainWindow::setLoadButtonCaption(std::string_view text) {
    loadCaption = text;
}

void PlainWindow::armTimer(TimerId timer) {
    timers_.arm(timer);
}

void PlainWindow::disarmTimer(TimerId timer) {
    timers_.disarm(timer);
}

// The message box closes at once.
void PlainWindow::showWarningMessage(std::string_view, std::string_view) {
    ++warningsShown;
}

// The dialog is cancelled at once.
std::string PlainWindow::runFileOpenDialog(std::string_view, std::string_view) {
    return {};
}

void PlainWindow::tick(TimerId timer) {
    goOff(timer);
    engine_.runTimer(timer, state_, *this, random_, guessOutcomes());
}

bool PlainWindow::runOneTick() {
    TimerId timer = TimerId::TT;
    if (!nextTimer(timer)) {
        return false;
    }
    tick(timer);
    return true;
}

long PlainWindow::runUntilIdle(long maxTicks) {
    long count = 0;
    while (count < maxTicks && runOneTick()) {
        ++count;
    }
    return count;
}

void PlainWindow::pressStart() {
    engine_.startClick(state_, *this);
}

void PlainWindow::typeInto(int row, std::string_view text) {
    for (const char ch : text) {
        setRowText(row, rowText(row) + ch);
    }
}

}  // namespace quodrill

#include "tests/support/fake_window.h"

#include <algorithm>

#include "events/captions.h"
#include "events/row_text.h"
#include "sources/examples.h"

namespace quodrill::testing {

const char* timerName(TimerId timer) {
    switch (timer) {
        case TimerId::TT:
            return "TT";
        case TimerId::Testt:
            return "Testt";
        case TimerId::SBT:
            return "SBT";
    }
    return "?";
}

FakeWindow::FakeWindow(PuzzleState& state, RandomSource& random, EngineHandlers engine)
    : status(captions::kStatusReady),
      repeatCount(captions::kRepeatCountInitial),
      output(captions::kOutputInitial),
      loadCaption(captions::kLoadOpen),
      state_(state),
      random_(random),
      engine_(engine) {}

void FakeWindow::record(std::string line) {
    if (logging) {
        log.push_back(std::move(line));
    }
}

std::string FakeWindow::rowText(int index) const {
    return rows.at(index);
}

// Keeps what the real row box keeps.
void FakeWindow::setRowText(int index, std::string_view written) {
    const std::string_view text = keptRowText(written);
    record("row " + std::to_string(index) + " " + std::string(text));
    if (rows.at(index) == text) {
        return;
    }
    rows[index] = std::string(text);
    ++changeRuns;
    ++changeNesting_;
    deepestChangeNesting = std::max(deepestChangeNesting, changeNesting_);
    T_Change(state_, *this, index);
    --changeNesting_;
}

void FakeWindow::setStatusCaption(std::string_view text) {
    record("status " + std::string(text));
    status = text;
}

void FakeWindow::showRepeatCountLabel() {
    record("show RC");
    repeatCountVisible = true;
}

void FakeWindow::setRepeatCountCaption(std::string_view text) {
    record("RC " + std::string(text));
    repeatCount = text;
}

void FakeWindow::setOutputText(std::string_view text) {
    record("output " + std::string(text));
    ++outputWrites;
    output = text;
}

std::string FakeWindow::loadButtonCaption() const {
    return loadCaption;
}

void FakeWindow::setLoadButtonCaption(std::string_view text) {
    record("Loadb " + std::string(text));
    loadCaption = text;
}

void FakeWindow::armTimer(TimerId timer) {
    record(std::string("arm ") + timerName(timer));
    if (armedAt_[index(timer)] == 0) {
        armedAt_[index(timer)] = ++armSequence_;
    }
}

void FakeWindow::disarmTimer(TimerId timer) {
    record(std::string("disarm ") + timerName(timer));
    armedAt_[index(timer)] = 0;
}

void FakeWindow::showWarningMessage(std::string_view prompt, std::string_view title) {
    record("warning " + std::string(prompt) + " " + std::string(title));
    warnings.emplace_back(prompt, title);
    if (whileModalOpen) {
        whileModalOpen();
    }
}

std::string FakeWindow::runFileOpenDialog(std::string_view title, std::string_view filter) {
    record("dialog " + std::string(title) + " " + std::string(filter));
    dialogs.emplace_back(title, filter);
    if (whileModalOpen) {
        whileModalOpen();
    }
    return dialogAnswer;
}

bool FakeWindow::anyArmed() const {
    return std::any_of(armedAt_.begin(), armedAt_.end(), [](std::uint64_t at) { return at != 0; });
}

bool FakeWindow::runOneTick() {
    int earliest = -1;
    for (int i = 0; i < kTimerCount; ++i) {
        if (armedAt_[i] != 0 && (earliest < 0 || armedAt_[i] < armedAt_[earliest])) {
            earliest = i;
        }
    }
    if (earliest < 0) {
        return false;
    }
    ++ticks_;
    engine_.runTimer(static_cast<TimerId>(earliest), state_, *this, random_);
    return true;
}

long FakeWindow::runUntilIdle(long maxTicks) {
    long count = 0;
    while (count < maxTicks && runOneTick()) {
        ++count;
    }
    return count;
}

void FakeWindow::typeInto(int row, std::string_view text) {
    for (char ch : text) {
        setRowText(row, rows.at(row) + ch);
    }
}

void FakeWindow::pressStart() {
    engine_.startClick(state_, *this);
}

float ScriptedRandom::next() {
    const float value = values_.empty() ? 0.0f : values_[std::min(drawn, values_.size() - 1)];
    ++drawn;
    return value;
}

}  // namespace quodrill::testing

#include "tests/support/fake_window.h"

#include <algorithm>

#include "events/row_text.h"

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
    : PlainWindow(state, random, engine) {}

void FakeWindow::record(std::string line) {
    if (logging) {
        log.push_back(std::move(line));
    }
}

void FakeWindow::setRowText(int index, std::string_view written) {
    const std::string_view text = keptRowText(written);
    record("row " + std::to_string(index) + " " + std::string(text));
    if (rows.at(static_cast<std::size_t>(index)) == text) {
        return;
    }
    ++changeRuns;
    ++changeNesting_;
    deepestChangeNesting = std::max(deepestChangeNesting, changeNesting_);
    PlainWindow::setRowText(index, text);
    --changeNesting_;
}

void FakeWindow::setStatusCaption(std::string_view text) {
    record("status " + std::string(text));
    PlainWindow::setStatusCaption(text);
}

void FakeWindow::showRepeatCountLabel() {
    record("show RC");
    PlainWindow::showRepeatCountLabel();
}

void FakeWindow::setRepeatCountCaption(std::string_view text) {
    record("RC " + std::string(text));
    PlainWindow::setRepeatCountCaption(text);
}

void FakeWindow::setOutputText(std::string_view text) {
    record("output " + std::string(text));
    PlainWindow::setOutputText(text);
}

void FakeWindow::setLoadButtonCaption(std::string_view text) {
    record("Loadb " + std::string(text));
    PlainWindow::setLoadButtonCaption(text);
}

void FakeWindow::armTimer(TimerId timer) {
    record(std::string("arm ") + timerName(timer));
    PlainWindow::armTimer(timer);
}

void FakeWindow::disarmTimer(TimerId timer) {
    record(std::string("disarm ") + timerName(timer));
    PlainWindow::disarmTimer(timer);
}

void FakeWindow::showWarningMessage(std::string_view prompt, std::string_view title) {
    record("warning " + std::string(prompt) + " " + std::string(title));
    warnings.emplace_back(prompt, title);
    PlainWindow::showWarningMessage(prompt, title);
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

float ScriptedRandom::next() {
    const float value = values_.empty() ? 0.0f : values_[std::min(drawn, values_.size() - 1)];
    ++drawn;
    return value;
}

}  // namespace quodrill::testing

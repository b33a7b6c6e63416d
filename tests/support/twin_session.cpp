#include "tests/support/twin_session.h"

#include "tests/support/candidate_entries.h"

#include <algorithm>

#include "tests/oracle/oracle_engine.h"

namespace quodrill::testing {

namespace {

constexpr std::size_t kRecentActions = 12;

std::string cellText(CellText cell) {
    return cell == kEmptyCell ? "\"\"" : "\"" + std::string(1, cell) + "\"";
}

std::string cubeDifference(const char* name, const CandidateMasks& fast,
                           const CandidateMasks& reference) {
    for (int c = kFirst; c <= kLast; ++c) {
        for (int r = kFirst; r <= kLast; ++r) {
            for (int d = kFirst; d <= kLast; ++d) {
                const int fastEntry = candidateEntry(fast, c, r, d);
                const int referenceEntry = candidateEntry(reference, c, r, d);
                if (fastEntry != referenceEntry) {
                    return std::string(name) + "(" + std::to_string(c) + ", " + std::to_string(r) +
                           ", " + std::to_string(d) + "): " + std::to_string(fastEntry) +
                           " against " + std::to_string(referenceEntry);
                }
            }
        }
    }
    return fast == reference ? "" : std::string(name) + ": bits that stand for no digit differ";
}

std::string scalarDifference(const char* name, std::int16_t fast, std::int16_t reference) {
    if (fast == reference) {
        return "";
    }
    return std::string(name) + ": " + std::to_string(fast) + " against " +
           std::to_string(reference);
}

template <typename T>
std::string fieldDifference(const char* name, const T& fast, const T& reference) {
    if (fast == reference) {
        return "";
    }
    if constexpr (std::is_same_v<T, std::string>) {
        return std::string(name) + ": \"" + fast + "\" against \"" + reference + "\"";
    } else {
        return std::string(name) + " differs";
    }
}

// A window operation on one line: the output text's line breaks written as \r\n.
std::string oneLine(const std::string& operation) {
    std::string line;
    for (const char ch : operation) {
        line += ch == '\r'   ? std::string("\\r")
                : ch == '\n' ? std::string("\\n")
                             : std::string(1, ch);
    }
    return line;
}

std::string logDifference(const std::vector<std::string>& fast,
                          const std::vector<std::string>& reference) {
    const std::size_t common = std::min(fast.size(), reference.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (fast[i] != reference[i]) {
            return "window operation " + std::to_string(i + 1) + ": \"" + oneLine(fast[i]) +
                   "\" against \"" + oneLine(reference[i]) + "\"";
        }
    }
    if (fast.size() != reference.size()) {
        return "window operations: " + std::to_string(fast.size()) + " against " +
               std::to_string(reference.size());
    }
    return "";
}

}  // namespace

EngineHandlers referenceEngine() {
    return {SB_Click, oracle::TT_Timer, Testt_Timer, SBT_Timer};
}

std::string describeStateDifference(const PuzzleState& fast, const PuzzleState& reference) {
    for (int c = 0; c < kSpan; ++c) {
        for (int r = 0; r < kSpan; ++r) {
            if (fast.Grid[c][r] != reference.Grid[c][r]) {
                return "Grid(" + std::to_string(c) + ", " + std::to_string(r) +
                       "): " + cellText(fast.Grid[c][r]) + " against " +
                       cellText(reference.Grid[c][r]);
            }
        }
    }
    for (const std::string& difference :
         {cubeDifference("Candidates", fast.Candidates, reference.Candidates),
          cubeDifference("CandidateSnapshot", fast.CandidateSnapshot, reference.CandidateSnapshot),
          scalarDifference("SetUpDone", fast.SetUpDone, reference.SetUpDone),
          scalarDifference("SolvedFlag", fast.SolvedFlag, reference.SolvedFlag),
          scalarDifference("StallCount", fast.StallCount, reference.StallCount),
          scalarDifference("GuessCount", fast.GuessCount, reference.GuessCount)}) {
        if (!difference.empty()) {
            return difference;
        }
    }
    return "";
}

TwinSession::Side::Side(std::uint64_t seed, EngineHandlers handlers)
    : engine(handlers), random(seed), window(state, random, handlers) {}

TwinSession::TwinSession(std::uint64_t seed)
    : fast_(seed, EngineHandlers{}), reference_(seed, referenceEngine()) {}

std::string TwinSession::compare() const {
    const FakeWindow& f = fast_.window;
    const FakeWindow& o = reference_.window;
    std::string difference = describeStateDifference(fast_.state, reference_.state);
    if (difference.empty()) {
        difference = logDifference(f.log, o.log);
    }
    for (int i = 0; i < 9 && difference.empty(); ++i) {
        difference = fieldDifference(("T(" + std::to_string(i) + ")").c_str(),
                                     f.rows[static_cast<std::size_t>(i)],
                                     o.rows[static_cast<std::size_t>(i)]);
    }
    for (const std::string& field :
         {fieldDifference("status", f.status, o.status),
          fieldDifference("RC caption", f.repeatCount, o.repeatCount),
          fieldDifference("RC visible", f.repeatCountVisible, o.repeatCountVisible),
          fieldDifference("output", f.output, o.output),
          fieldDifference("load caption", f.loadCaption, o.loadCaption),
          fieldDifference("warnings", f.warnings, o.warnings),
          fieldDifference("armed TT", f.isArmed(TimerId::TT), o.isArmed(TimerId::TT)),
          fieldDifference("armed Testt", f.isArmed(TimerId::Testt), o.isArmed(TimerId::Testt)),
          fieldDifference("armed SBT", f.isArmed(TimerId::SBT), o.isArmed(TimerId::SBT)),
          fieldDifference("generator draws", fast_.random.draws, reference_.random.draws),
          fieldDifference("generator reseeds", fast_.random.reseeds, reference_.random.reseeds)}) {
        if (difference.empty()) {
            difference = field;
        }
    }
    return difference;
}

bool TwinSession::act(std::string_view what, const std::function<void(Side&)>& action) {
    if (!same()) {
        return false;
    }
    ++actions_;
    recent_.emplace_back(what);
    if (recent_.size() > kRecentActions) {
        recent_.pop_front();
    }
    action(fast_);
    action(reference_);

    const std::string difference = compare();
    if (!difference.empty()) {
        difference_ =
            difference + "\n  after action " + std::to_string(actions_) + "; the last ones:";
        for (const std::string& line : recent_) {
            difference_ += "\n    " + line;
        }
        return false;
    }
    passes_ += std::count_if(fast_.window.log.begin(), fast_.window.log.end(),
                             [](const std::string& line) { return line.rfind("output ", 0) == 0; });
    fast_.window.log.clear();
    reference_.window.log.clear();
    return true;
}

bool TwinSession::writeRow(int index, std::string_view text) {
    return act("write T(" + std::to_string(index) + ") \"" + std::string(text) + "\"",
               [&](Side& side) { side.window.setRowText(index, text); });
}

bool TwinSession::writeRows(const RowTexts& rows) {
    for (int i = 0; i < 9; ++i) {
        if (!writeRow(i, rows[static_cast<std::size_t>(i)])) {
            return false;
        }
    }
    return true;
}

bool TwinSession::typeInto(int index, std::string_view text) {
    for (const char ch : text) {
        const std::string typed(1, ch);
        if (!act("type \"" + typed + "\" into T(" + std::to_string(index) + ")",
                 [&](Side& side) { side.window.typeInto(index, typed); })) {
            return false;
        }
    }
    return true;
}

bool TwinSession::pressStart() {
    return act("press Start", [](Side& side) { side.window.pressStart(); });
}

bool TwinSession::tick() {
    if (!anyArmed()) {
        return false;
    }
    return act("tick", [](Side& side) { side.window.runOneTick(); });
}

int TwinSession::runTicks(int maxTicks) {
    int ticks = 0;
    while (ticks < maxTicks && tick()) {
        ++ticks;
    }
    return ticks;
}

}  // namespace quodrill::testing

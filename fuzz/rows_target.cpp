// Fuzz target: nine row texts of any bytes and any length (split at the first eight line
// feeds), written into the row boxes, then Start and a bounded chain of timer ticks. Start's
// verdict is checked against the rules for rows, and a completed grid must keep the givens.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "events/captions.h"
#include "events/row_text.h"
#include "fuzz/byte_reader.h"
#include "sources/examples.h"
#include "tests/support/fuzz_session.h"
#include "tests/support/grids.h"

namespace quodrill::fuzzing {
namespace {

constexpr int kTicks = 40;

std::array<std::string, 9> splitRows(const std::string& input) {
    std::array<std::string, 9> rows;
    std::size_t from = 0;
    for (std::size_t i = 0; i < 9 && from <= input.size(); ++i) {
        const std::size_t end = i == 8 ? std::string::npos : input.find('\n', from);
        rows[i] = input.substr(from, end == std::string::npos ? std::string::npos : end - from);
        from = end == std::string::npos ? input.size() + 1 : end + 1;
    }
    return rows;
}

bool isDigitRow(const std::string& row) {
    if (row.size() != 9) {
        return false;
    }
    for (char ch : row) {
        if (ch < '0' || ch > '9') {
            return false;
        }
    }
    return true;
}

GridArray gridOf(const std::array<std::string, 9>& rows) {
    GridArray grid{};
    for (int r = kFirst; r <= kLast; ++r) {
        for (int c = kFirst; c <= kLast; ++c) {
            grid[c][r] = rows[r - 1][c - 1];
        }
    }
    return grid;
}

// Checks what Start did with the rows against the rules: the lowest row that is not nine digits
// is emptied after the message; rows that repeat a digit give the message and fill the grid;
// other rows set up the grid and arm the solve run.
void checkStart(const FuzzSession& session, const std::array<std::string, 9>& rows) {
    const testing::FakeWindow& window = session.window;
    const char* const where = "Start";
    for (std::size_t i = 0; i < 9; ++i) {
        if (!isDigitRow(rows[i])) {
            FuzzSession::expect(window.warnings.size() == 1, where, "a bad row gave no message");
            FuzzSession::expect(window.rows[i].empty(), where, "the bad row was not emptied");
            for (std::size_t j = 0; j < 9; ++j) {
                FuzzSession::expect(j == i || window.rows[j] == rows[j], where,
                                    "a row other than the bad one changed");
            }
            FuzzSession::expect(session.state.Grid == GridArray{}, where,
                                "the grid changed although a row was refused");
            FuzzSession::expect(!window.isArmed(TimerId::TT), where, "a refused row armed TT");
            return;
        }
    }
    FuzzSession::expect(session.state.Grid == gridOf(rows), where,
                        "the grid does not hold the rows");
    if (!testing::findRepeatedDigit(session.state.Grid).empty()) {
        FuzzSession::expect(window.warnings.size() == 1, where, "a repeated digit gave no message");
        FuzzSession::expect(!window.isArmed(TimerId::TT), where, "a repeated digit armed TT");
        return;
    }
    FuzzSession::expect(window.warnings.empty(), where, "valid rows gave a message");
    FuzzSession::expect(window.isArmed(TimerId::TT), where, "valid rows did not arm TT");
    FuzzSession::expect(window.status == captions::kStatusCalculating, where,
                        "valid rows did not show \"Status : Calculating...\"");
    FuzzSession::expect(session.state.StallCount == 0 && session.state.SetUpDone == 1, where,
                        "the set-up did not reset the stall count or mark itself done");
}

}  // namespace
}  // namespace quodrill::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quodrill;
    using namespace quodrill::fuzzing;

    std::array<std::string, 9> rows =
        splitRows(std::string(reinterpret_cast<const char*>(data), size));
    FuzzSession session(hashBytes(data, size));
    for (int i = 0; i < 9; ++i) {
        session.userAction("writing a row", [&] { session.window.setRowText(i, rows[i]); });
    }
    // The boxes keep nine characters of what was written, and a keyword in the first row has
    // filled its example; the later rows replaced the rest.
    for (std::string& row : rows) {
        row = std::string(keptRowText(row));
    }
    for (const ExamplePuzzle& example : kExamplePuzzles) {
        if (rows[0] == example.keyword) {
            rows[0] = example.rows[0];
        }
    }
    FuzzSession::expect(session.window.rows == rows, "writing the rows",
                        "the row boxes do not hold what was written");

    session.userAction("Start", [&] { session.window.pressStart(); });
    checkStart(session, rows);
    session.runChain(kTicks);

    if (session.window.status == captions::kStatusComplete) {
        testing::Rows given;
        for (std::size_t i = 0; i < 9; ++i) {
            given[i] = rows[i];
        }
        FuzzSession::expect(testing::keepsGivens(session.state.Grid, given), "the chain",
                            "a completed grid lost a given digit");
    }
    return 0;
}

// Fuzz target: a sequence of user actions decoded from the bytes, against the fake window:
// typing or deleting a character, pasting a text, Start, the load button with a file, a
// cancelled dialog or something that is not a puzzle file, and timer ticks, with timers also
// ticking while the message box or the file dialog is open. The invariants and the bounds on
// work are checked after every handler.
#include <cstddef>
#include <cstdint>
#include <string>

#include "events/puzzle_loading.h"
#include "fuzz/byte_reader.h"
#include "sources/examples.h"
#include "sources/file_loading.h"
#include "tests/support/fuzz_session.h"
#include "tests/support/scratch_folder.h"

namespace quodrill::fuzzing {
namespace {

constexpr int kMaxActions = 200;
constexpr std::size_t kTypedLimit = 9;  // a row box takes at most nine typed characters

// The content of a file to load: the bytes as they are, digits made from the bytes, or an
// example puzzle with a few cells changed.
std::string fileContent(ByteReader& in) {
    switch (in.below(3)) {
        case 0:
            return in.bytes(in.below(100));
        case 1: {
            std::string digits = in.bytes(kPuzzleFileLength);
            for (char& ch : digits) {
                ch = static_cast<char>('0' + static_cast<unsigned char>(ch) % 10);
            }
            return digits;
        }
        default: {
            std::string content;
            for (std::string_view row : kExamplePuzzles[in.below(9)].rows) {
                content += row;
            }
            for (int edits = in.below(4); edits > 0; --edits) {
                content[in.byte() % kPuzzleFileLength] = static_cast<char>('0' + in.below(10));
            }
            return content;
        }
    }
}

// A name the dialog may report that is not a puzzle file.
std::string notAPuzzleFile(ByteReader& in) {
    switch (in.below(3)) {
        case 0:
            return "";  // cancelled
        case 1:
            return scratchFolder();  // a folder
        default:
            return scratchFolder() + "/missing.txt";
    }
}

void runOneAction(FuzzSession& session, ByteReader& in) {
    PuzzleState& state = session.state;
    testing::FakeWindow& window = session.window;
    session.ticksWhileModal = in.below(4);

    switch (in.below(10)) {
        case 0: {
            const int row = in.below(9);
            const char ch = static_cast<char>(in.byte());
            if (window.rows[row].size() < kTypedLimit) {
                session.userAction("typing", [&] { window.typeInto(row, std::string(1, ch)); });
            }
            break;
        }
        case 1: {
            const int row = in.below(9);
            const int at = in.byte();
            if (!window.rows[row].empty()) {
                std::string text = window.rows[row];
                text.erase(static_cast<std::size_t>(at) % text.size(), 1);
                session.userAction("deleting", [&] { window.setRowText(row, text); });
            }
            break;
        }
        case 2: {
            const int row = in.below(9);
            const std::string text = in.bytes(in.below(17));
            session.userAction("pasting", [&] { window.setRowText(row, text); });
            break;
        }
        case 3:
            session.userAction("Start", [&] { window.pressStart(); });
            break;
        case 4:
            window.dialogAnswer = writeScratchFile("puzzle.txt", fileContent(in));
            session.userAction("the load button", [&] { Loadb_Click(state, window); });
            break;
        case 5:
            window.dialogAnswer = notAPuzzleFile(in);
            session.userAction("the load button", [&] { Loadb_Click(state, window); });
            break;
        case 6: {
            const int keyword = in.below(9);
            session.userAction("clearing the first row", [&] { window.setRowText(0, ""); });
            session.userAction("typing a keyword",
                               [&] { window.typeInto(0, kExamplePuzzles[keyword].keyword); });
            break;
        }
        case 7:
            session.runChain(in.below(32));
            break;
        default:
            session.tick();
            break;
    }
}

}  // namespace
}  // namespace quodrill::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quodrill::fuzzing;
    FuzzSession session(hashBytes(data, size));
    ByteReader in(data, size);
    for (int actions = 0; actions < kMaxActions && !in.empty(); ++actions) {
        runOneAction(session, in);
    }
    return 0;
}

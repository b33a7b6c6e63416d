// Fuzz target: any bytes as the content of a puzzle file, loaded through the load button with
// the file dialog answering that file, then Start and a bounded chain of timer ticks, then the
// second click of the load button.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "events/captions.h"
#include "events/puzzle_loading.h"
#include "fuzz/byte_reader.h"
#include "sources/examples.h"
#include "sources/file_loading.h"
#include "tests/support/fuzz_session.h"
#include "tests/support/scratch_folder.h"

namespace quodrill::fuzzing {
namespace {

constexpr int kTicks = 40;

bool isPrintableAscii(const std::string& text) {
    for (char ch : text) {
        if (static_cast<unsigned char>(ch) < 0x20 || static_cast<unsigned char>(ch) >= 0x7F) {
            return false;
        }
    }
    return true;
}

// What the rows hold after loading an accepted file: nine characters per row, except that a
// keyword in the first five characters fills its example, whose first row, nine characters
// already, keeps none of characters 6 to 9.
std::array<std::string, 9> expectedRows(const std::string& content) {
    std::array<std::string, 9> rows;
    for (std::size_t r = 0; r < 9; ++r) {
        rows[r] = content.substr(9 * r, 9);
    }
    for (const ExamplePuzzle& example : kExamplePuzzles) {
        if (content.compare(0, 5, example.keyword) == 0) {
            rows[0] = std::string(example.rows[0]);
        }
    }
    return rows;
}

}  // namespace
}  // namespace quodrill::fuzzing

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quodrill;
    using namespace quodrill::fuzzing;

    const std::string content(reinterpret_cast<const char*>(data), size);
    const std::string path = writeScratchFile("puzzle.txt", content);

    FuzzSession session(hashBytes(data, size));
    session.window.dialogAnswer = path;
    session.userAction("loading the file", [&] { Loadb_Click(session.state, session.window); });

    const bool accepted = size == kPuzzleFileLength && isPrintableAscii(content);
    if (accepted) {
        FuzzSession::expect(session.window.rows == expectedRows(content), "loading the file",
                            "an accepted file did not fill the rows nine characters per row");
        FuzzSession::expect(session.window.loadCaption == captions::kLoadReset, "loading the file",
                            "an accepted file did not turn the load button to \"重新\"");
    } else {
        FuzzSession::expect(session.window.rows == std::array<std::string, 9>{}, "loading the file",
                            "a refused file changed the rows");
        FuzzSession::expect(session.window.loadCaption == captions::kLoadOpen, "loading the file",
                            "a refused file changed the load button");
    }
    FuzzSession::expect(session.window.warnings.empty(), "loading the file",
                        "a file load showed a message");

    session.userAction("Start", [&] { session.window.pressStart(); });
    session.runChain(kTicks);

    session.userAction("emptying the rows", [&] { Loadb_Click(session.state, session.window); });
    if (accepted) {
        FuzzSession::expect(session.window.rows == std::array<std::string, 9>{},
                            "emptying the rows", "the second click left text in a row");
        FuzzSession::expect(session.state.SetUpDone == 0 && session.state.GuessCount == 0,
                            "emptying the rows", "the second click kept the set-up or the count");
    }
    FuzzSession::expect(session.window.loadCaption == captions::kLoadOpen, "emptying the rows",
                        "the load button does not show \"Open\" after its second click");
    return 0;
}

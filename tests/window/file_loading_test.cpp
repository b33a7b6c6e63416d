// The load button and the file reader, through the fake window, on real files in a temporary
// folder.
#include "sources/file_loading.h"

#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>
#include <vector>

#include "events/captions.h"
#include "events/puzzle_loading.h"
#include "sources/examples.h"
#include "tests/support/fake_window.h"

namespace quodrill {
namespace {

namespace fs = std::filesystem;
using testing::FakeWindow;
using testing::ScriptedRandom;

std::string joinedRows(const ExamplePuzzle& example, int from = 0) {
    std::string text;
    for (int i = from; i < 9; ++i) {
        text += example.rows[i];
    }
    return text;
}

class FileLoading : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quodrill-load-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string writeFile(const std::string& name, const std::string& content) {
        const fs::path path = folder_ / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    // Clicks Loadb with the dialog answering `answer`.
    void clickLoad(const std::string& answer) {
        window.dialogAnswer = answer;
        Loadb_Click(state, window);
    }
    std::vector<std::string> rowWrites() const {
        std::vector<std::string> writes;
        std::copy_if(window.log.begin(), window.log.end(), std::back_inserter(writes),
                     [](const std::string& line) { return line.starts_with("row "); });
        return writes;
    }

    fs::path folder_;
    PuzzleState state;
    ScriptedRandom random{{0.5f}};
    FakeWindow window{state, random};
};

TEST_F(FileLoading, FillsTheRowsOneCharacterAtATimeThenEmptiesThemOnTheNextClick) {
    const ExamplePuzzle& example = kExamplePuzzles[0];
    const std::string file = writeFile("test1.txt", joinedRows(example));
    state.SetUpDone = 1;
    state.GuessCount = 3;

    clickLoad(file);
    ASSERT_EQ(window.dialogs.size(), 1u);
    EXPECT_EQ(window.dialogs[0].first, captions::kOpenDialogTitle);
    EXPECT_EQ(window.dialogs[0].second, captions::kOpenDialogFilter);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(window.rows[i], example.rows[i]) << "row " << i;
    }
    EXPECT_EQ(window.loadCaption, captions::kLoadReset);
    EXPECT_EQ(state.SetUpDone, 0);
    EXPECT_EQ(state.GuessCount, 0);
    // Ten writes per row: the empty text, then one more character each time.
    const std::vector<std::string> writes = rowWrites();
    ASSERT_EQ(writes.size(), 90u);
    for (std::size_t k = 0; k <= 9; ++k) {
        EXPECT_EQ(writes[k], "row 0 " + std::string(example.rows[0].substr(0, k)));
    }

    window.pressStart();
    EXPECT_EQ(window.status, captions::kStatusCalculating);
    EXPECT_TRUE(window.isArmed(TimerId::TT));

    state.GuessCount = 2;
    window.log.clear();
    clickLoad(file);
    EXPECT_EQ(window.dialogs.size(), 1u) << "the emptying turn shows no dialog";
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(window.rows[i], "") << "row " << i;
    }
    EXPECT_EQ(rowWrites().size(), 9u);
    EXPECT_EQ(window.loadCaption, captions::kLoadOpen);
    EXPECT_EQ(state.SetUpDone, 0);
    EXPECT_EQ(state.GuessCount, 0);
}

// The command line and a drop hand over any number of names, each read as a paste is read: the
// first that holds a puzzle is loaded, even over an earlier load, and it alone; each name before
// it is refused with its reason, and a file too large to be a puzzle is never read.
TEST_F(FileLoading, NamesGivenAtOnceLoadTheFirstThatHoldsAPuzzle) {
    std::string drawn = "\xEF\xBB\xBF+-------+\r\n";  // a byte order mark, nine lines, dots
    for (std::string_view row : kExamplePuzzles[1].rows) {
        drawn += "| " + std::string(row) + " |\r\n";
    }
    std::replace(drawn.begin(), drawn.end(), '0', '.');
    fs::create_directory(path("folder"));
    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
    const std::string huge = writeFile("huge.txt", joinedRows(kExamplePuzzles[2]));
    fs::resize_file(huge, 100u << 20);
    const std::vector<std::pair<std::string, std::string>> refused = {
        {path("missing.txt"), "cannot read " + path("missing.txt") + ": No such file or directory"},
        {path("folder"), "cannot read " + path("folder") + ": not a regular file"},
        {path("fifo"), "cannot read " + path("fifo") + ": not a regular file"},
        {huge, huge + ": not a puzzle (longer than 4096 bytes)"},
        {writeFile("short.txt", joinedRows(kExamplePuzzles[2]).substr(1) + "\n"),
         path("short.txt") + ": not a puzzle (80 cells, not 81)"},
        {writeFile("x.txt", "1\n23x"),
         path("x.txt") + ": not a puzzle ('x' at line 2, column 3 is not a cell)"},
        {writeFile("ff.txt", "\xFF"),
         path("ff.txt") + ": not a puzzle (byte 0xFF at column 1 is not a cell)"},
    };
    std::vector<std::string> names;
    for (const auto& [name, why] : refused) {
        names.push_back(name);
    }
    window.loadCaption = captions::kLoadOpen;
    NamedFilesLoad load = loadFirstPuzzleFile(window, names);
    EXPECT_FALSE(load.loaded);
    EXPECT_TRUE(rowWrites().empty());
    EXPECT_EQ(window.loadCaption, captions::kLoadOpen);

    names.insert(names.end(), {writeFile("drawn.txt", drawn),
                               writeFile("second.txt", joinedRows(kExamplePuzzles[3]))});
    load = loadFirstPuzzleFile(window, names);
    EXPECT_TRUE(load.loaded);
    ASSERT_EQ(load.refusals.size(), refused.size());
    for (std::size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(load.refusals[i], refused[i].second);
    }
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(window.rows[i], kExamplePuzzles[1].rows[i]) << "row " << i;
    }
    EXPECT_EQ(rowWrites().size(), 90u) << "written as Open writes them";
    EXPECT_EQ(window.loadCaption, captions::kLoadReset);
    EXPECT_TRUE(window.dialogs.empty());
}

TEST_F(FileLoading, RefusedFilesChangeNothingAndNeverBlock) {
    const std::string digits = joinedRows(kExamplePuzzles[1]);
    std::string nineLines;
    for (int i = 0; i < 9; ++i) {
        nineLines += digits.substr(static_cast<std::size_t>(9 * i), 9) + "\r\n";
    }
    std::string invalidUtf8 = digits;
    invalidUtf8[40] = '\xFF';
    // Control bytes would stand in the rows unseen.
    const auto withByteAt40 = [&](char byte) {
        std::string text = digits;
        text[40] = byte;
        return text;
    };

    const std::vector<std::pair<std::string, std::function<std::string()>>> cases = {
        {"line break at the end", [&] { return writeFile("lf.txt", digits + "\n"); }},
        {"CR LF at the end", [&] { return writeFile("crlf.txt", digits + "\r\n"); }},
        {"nine lines", [&] { return writeFile("lines.txt", nineLines); }},
        {"empty file", [&] { return writeFile("empty.txt", ""); }},
        {"80 characters", [&] { return writeFile("short.txt", digits.substr(1)); }},
        {"81 bytes with a multi-byte character",
         [&] { return writeFile("mb.txt", digits.substr(3) + "一"); }},
        {"81 multi-byte characters",
         [&] {
             std::string text;
             for (int i = 0; i < 81; ++i) {
                 text += "一";
             }
             return writeFile("cjk.txt", text);
         }},
        {"invalid UTF-8", [&] { return writeFile("bad.txt", invalidUtf8); }},
        {"81 NUL bytes", [&] { return writeFile("nul.txt", std::string(81, '\0')); }},
        {"a line break inside", [&] { return writeFile("lf-in.txt", withByteAt40('\n')); }},
        {"a carriage return inside", [&] { return writeFile("cr.txt", withByteAt40('\r')); }},
        {"a tab inside", [&] { return writeFile("tab.txt", withByteAt40('\t')); }},
        {"an escape inside", [&] { return writeFile("esc.txt", withByteAt40('\x1B')); }},
        {"a DEL inside", [&] { return writeFile("del.txt", withByteAt40('\x7F')); }},
        {"cancelled dialog", [] { return std::string(); }},
        {"missing file", [&] { return path("missing.txt"); }},
        {"directory",
         [&] {
             fs::create_directory(path("folder.txt"));
             return path("folder.txt");
         }},
        {"FIFO without a writer",
         [&] {
             EXPECT_EQ(::mkfifo(path("fifo.txt").c_str(), 0644), 0);
             return path("fifo.txt");
         }},
        {"character device", [] { return std::string("/dev/zero"); }},
        {"100 MB file",
         [&] {
             const std::string name = writeFile("huge.txt", "");
             fs::resize_file(name, 100u << 20);
             return name;
         }},
    };
    for (const auto& [what, makeFile] : cases) {
        SCOPED_TRACE(what);
        window.rows = {"123", "", "", "", "", "", "", "", "test"};
        window.loadCaption = captions::kLoadOpen;
        window.log.clear();
        window.dialogs.clear();
        state.SetUpDone = 1;
        state.GuessCount = 4;

        clickLoad(makeFile());
        EXPECT_EQ(window.dialogs.size(), 1u);
        EXPECT_TRUE(rowWrites().empty());
        EXPECT_EQ(window.rows[0], "123");
        EXPECT_EQ(window.rows[8], "test");
        EXPECT_EQ(window.loadCaption, captions::kLoadOpen);
        EXPECT_EQ(state.SetUpDone, 1);
        EXPECT_EQ(state.GuessCount, 4);
    }
}

TEST_F(FileLoading, ReaderReportsWhyAFileWasRefused) {
    const std::string digits = joinedRows(kExamplePuzzles[2]);
    const FileText good = ReadTextFileContents(writeFile("good.txt", digits));
    EXPECT_TRUE(good);
    EXPECT_EQ(good.text, digits);

    const auto errorOf = [](const std::string& name) {
        const FileText file = ReadTextFileContents(name);
        EXPECT_TRUE(file.text.empty());
        return file.error;
    };
    EXPECT_EQ(errorOf(path("missing.txt")), std::errc::no_such_file_or_directory);
    EXPECT_EQ(errorOf(writeFile("long.txt", digits + "\n")), FileReadError::WrongSize);
    EXPECT_EQ(errorOf(writeFile("mb.txt", digits.substr(2) + "é")),
              FileReadError::NotPrintableText);
    EXPECT_EQ(errorOf(writeFile("nul.txt", std::string(81, '\0'))),
              FileReadError::NotPrintableText);
    EXPECT_EQ(errorOf(folder_.string()), FileReadError::NotRegularFile);
    EXPECT_EQ(errorOf("/dev/null"), FileReadError::NotRegularFile);

    ASSERT_EQ(::mkfifo(path("fifo").c_str(), 0644), 0);
    EXPECT_EQ(errorOf(path("fifo")), FileReadError::NotRegularFile);

    EXPECT_FALSE(make_error_code(FileReadError::WrongSize).message().empty());
}

TEST_F(FileLoading, LettersAreLoadedAndRefusedAtStart) {
    const std::string letters(81, 'x');
    clickLoad(writeFile("letters.txt", letters));
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(window.rows[i], "xxxxxxxxx");
    }
    EXPECT_EQ(window.loadCaption, captions::kLoadReset);

    window.pressStart();
    ASSERT_EQ(window.warnings.size(), 1u);
    EXPECT_EQ(window.warnings[0].first, captions::kInputFormatPrompt);
    EXPECT_EQ(window.rows[0], "");
    EXPECT_EQ(window.rows[1], "xxxxxxxxx");
    EXPECT_FALSE(window.anyArmed());
}

// "test1" fills the first example as soon as its fifth character is appended; the remaining
// characters of the first row are then appended to the example's first row, which, like a real
// row box, keeps its nine characters and drops them.
TEST_F(FileLoading, KeywordAtTheStartFillsTheExampleThenTheFileGoesOn) {
    const std::string rest = "4321" + joinedRows(kExamplePuzzles[3], 1);
    clickLoad(writeFile("keyword.txt", "test1" + rest));

    EXPECT_EQ(window.rows[0], kExamplePuzzles[0].rows[0]);
    for (int i = 1; i < 9; ++i) {
        EXPECT_EQ(window.rows[i], kExamplePuzzles[3].rows[i]) << "row " << i;
    }
    EXPECT_NE(std::find(window.log.begin(), window.log.end(),
                        "row 8 " + std::string(kExamplePuzzles[0].rows[8])),
              window.log.end())
        << "the keyword filled the example";
    EXPECT_EQ(window.loadCaption, captions::kLoadReset);

    // Every row is nine digits; the first example's top row over the rest of the fourth repeats
    // a digit, which Start refuses without emptying a row.
    window.pressStart();
    EXPECT_EQ(window.warnings.size(), 1u);
    EXPECT_EQ(window.rows[0], kExamplePuzzles[0].rows[0]);
    EXPECT_FALSE(window.anyArmed());
}

// Opening a FIFO or a device can have effects, so the readers must never open one, even when the
// name it was given is swapped for one between its checks and its read. The FIFO is watched with
// inotify, which reports every open of it for reading or writing.
TEST_F(FileLoading, NameSwappedForAFifoWhileBeingReadIsNeverOpened) {
    const std::string digits = joinedRows(kExamplePuzzles[4]);
    const std::string file = writeFile("file", digits);
    const std::string fifo = path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, fifo.c_str(), IN_OPEN), 0);

    const std::string name = path("puzzle.txt");
    const std::string staged = path("staged");
    ASSERT_EQ(::link(file.c_str(), name.c_str()), 0);
    std::atomic<bool> stop{false};
    std::thread swapper([&] {
        // The name always exists: each step replaces it at once.
        while (!stop.load()) {
            for (const std::string* next : {&fifo, &file}) {
                if (::link(next->c_str(), staged.c_str()) == 0) {
                    ::rename(staged.c_str(), name.c_str());
                }
            }
        }
    });
    int read = 0;
    for (int i = 0; i < 20000; ++i) {
        const FileText text = i % 2 == 0 ? ReadTextFileContents(name) : readPuzzleTextFile(name);
        if (text) {
            EXPECT_EQ(text.text, digits);
            ++read;
        }
    }
    stop = true;
    swapper.join();

    alignas(inotify_event) char events[4096];
    EXPECT_LT(::read(watch, events, sizeof events), 0) << "the FIFO was opened";
    ::close(watch);
    RecordProperty("reads of the file", read);
}

// Root reads any file whatever its mode, so the read is tried in a child that has given up root.
TEST_F(FileLoading, FileWithoutReadPermissionChangesNothing) {
    const std::string file = writeFile("locked.txt", joinedRows(kExamplePuzzles[0]));
    ASSERT_EQ(::chmod(file.c_str(), 0), 0);
    ASSERT_EQ(::chmod(folder_.c_str(), 0755), 0);

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
            ::_exit(77);
        }
        const FileText read = ReadTextFileContents(file);
        clickLoad(file);
        const bool unchanged = window.rows[0].empty() && window.loadCaption == captions::kLoadOpen;
        ::_exit(!read && read.error == std::errc::permission_denied && unchanged ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) {
        GTEST_SKIP() << "cannot give up root here";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace quodrill

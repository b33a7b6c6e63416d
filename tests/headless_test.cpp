// The headless solver of `quodrill --solve`: what it prints, its exit statuses, its one-line
// reasons and its reproducible draws.
#include <unistd.h>

#include <gtest/gtest.h>
#include <array>
#include <bit>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "events/plain_window.h"
#include "events/puzzle_loading.h"
#include "headless/puzzle_solve.h"
#include "headless/run_reuse.h"
#include "headless/solve_command.h"
#include "headless/solve_queue.h"
#include "sources/examples.h"
#include "tests/reliability/hard_puzzles.h"
#include "tests/support/grids.h"
#include "tests/support/process_memory.h"
#include "tests/support/puzzle_generator.h"
#include "tests/support/replayable_random.h"

namespace quodrill::testing {
namespace {

namespace fs = std::filesystem;

template <typename RowList>
std::string oneLine(const RowList& rows) {
    std::string line;
    for (std::string_view row : rows) {
        line += row;
    }
    return line;
}

std::string examplesInput() {
    std::string input;
    for (const ExamplePuzzle& example : kExamplePuzzles) {
        input += oneLine(example.rows) + "\n";
    }
    return input;
}

struct SolveRun {
    int status = -1;
    std::string output;
    std::string errors;
    std::vector<std::string> outputLines() const {
        std::vector<std::string> lines;
        std::istringstream stream(output);
        for (std::string line; std::getline(stream, line);) {
            lines.push_back(line);
        }
        return lines;
    }
};

SolveRun solve(const std::vector<std::string>& arguments, std::istream& in) {
    std::ostringstream out;
    std::ostringstream err;
    SolveRun run;
    run.status = runSolveCommand(arguments, in, out, err);
    run.output = out.str();
    run.errors = err.str();
    return run;
}

SolveRun solve(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    return solve(arguments, in);
}

// The passes, guesses and restarts of a --stats line.
std::array<long, 3> figuresOf(const std::string& line) {
    static const std::regex figures(R"((\d+) pass(es)?, (\d+) guess(es)?, (\d+) restarts?, )");
    std::smatch match;
    if (!std::regex_search(line, match, figures)) {
        ADD_FAILURE() << "no figures in: " << line;
        return {-1, -1, -1};
    }
    return {std::stol(match.str(1)), std::stol(match.str(3)), std::stol(match.str(5))};
}

// `size` zero bytes with no line break, made as they are read and kept nowhere.
class ZeroBytes : public std::streambuf {
  public:
    explicit ZeroBytes(std::size_t size) : left_(size) {}
    std::size_t left() const { return left_; }

  private:
    int_type underflow() override {
        const std::size_t next = std::min(left_, chunk_.size());
        left_ -= next;
        setg(chunk_.data(), chunk_.data(), chunk_.data() + next);
        return next == 0 ? traits_type::eof() : 0;
    }
    std::array<char, 1 << 16> chunk_{};
    std::size_t left_;
};

// Standard error that notes how many bytes of the input were still to be made at its first write.
class NotingErrors : public std::stringbuf {
  public:
    explicit NotingErrors(const ZeroBytes& input) : input_(input) {}
    std::size_t leftAtFirstWrite = 0;

  private:
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        note();
        return std::stringbuf::xsputn(text, count);
    }
    int_type overflow(int_type ch) override {
        note();
        return std::stringbuf::overflow(ch);
    }
    void note() {
        if (!noted_) {
            noted_ = true;
            leftAtFirstWrite = input_.left();
        }
    }
    const ZeroBytes& input_;
    bool noted_ = false;
};

// The 81 digits of a grid line as a grid, to check it against the puzzle.
GridArray gridOf(const std::string& digits) {
    GridArray grid{};
    for (int r = 1; r <= 9; ++r) {
        for (int c = 1; c <= 9; ++c) {
            grid[c][r] = digits.at(static_cast<std::size_t>(9 * (r - 1) + c - 1));
        }
    }
    return grid;
}

TEST(HeadlessSolver, PrintsTheExamplesSolutionsTheSameWayRunAfterRun) {
    const SolveRun first = solve({"--seed", "7", "--stats"}, examplesInput());
    EXPECT_EQ(first.status, kAllSolved);
    EXPECT_EQ(first.errors, "");
    const std::vector<std::string> lines = first.outputLines();
    ASSERT_EQ(lines.size(), 19u);
    std::array<long, 3> sums{};
    for (std::size_t e = 0; e < 9; ++e) {
        const std::string& grid = lines[2 * e];
        ASSERT_EQ(grid.size(), 81u);
        EXPECT_TRUE(isSolvedGrid(gridOf(grid))) << grid;
        EXPECT_TRUE(keepsGivens(gridOf(grid), kExamplePuzzles[e].rows)) << grid;
        const std::array<long, 3> figures = figuresOf(lines[2 * e + 1]);
        for (std::size_t f = 0; f < 3; ++f) {
            sums[f] += figures[f];
        }
    }
    EXPECT_GT(sums[1], 0);  // some examples need guesses, which differ from seed to seed
    EXPECT_EQ(figuresOf(lines[18]), sums) << lines[18];

    // The same figures run after run, all but the times.
    const std::regex times(R"(\d+\.\d+ ms)");
    const SolveRun again = solve({"--stats", "--seed=7", "-"}, examplesInput());
    EXPECT_EQ(std::regex_replace(again.output, times, "ms"),
              std::regex_replace(first.output, times, "ms"));

    // The same seed makes the same guesses; another seed other ones.
    const std::string test9 = oneLine(kExamplePuzzles[8].rows);
    SeededRandom seven(7);
    SeededRandom sevenAgain(7);
    SeededRandom eight(8);
    GuessOutcomes outcomes;
    const PuzzleSolve a = solvePuzzle(test9, seven, {}, outcomes);
    const PuzzleSolve b = solvePuzzle(test9, sevenAgain, {}, outcomes);
    const PuzzleSolve c = solvePuzzle(test9, eight, {}, outcomes);
    EXPECT_EQ(a.end, SolveEnd::Solved);
    EXPECT_GT(a.guesses, 1);
    EXPECT_EQ(a.guesses, b.guesses);
    EXPECT_EQ(a.passes, b.passes);
    EXPECT_EQ(a.restarts, b.restarts);
    EXPECT_NE(a.guesses, c.guesses);
    EXPECT_EQ(c.grid, a.grid);
}

TEST(HeadlessSolver, GivesAReasonALineForEachPuzzleNotSolvedAndGoesOn) {
    const std::string good = oneLine(kExamplePuzzles[3].rows);
    std::string repeated = good;
    repeated[1] = repeated[0];                                // two 1s in the first row
    const std::string input = "\xEF\xBB\xBF" + good + "\n" +  // line 1, after a byte order mark
                              "  \t\r\n" +                    // line 2: skipped
                              good.substr(1) + "\n" +         // line 3
                              good + "5\n" +                  // line 4
                              "test4\n" +                     // line 5
                              repeated + "\r\n" +             // line 6
                              "------+------+------\n" +      // line 7: skipped
                              good + std::string(4016, ' ') + "\n" +  // line 8: too long
                              oneLine(kNoSolutionRows) + "\n" +       // line 9
                              oneLine(kSlowRows)  // line 10, without a line break
        ;
    const SolveRun run =
        solve({"--max-guesses", "20", "--stats", "--seed", "7", "--jobs=3"}, input);
    EXPECT_EQ(run.status, kSomeNotSolved);
    EXPECT_EQ(run.errors,
              "quodrill: standard input line 3: not a puzzle (80 cells, not 81)\n"
              "quodrill: standard input line 4: not a puzzle (82 cells, not 81)\n"
              "quodrill: standard input line 5: not a puzzle ('t' at column 1 is not a cell)\n"
              "quodrill: standard input line 6: refused at Start: a digit repeats in a row, "
              "column or box\n"
              "quodrill: standard input line 8: not a puzzle (longer than 4096 bytes)\n"
              "quodrill: standard input line 9: no single guess completes it\n"
              "quodrill: standard input line 10: gave up after 20 guesses\n");
    const std::vector<std::string> lines = run.outputLines();
    ASSERT_EQ(lines.size(), 6u) << run.output;
    EXPECT_TRUE(isSolvedGrid(gridOf(lines[0])));
    EXPECT_TRUE(lines[1].starts_with("standard input line 1: solved, ")) << lines[1];
    EXPECT_TRUE(
        lines[2].starts_with("standard input line 6: refused at Start: a digit repeats "
                             "in a row, column or box, 0 passes, 0 guesses, 0 restarts, "))
        << lines[2];
    EXPECT_TRUE(lines[3].starts_with("standard input line 9: no single guess completes it, "))
        << lines[3];
    EXPECT_NE(lines[3].find(", 1 guess, 1 restart, "), std::string::npos) << lines[3];
    EXPECT_TRUE(lines[3].ends_with("; no single guess finishes it")) << lines[3];
    EXPECT_TRUE(lines[4].starts_with("standard input line 10: gave up after 20 guesses, "))
        << lines[4];
    EXPECT_NE(lines[4].find(", 20 guesses, 20 restarts, "), std::string::npos) << lines[4];
    EXPECT_TRUE(lines[5].starts_with("total: 4 puzzles, 1 solved, ")) << lines[5];
    EXPECT_TRUE(lines[5].ends_with(" ms; and 4 lines that are not puzzles")) << lines[5];

    // One run, one verdict, whatever the limit: a puzzle that no single guess finishes says so,
    // and every puzzle whose propagation stalled gets the chance, even before its first guess.
    for (const std::string limit : {"0", "1", "2"}) {
        const SolveRun limited = solve({"--max-guesses", limit, "--stats", "--seed", "7"},
                                       oneLine(kNoSolutionRows) + "\n" + oneLine(kSlowRows));
        const std::vector<std::string> ends = limited.outputLines();
        ASSERT_EQ(ends.size(), 3u) << limited.output;
        EXPECT_TRUE(ends[0].starts_with("standard input line 1: no single guess completes it, "))
            << ends[0];
        EXPECT_TRUE(ends[0].ends_with("; no single guess finishes it")) << ends[0];
        EXPECT_TRUE(ends[1].starts_with("standard input line 2: gave up after " + limit + " gue"))
            << ends[1];
        EXPECT_NE(ends[1].find("; a cycle finishes it with chance "), std::string::npos) << ends[1];
    }

    // Solved on three threads, or in this one: the same lines in the same order, all but times.
    const std::string twice = input + "\n" + input;
    const std::regex times(R"(\d+\.\d+ ms)");
    const SolveRun oneJob =
        solve({"--max-guesses", "20", "--stats", "--seed", "7", "--jobs", "1"}, twice);
    const SolveRun threeJobs =
        solve({"--max-guesses", "20", "--stats", "--seed", "7", "--jobs", "3"}, twice);
    EXPECT_EQ(std::regex_replace(threeJobs.output, times, "ms"),
              std::regex_replace(oneJob.output, times, "ms"));
    EXPECT_EQ(threeJobs.errors, oneJob.errors);
    EXPECT_EQ(threeJobs.status, oneJob.status);
    // More lines than two threads hold at once: the reading thread waits for room, and is woken.
    std::string many;
    for (int i = 0; i < 30; ++i) {
        many += examplesInput();
    }
    const SolveRun manyOnOne = solve({"--seed", "7", "--jobs", "1"}, many);
    const SolveRun manyOnTwo = solve({"--seed", "7", "--jobs", "2"}, many);
    EXPECT_EQ(manyOnTwo.status, kAllSolved);
    EXPECT_EQ(manyOnTwo.output, manyOnOne.output);
    EXPECT_EQ(
        solve({"--jobs", "0"}).errors,
        "quodrill: --jobs takes a whole number from 1 to 256, not '0'\nTry 'quodrill --help'.\n");

    // A line of 256 MiB without a line break is read to its end and never kept; it is refused
    // before its rest is read.
    ZeroBytes zeros(std::size_t{256} << 20);
    std::istream endless(&zeros);
    const long peakBefore = processMemoryKiB("VmHWM:");
    std::ostringstream out;
    NotingErrors noting(zeros);
    std::ostream err(&noting);
    const int status = runSolveCommand({"--jobs", "2"}, endless, out, err);
    EXPECT_LT(processMemoryKiB("VmHWM:") - peakBefore, 16 * 1024);
    EXPECT_EQ(status, kSomeNotSolved);
    EXPECT_EQ(noting.str(),
              "quodrill: standard input line 1: not a puzzle (longer than 4096 bytes)\n");
    EXPECT_GT(noting.leftAtFirstWrite, (std::size_t{256} << 20) - (std::size_t{1} << 20));
}

// `rows` over nine lines, drawn as qqwing draws them, with a blank line after.
template <typename RowList>
std::string drawnOverNineLines(const RowList& rows) {
    std::string text;
    for (std::size_t r = 0; r < 9; ++r) {
        if (r == 3 || r == 6) {
            text += "-------|-------|-------\n";
        }
        for (std::size_t c = 0; c < 9; ++c) {
            const char cell = rows[r][c] == '0' ? '.' : rows[r][c];
            text += std::string(c % 3 == 0 && c > 0 ? " |" : "") + " " + cell;
        }
        text += "\n";
    }
    return text + "\n";
}

// The lines of a text cut at CR LF.
std::vector<std::string> csvLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

TEST(HeadlessSolver, ReadsPuzzlesOnNineLinesAmongOneLinePuzzlesAndWritesOneRecordEach) {
    const auto& rows = kExamplePuzzles;
    const std::string input = oneLine(rows[0].rows) + "\n" +             // line 1
                              "\n" + drawnOverNineLines(rows[1].rows) +  // lines 3 to 13, blank 14
                              std::string(rows[2].rows[0]) + "\n" +      // 15: rows 1 and 2 only
                              std::string(rows[2].rows[1]) + "\n\n" +    // 16, blank 17
                              oneLine(rows[3].rows) + "\v\n" +           // 18
                              std::string(rows[4].rows[0]) + "\n" +      // 19: a row, then
                              oneLine(rows[4].rows) + "\n" +             // 20 a one-line puzzle
                              "1,\"2\n" +                                // 21
                              std::string(81, '0') + "\n" +              // 22: many solutions
                              oneLine(kNoSolutionRows) + "\n" +          // 23: none
                              oneLine(kUncountedRows) + "\n" +           // 24: not counted
                              drawnOverNineLines(rows[5].rows).substr(0, 47);  // 25: cut short
    const SolveRun plain = solve({"--seed", "3", "--max-guesses", "20", "--jobs", "1"}, input);
    EXPECT_EQ(plain.status, kSomeNotSolved);
    EXPECT_EQ(plain.errors,
              "quodrill: standard input line 15: not a puzzle (18 cells, not 81)\n"
              "quodrill: standard input line 19: not a puzzle (9 cells, not 81)\n"
              "quodrill: standard input line 21: not a puzzle ('\"' at column 3 is not a cell)\n"
              "quodrill: standard input line 22: no single guess completes it\n"
              "quodrill: standard input line 23: no single guess completes it\n"
              "quodrill: standard input line 24: no single guess completes it\n"
              "quodrill: standard input line 25: not a puzzle (18 cells, not 81)\n");
    const std::vector<std::string> grids = plain.outputLines();
    ASSERT_EQ(grids.size(), 4u);
    for (std::size_t p = 0; p < grids.size(); ++p) {
        EXPECT_TRUE(keepsGivens(gridOf(grids[p]), rows[p < 2 ? p : p + 1].rows)) << p;
    }

    // One record a puzzle or text refused, in input order, on any number of threads.
    const std::vector<std::string> asCsv = {
        "--csv", "--seed", "3", "--max-guesses", "20", "--stats", "--count-solutions"};
    std::vector<std::string> oneJob = asCsv;
    oneJob.insert(oneJob.end(), {"--jobs", "1"});
    std::vector<std::string> threeJobs = asCsv;
    threeJobs.insert(threeJobs.end(), {"-j3"});
    const SolveRun csv = solve(oneJob, input);
    EXPECT_EQ(solve(threeJobs, input + "\n" + input).output,
              solve(oneJob, input + "\n" + input).output);
    EXPECT_EQ(csv.status, kSomeNotSolved);
    EXPECT_EQ(csv.errors, "");
    const std::vector<std::string> records = csvLines(csv.output);
    ASSERT_EQ(records.size(), 12u) << csv.output;
    EXPECT_EQ(records[0],
              "input,line,puzzle,solution,outcome,reason,guesses,restarts,passes,chance,"
              "solutions");
    const std::vector<std::string> starts = {
        "standard input,1," + oneLine(rows[0].rows) + "," + grids[0] + ",solved,,",
        "standard input,3," + oneLine(rows[1].rows) + "," + grids[1] + ",solved,,",
        "standard input,15,,,refused,\"not a puzzle (18 cells, not 81)\",,,,,",
        "standard input,18," + oneLine(rows[3].rows) + "," + grids[2] + ",solved,,",
        "standard input,19,,,refused,\"not a puzzle (9 cells, not 81)\",,,,,",
        "standard input,20," + oneLine(rows[4].rows) + "," + grids[3] + ",solved,,",
        "standard input,21,,,refused,\"not a puzzle ('\"\"' at column 3 is not a cell)\",,,,,",
        "standard input,22," + std::string(81, '0') + ",,no single guess completes it,",
        "standard input,23," + oneLine(kNoSolutionRows) +
            ",,no single guess completes it,no single guess completes it,1,1,",
        "standard input,24," + oneLine(kUncountedRows) + ",,no single guess completes it,",
        "standard input,25,,,refused,\"not a puzzle (18 cells, not 81)\",,,,,",
    };
    for (std::size_t r = 0; r < starts.size(); ++r) {
        EXPECT_TRUE(records[r + 1].starts_with(starts[r])) << records[r + 1];
    }
    // The solution counts close the records of the puzzles: one, many, none, and not known.
    EXPECT_TRUE(records[1].ends_with(",1"));
    EXPECT_TRUE(records[8].ends_with(",2"));
    EXPECT_TRUE(records[9].ends_with(",0,0"));   // a chance of 0, and no solution
    EXPECT_TRUE(records[10].ends_with(",0,0"));  // the grid a plain search could not settle
    EXPECT_EQ(figuresOf(solve({"--stats", "--count-solutions"}, std::string(81, '0')).output)[0],
              figuresOf(solve({"--stats"}, std::string(81, '0')).output)[0]);
}

TEST(HeadlessSolver, UsageErrorsAndUnreadableFilesExitWithTwo) {
    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {"--seed"},
             {"--seed", "seven"},
             {"--seed", "-1"},
             {"--seed", "18446744073709551616"},
             {"--max-guesses", "32768"},
             {"--max-guesses=+5"},
             {"--max-guesses", ""},
             {"--jobs=257"},
             {"--seeds", "7"},
             {"-x"},
         }) {
        const SolveRun run = solve(wrong, examplesInput());
        EXPECT_EQ(run.status, kUsageOrReadError) << wrong[0];
        EXPECT_EQ(run.output, "") << wrong[0];
        EXPECT_TRUE(run.errors.starts_with("quodrill: ")) << run.errors;
        EXPECT_TRUE(run.errors.ends_with("\nTry 'quodrill --help'.\n")) << run.errors;
    }
    // The largest values, next to the refused ones above.
    for (const std::vector<std::string>& largest : std::vector<std::vector<std::string>>{
             {"--max-guesses", "32767"}, {"--seed=18446744073709551615"}, {"--jobs", "256"}}) {
        const SolveRun run = solve(largest, oneLine(kExamplePuzzles[0].rows));
        EXPECT_EQ(run.status, kAllSolved) << largest[0] << run.errors;
    }

    // A file that cannot be read is named with the reason; the files after it are solved.
    const fs::path folder =
        fs::temp_directory_path() / ("quodrill-solve-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string puzzles = (folder / "puzzles.txt").string();
    std::ofstream(puzzles) << "\n"
                           << oneLine(kExamplePuzzles[4].rows).substr(3) << "\n"
                           << oneLine(kExamplePuzzles[0].rows) << "\n";
    const std::string missing = (folder / "missing.txt").string();
    const SolveRun run =
        solve({missing, folder.string(), puzzles, "--", "-"}, oneLine(kExamplePuzzles[1].rows));
    fs::remove_all(folder);
    EXPECT_EQ(run.status, kUsageOrReadError);
    EXPECT_EQ(run.errors, "quodrill: cannot read " + missing + ": No such file or directory\n" +
                              "quodrill: cannot read " + folder.string() + ": Is a directory\n" +
                              "quodrill: " + puzzles +
                              " line 2: not a puzzle (78 cells, not 81)\n");
    const std::vector<std::string> lines = run.outputLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(keepsGivens(gridOf(lines[0]), kExamplePuzzles[0].rows));
    EXPECT_TRUE(keepsGivens(gridOf(lines[1]), kExamplePuzzles[1].rows));
}

// However many jobs are asked for, a few puzzles start no more threads than they can use: the
// first is solved in the calling thread, and each one after it may start one thread.
TEST(HeadlessSolver, StartsNoMoreThreadsThanPuzzles) {
    const auto threadsNow = [] {
        return std::distance(fs::directory_iterator("/proc/self/task"), fs::directory_iterator());
    };
    // A sanitizer may start a thread of its own with the first thread the program starts: let
    // that happen before counting.
    std::thread([] {}).join();
    const std::ptrdiff_t before = threadsNow();
    std::ptrdiff_t most = 0;
    SolveQueue queue(256, SolveSettings{}, [&](QueuedLine&) {
        most = std::max(most, threadsNow());
        return true;
    });
    for (int i = 0; i < 3; ++i) {
        QueuedLine line;
        line.line = i + 1;
        line.cells = oneLine(kExamplePuzzles[static_cast<std::size_t>(i)].rows);
        line.random = std::make_unique<SeededRandom>(7);
        ASSERT_TRUE(queue.add(std::move(line)));
    }
    queue.finish();
    EXPECT_GT(most, before) << "the puzzles after the first are solved on threads";
    EXPECT_LE(most, before + 2);
}

}  // namespace
}  // namespace quodrill::testing

namespace quodrill::testing {
namespace {

class NoObserver final : public PassObserver {
  public:
    void afterPass(const PuzzleState&) override {}
};

// The chance that one cycle finishes the puzzle, found by running every guess from the first
// stall through the plain solve run; none when the puzzle is refused or needs no guess.
std::optional<double> bruteForceChance(const std::string& cells) {
    PuzzleState stalled;
    ReplayableRandom random(1);
    PlainWindow window(stalled, random);
    writePuzzleRows(window, cells);
    window.pressStart();
    if (!window.runOneTick() || stalled.SolvedFlag == 1) {
        return std::nullopt;
    }
    int blanks = 0;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            blanks += isBlank(stalled.Grid[c][r]) ? 1 : 0;
        }
    }
    double chance = 0;
    for (int c = 1; c <= 9; ++c) {
        for (int r = 1; r <= 9; ++r) {
            const DigitMask mask = stalled.Candidates[static_cast<std::size_t>(cellIndex(c, r))];
            for (int d = 1; d <= 9 && isBlank(stalled.Grid[c][r]); ++d) {
                if ((mask & digitBit(d)) == 0) {
                    continue;
                }
                PuzzleState trial = stalled;
                trial.Grid[c][r] = digitText(d);
                NoObserver none;
                RunSolvePasses(trial, none);
                chance += trial.SolvedFlag == 1 ? 1.0 / (blanks * std::popcount(mask)) : 0.0;
            }
        }
    }
    return chance;
}

TEST(HeadlessSolver, ReusedRunsGiveThePlainChainAndStopOnlyWhereNoGuessFinishes) {
    std::vector<std::string> puzzles;
    for (const ExamplePuzzle& example : kExamplePuzzles) {
        puzzles.push_back(oneLine(example.rows));
    }
    for (const auto& rows : {kNoSolutionRows, kVeryHardRows, kSlowRows, kUncountedRows}) {
        puzzles.push_back(oneLine(rows));
    }
    puzzles.push_back(std::string(81, '0'));
    PuzzleGenerator generator(18);
    for (const int blanks : {30, 40, 45, 50, 52, 55, 58, 62, 70}) {  // easy to many solutions
        for (int i = 0; i < 4; ++i) {
            puzzles.push_back(oneLine(generator.puzzleWithBlanks(blanks)));
        }
        puzzles.push_back(oneLine(generator.unsolvablePuzzle(blanks)));
    }

    GuessOutcomes outcomes;
    int stopped = 0;
    int finishedByGuesses = 0;
    for (const std::string& puzzle : puzzles) {
        // The headless solve writes whole rows: the window must end as a load leaves it.
        PuzzleState loadedState;
        PuzzleState writtenState;
        ReplayableRandom unused(1);
        PlainWindow loaded(loadedState, unused);
        PlainWindow written(writtenState, unused);
        loadedState.GuessCount = writtenState.GuessCount = 3;
        writePuzzleRows(loaded, puzzle);
        writeDigitRows(written, puzzle);
        EXPECT_EQ(written.rows, loaded.rows) << puzzle;
        EXPECT_EQ(written.status, loaded.status) << puzzle;
        EXPECT_EQ(writtenState.GuessCount, loadedState.GuessCount) << puzzle;
        for (const std::uint64_t seed : {1u, 29u}) {
            SolveSettings plainWay;
            plainWay.reuseRuns = false;
            SolveSettings reusing;
            reusing.exactChance = true;
            ReplayableRandom plainRandom(seed);
            ReplayableRandom reusingRandom(seed);
            const PuzzleSolve plain = solvePuzzle(puzzle, plainRandom, plainWay, outcomes);
            const PuzzleSolve reused = solvePuzzle(puzzle, reusingRandom, reusing, outcomes);
            const std::string which = puzzle + " seed " + std::to_string(seed);
            EXPECT_EQ(reused.end, plain.end) << which;
            EXPECT_EQ(reused.grid, plain.grid) << which;
            EXPECT_EQ(reused.passes, plain.passes) << which;
            EXPECT_EQ(reused.guesses, plain.guesses) << which;
            EXPECT_EQ(reused.restarts, plain.restarts) << which;
            EXPECT_EQ(reusingRandom.draws, plainRandom.draws) << which;
            EXPECT_EQ(reusingRandom.reseeds, plainRandom.reseeds) << which;
            // Guesses followed only until their end is clear: the same but for the passes.
            SolveSettings uncounted;
            uncounted.countPasses = false;
            ReplayableRandom uncountedRandom(seed);
            const PuzzleSolve quick = solvePuzzle(puzzle, uncountedRandom, uncounted, outcomes);
            EXPECT_EQ(quick.end, plain.end) << which;
            EXPECT_EQ(quick.grid, plain.grid) << which;
            EXPECT_EQ(quick.guesses, plain.guesses) << which;
            EXPECT_EQ(quick.restarts, plain.restarts) << which;
            EXPECT_EQ(uncountedRandom.draws, plainRandom.draws) << which;

            const std::optional<double> chance = bruteForceChance(puzzle);
            ASSERT_EQ(reused.chance.has_value(), chance.has_value()) << which;
            if (chance) {
                EXPECT_NEAR(reused.chance->perCycle, *chance, 1e-12) << which;
                EXPECT_EQ(reused.end == SolveEnd::NoGuessFinishes, *chance == 0) << which;
            }
            stopped += reused.end == SolveEnd::NoGuessFinishes ? 1 : 0;
            finishedByGuesses += reused.end == SolveEnd::Solved && reused.guesses > 1 ? 1 : 0;
        }
    }
    // The set holds both kinds, or it proves nothing.
    EXPECT_GT(stopped, 4);
    EXPECT_GT(finishedByGuesses, 4);
}

// What a person or the next handler reads of a window and its state after a tick: the reuse
// follows a guess's run only as far as the outcome needs and leaves the restart's set-up to
// overwrite the rest, so the grid and candidates are compared at a first stall, where the guess is
// drawn from them, and at the end.
bool sameWindow(const PlainWindow& a, const PuzzleState& as, const PlainWindow& b,
                const PuzzleState& bs) {
    bool timers = true;
    for (const TimerId timer : {TimerId::TT, TimerId::Testt, TimerId::SBT}) {
        timers = timers && a.isArmed(timer) == b.isArmed(timer);
    }
    const bool guessesNext = a.isArmed(TimerId::Testt);
    return timers &&
           (!(guessesNext || !a.anyArmed()) || (as.Grid == bs.Grid && a.output == b.output)) &&
           (!guessesNext ||
            (as.Candidates == bs.Candidates && as.CandidateSnapshot == bs.CandidateSnapshot)) &&
           as.SetUpDone == bs.SetUpDone && as.SolvedFlag == bs.SolvedFlag &&
           as.StallCount == bs.StallCount && as.GuessCount == bs.GuessCount && a.rows == b.rows &&
           a.status == b.status && a.repeatCount == b.repeatCount &&
           a.repeatCountVisible == b.repeatCountVisible && a.end == b.end && a.passes == b.passes &&
           a.restarts == b.restarts && a.ticksRun() == b.ticksRun();
}

TEST(HeadlessSolver, ReusedRunsLeaveThePlainWindowAndStateAfterEveryTick) {
    std::vector<std::string> puzzles;
    for (const ExamplePuzzle& example : kExamplePuzzles) {
        puzzles.push_back(oneLine(example.rows));
    }
    PuzzleGenerator generator(27);
    for (const int blanks : {50, 55, 58}) {
        puzzles.push_back(oneLine(generator.puzzleWithBlanks(blanks)));
        puzzles.push_back(oneLine(generator.unsolvablePuzzle(blanks)));
    }
    GuessOutcomes outcomes;
    long restartsFollowed = 0;
    for (const std::string& puzzle : puzzles) {
        // Every 7th tick of one puzzle in two runs past the reuse, as any other caller would.
        for (const bool ticksElsewhere : {false, true}) {
            PuzzleState plainState;
            PuzzleState reusedState;
            ReplayableRandom plainRandom(5);
            ReplayableRandom reusedRandom(5);
            PlainWindow plain(plainState, plainRandom);
            PlainWindow reused(reusedState, reusedRandom, {}, outcomes);
            outcomes.forget();
            writeDigitRows(plain, puzzle);
            writeDigitRows(reused, puzzle);
            RunReuse reuse(outcomes, reusedRandom, true);
            plain.pressStart();
            reuse.pressStart(reusedState, reused);
            ASSERT_TRUE(sameWindow(plain, plainState, reused, reusedState)) << puzzle;
            TimerId timer = TimerId::TT;
            while (plain.ticksRun() < 3000 && plain.nextTimer(timer)) {
                TimerId reusedTimer = TimerId::TT;
                ASSERT_TRUE(reused.nextTimer(reusedTimer)) << puzzle;
                ASSERT_EQ(reusedTimer, timer) << puzzle;
                plain.tick(timer);
                if (ticksElsewhere && plain.ticksRun() % 7 == 0) {
                    reused.tick(timer);
                } else {
                    reuse.tick(timer, reusedState, reused);
                }
                ASSERT_TRUE(sameWindow(plain, plainState, reused, reusedState))
                    << puzzle << " tick " << plain.ticksRun();
                ASSERT_EQ(reusedRandom.draws, plainRandom.draws) << puzzle;
            }
            EXPECT_FALSE(reused.nextTimer(timer) && plain.ticksRun() < 3000) << puzzle;
            restartsFollowed += plain.restarts;
        }
    }
    EXPECT_GT(restartsFollowed, 100);  // the cycles were followed, not only first runs
}

}  // namespace
}  // namespace quodrill::testing

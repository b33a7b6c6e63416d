#include "headless/solve_command.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <istream>
#include <memory>
#include <ostream>

#include "headless/checked_output.h"
#include "headless/csv_records.h"
#include "headless/end_words.h"
#include "headless/puzzle_reader.h"
#include "headless/puzzle_solve.h"
#include "headless/solution_count.h"
#include "headless/solve_options.h"
#include "headless/solve_queue.h"
#include "sources/puzzle_text.h"

namespace quodrill {

namespace {

struct Totals {
    long puzzles = 0;
    long solved = 0;
    long refused = 0;  // texts that are not puzzles
    long passes = 0;
    long guesses = 0;
    long restarts = 0;
    double seconds = 0;
};

// "1 guess", "2 guesses".
std::string counted(long count, const std::string& one, const std::string& many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

std::string milliseconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f ms", seconds * 1000.0);
    return text;
}

std::string figures(long passes, long guesses, long restarts, double seconds) {
    return counted(passes, "pass", "passes") + ", " + counted(guesses, "guess", "guesses") + ", " +
           counted(restarts, "restart", "restarts") + ", " + milliseconds(seconds);
}

// What became of a puzzle, in words.
std::string outcome(SolveEnd end, int guesses) {
    const std::string phrase(endWords(end).phrase);
    return end == SolveEnd::GuessLimit ? phrase + " " + counted(guesses, "guess", "guesses")
                                       : phrase;
}

// What one cycle's guess does, for a puzzle that stalled: "; a cycle finishes it with chance
// 0.0625 (16.0 guesses expected), reaching 1 solution", or that no single guess finishes it.
std::string chanceText(const std::optional<FinishChance>& chance) {
    if (!chance) {
        return "";
    }
    if (chance->finishingGuesses == 0) {
        return "; no single guess finishes it";
    }
    char text[96];
    std::snprintf(text, sizeof text,
                  "; a cycle finishes it with chance %.4g (%.1f guesses expected)",
                  chance->perCycle, 1.0 / chance->perCycle);
    return text + (", reaching " + counted(chance->solutions, "solution", "solutions"));
}

// The settings every puzzle is solved with.
SolveSettings settingsOf(const SolveOptions& options) {
    SolveSettings settings;
    settings.maxGuesses = options.maxGuesses;
    settings.exactChance = options.stats;
    settings.countPasses = options.stats;
    return settings;
}

class Solver {
  public:
    Solver(const SolveOptions& options, std::ostream& output, std::ostream& errors)
        : options_(options),
          csvColumns_{options.stats, options.countSolutions},
          output_(output),
          errors_(errors),
          queue_(options.jobs.value_or(availableProcessors()), settingsOf(options),
                 [this](const QueuedLine& line) { return report(line); }) {
        if (options_.csv) {
            output_ << csvHeader(csvColumns_);
        }
    }

    // Solves every puzzle of `input`, named "<name> line N" by its first line in messages, until
    // its end or a failed write. A failed read comes out as the stream's exception.
    void solveLines(std::istream& input, const std::string& name) {
        PuzzleReader puzzles(input);
        ReadPuzzle read;
        while (puzzles.next(read)) {
            QueuedLine line;
            line.input = name;
            line.line = read.line;
            if (read.cells.empty()) {
                line.message = std::move(read.reason);
            } else {
                line.cells = std::move(read.cells);
                line.random = makeRandom();
                line.countSolutions = options_.countSolutions;
            }
            if (!queue_.add(std::move(line))) {
                return;
            }
        }
    }

    // Says, in its place among the lines, that an input could not be read to its end.
    void reportUnreadable(const std::string& name, const std::string& why) {
        QueuedLine line;
        line.input = name;
        line.message = "cannot read " + name + ": " + why;
        queue_.add(std::move(line));
    }

    bool stopped() const { return queue_.stopped(); }

    // Waits for the last puzzle, then prints the totals.
    void finish() {
        queue_.finish();
        if (writeFailed_) {
            return;
        }
        if (options_.stats && !options_.csv) {
            output_ << "total: " << counted(totals_.puzzles, "puzzle", "puzzles") << ", "
                    << totals_.solved << " solved, "
                    << figures(totals_.passes, totals_.guesses, totals_.restarts, totals_.seconds);
            if (totals_.refused > 0) {
                output_ << "; and "
                        << counted(totals_.refused, "line that is not a puzzle",
                                   "lines that are not puzzles");
            }
            output_ << '\n';
        }
        writeFailed_ = !flushOutput(output_, errors_);
    }

    // After finish.
    bool allSolved() const { return totals_.solved == totals_.puzzles && totals_.refused == 0; }
    bool writeFailed() const { return writeFailed_; }

  private:
    // Prints what became of a line, in input order; false once a write has failed.
    bool report(const QueuedLine& line) {
        if (line.line == 0) {
            errors_ << "quodrill: " << line.message << '\n';
            return true;
        }
        const auto where = [&line] { return line.input + " line " + std::to_string(line.line); };
        if (line.cells.empty()) {
            ++totals_.refused;
            if (!options_.csv) {
                errors_ << "quodrill: " << where() << ": " << notAPuzzle(line.message) << '\n';
                return true;
            }
            output_ << csvRecord(line, notAPuzzle(line.message), csvColumns_);
            writeFailed_ = !flushOutput(output_, errors_);
            return !writeFailed_;
        }
        ++totals_.puzzles;
        const PuzzleSolve& solve = line.solve;
        const bool solved = solve.end == SolveEnd::Solved;
        if (solved) {
            ++totals_.solved;
        }
        if (options_.csv) {
            output_ << csvRecord(line, solved ? "" : outcome(solve.end, solve.guesses),
                                 csvColumns_);
        } else if (solved) {
            output_ << solve.grid << '\n';
        } else {
            errors_ << "quodrill: " << where() << ": " << outcome(solve.end, solve.guesses) << '\n';
        }
        totals_.passes += solve.passes;
        totals_.guesses += solve.guesses;
        totals_.restarts += solve.restarts;
        totals_.seconds += solve.seconds;
        if (options_.stats && !options_.csv) {
            output_ << where() << ": " << outcome(solve.end, solve.guesses) << ", "
                    << figures(solve.passes, solve.guesses, solve.restarts, solve.seconds)
                    << chanceText(solve.chance);
            if (line.countSolutions) {
                output_ << "; " << solutionsInWords(line.solutions);
            }
            output_ << '\n';
        }
        writeFailed_ = !flushOutput(output_, errors_);
        return !writeFailed_;
    }

    // A fresh generator for every puzzle: with a seed, a puzzle is solved the same way wherever
    // it stands in the input.
    std::unique_ptr<RandomSource> makeRandom() const {
        if (options_.seed) {
            return std::make_unique<SeededRandom>(*options_.seed);
        }
        return std::make_unique<ClockSeededRandom>();
    }

    const SolveOptions& options_;
    const CsvColumns csvColumns_;
    std::ostream& output_;
    std::ostream& errors_;
    // Written by the thread that delivers the lines: read only after finish.
    Totals totals_;
    bool writeFailed_ = false;
    SolveQueue queue_;  // last: its threads use the members above
};

// Solves the lines of `input`; returns why it could not be read to its end, or an empty text.
std::string solveInput(Solver& solver, std::istream& input, const std::string& name) {
    try {
        input.exceptions(std::ios::badbit);  // a failed read comes with its reason
        // Standard input is tied to standard output, which it flushes before a read; but the
        // output is the thread's that delivers the lines, and it flushes after every puzzle.
        input.tie(nullptr);
        solver.solveLines(input, name);
    } catch (const std::ios_base::failure& failure) {
        return failure.code().message();
    }
    return {};
}

// Why a file cannot be opened, or an empty text when it can be.
std::string unreadable(const std::string& file, std::ifstream& stream) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        return std::strerror(errno);
    }
    if (S_ISDIR(info.st_mode)) {
        return std::strerror(EISDIR);
    }
    stream.open(file, std::ios::binary);
    return stream.is_open() ? std::string() : std::strerror(errno);
}

}  // namespace

int runSolveCommand(const std::vector<std::string>& arguments, std::istream& input,
                    std::ostream& output, std::ostream& errors) {
    const ParsedSolveOptions parsed = parseSolveOptions(arguments);
    if (!parsed.error.empty()) {
        errors << "quodrill: " << parsed.error << "\nTry 'quodrill --help'.\n";
        return kUsageOrReadError;
    }
    return runSolveCommand(parsed.options, input, output, errors);
}

int runSolveCommand(const SolveOptions& options, std::istream& input, std::ostream& output,
                    std::ostream& errors) {
    std::vector<std::string> files = options.files;
    if (files.empty()) {
        files.push_back("-");
    }

    Solver solver(options, output, errors);
    bool readError = false;
    for (const std::string& file : files) {
        const std::string name = file == "-" ? "standard input" : file;
        std::string why;
        if (file == "-") {
            why = solveInput(solver, input, name);
        } else {
            std::ifstream stream;
            why = unreadable(file, stream);
            if (why.empty()) {
                why = solveInput(solver, stream, name);
            }
        }
        if (solver.stopped()) {
            break;
        }
        if (!why.empty()) {
            solver.reportUnreadable(name, why);
            readError = true;
        }
    }
    solver.finish();
    if (solver.writeFailed()) {
        return kWriteError;
    }
    if (readError) {
        return kUsageOrReadError;
    }
    return solver.allSolved() ? kAllSolved : kSomeNotSolved;
}

}  // namespace quodrill

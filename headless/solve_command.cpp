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
#include "headless/line_reader.h"
#include "headless/puzzle_solve.h"
#include "headless/solve_options.h"
#include "headless/solve_queue.h"
#include "sources/puzzle_text.h"

namespace quodrill {

namespace {

struct Totals {
    long puzzles = 0;
    long solved = 0;
    long passes = 0;
    long guesses = 0;
    long restarts = 0;
    double seconds = 0;
};

bool isBlankLine(const std::string& line) {
    return line.find_first_not_of(" \t\r\n\f\v") == std::string::npos;
}

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

// A line with no cell, such as a blank line or a line of a drawn grid, is no puzzle to solve.
bool holdsNoCell(const std::string& line, const PuzzleText& read) {
    return isBlankLine(line) || (read.cellCount == 0 && read.strayAt == std::string_view::npos);
}

// Why a line is not a puzzle.
std::string refusal(const std::string& line, const PuzzleText& read) {
    if (read.strayAt == std::string_view::npos) {
        return "not 81 cells (found " + std::to_string(read.cellCount) + ")";
    }
    const auto byte = static_cast<unsigned char>(line[read.strayAt]);
    std::string what;
    if (byte >= 0x20 && byte < 0x7F) {
        what = "'" + std::string(1, static_cast<char>(byte)) + "'";
    } else {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", byte);
        what = std::string("byte ") + hex;
    }
    return what + " at column " + std::to_string(read.strayAt + 1) +
           " is not a cell (a digit, or '.' for a blank)";
}

// What became of a puzzle, in words.
std::string outcome(SolveEnd end, int guesses) {
    switch (end) {
        case SolveEnd::Solved:
            return "solved";
        case SolveEnd::RowRefused:
            return "refused at Start: a row is not nine digits";
        case SolveEnd::DigitRepeats:
            return "refused at Start: a digit repeats in a row, column or box";
        case SolveEnd::GuessLimit:
            return "gave up after " + counted(guesses, "guess", "guesses");
        case SolveEnd::NoGuessFinishes:
            return "no single guess completes it";
        case SolveEnd::Ready:
        case SolveEnd::Running:
            break;
    }
    return "not solved";
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
          output_(output),
          errors_(errors),
          queue_(options.jobs.value_or(availableProcessors()), settingsOf(options),
                 [this](const QueuedLine& line) { return report(line); }) {}

    // Solves every puzzle of `input`, whose lines are named "<name> line N" in messages, until
    // its end or a failed write. A failed read comes out as the stream's exception.
    void solveLines(std::istream& input, const std::string& name) {
        LineReader lines(input);
        while (lines.next()) {
            QueuedLine line;
            line.where = name + " line " + std::to_string(lines.number());
            if (lines.tooLong()) {
                line.message =
                    "longer than " + std::to_string(kLongestLine) + " bytes, not a puzzle";
            } else {
                PuzzleText read = parsePuzzleText(lines.text());
                if (holdsNoCell(lines.text(), read)) {
                    continue;
                }
                if (read) {
                    line.cells = std::move(read.cells);
                    line.random = makeRandom();
                } else {
                    line.message = refusal(lines.text(), read);
                }
            }
            if (!queue_.add(std::move(line))) {
                return;
            }
        }
    }

    // Says, in its place among the lines, that an input could not be read to its end.
    void reportUnreadable(const std::string& name, const std::string& why) {
        QueuedLine line;
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
        if (options_.stats) {
            output_ << "total: " << counted(totals_.puzzles, "puzzle", "puzzles") << ", "
                    << totals_.solved << " solved, "
                    << figures(totals_.passes, totals_.guesses, totals_.restarts, totals_.seconds)
                    << '\n';
        }
        writeFailed_ = !flushOutput(output_, errors_);
    }

    // After finish.
    bool allSolved() const { return totals_.solved == totals_.puzzles; }
    bool writeFailed() const { return writeFailed_; }

  private:
    // Prints what became of a line, in input order; false once a write has failed.
    bool report(const QueuedLine& line) {
        if (line.where.empty()) {
            errors_ << "quodrill: " << line.message << '\n';
            return true;
        }
        ++totals_.puzzles;
        if (line.cells.empty()) {
            errors_ << "quodrill: " << line.where << ": " << line.message << '\n';
            return true;
        }
        const PuzzleSolve& solve = line.solve;
        if (solve.end == SolveEnd::Solved) {
            ++totals_.solved;
            output_ << solve.grid << '\n';
        } else {
            errors_ << "quodrill: " << line.where << ": " << outcome(solve.end, solve.guesses)
                    << '\n';
        }
        totals_.passes += solve.passes;
        totals_.guesses += solve.guesses;
        totals_.restarts += solve.restarts;
        totals_.seconds += solve.seconds;
        if (options_.stats) {
            output_ << line.where << ": " << outcome(solve.end, solve.guesses) << ", "
                    << figures(solve.passes, solve.guesses, solve.restarts, solve.seconds)
                    << chanceText(solve.chance) << '\n';
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
    std::vector<std::string> files = parsed.options.files;
    if (files.empty()) {
        files.push_back("-");
    }

    Solver solver(parsed.options, output, errors);
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

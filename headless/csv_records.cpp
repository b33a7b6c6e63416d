#include "headless/csv_records.h"

#include <cstdio>

#include "headless/end_words.h"
#include "solver/completions.h"

namespace quodrill {

namespace {

constexpr std::string_view kRecordEnd = "\r\n";

// A field as RFC 4180 writes it, with the comma after it: in double quotes, its own doubled,
// when it holds a comma, a double quote or a line break.
void appendField(std::string& record, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        record += field;
    } else {
        record += '"';
        for (const char ch : field) {
            record += ch;
            if (ch == '"') {
                record += '"';
            }
        }
        record += '"';
    }
    record += ',';
}

std::string chanceField(const std::optional<FinishChance>& chance) {
    if (!chance) {
        return "";
    }
    if (chance->finishingGuesses == 0) {
        return "0";
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", chance->perCycle);
    return text;
}

}  // namespace

std::string csvHeader(const CsvColumns& columns) {
    std::string header = "input,line,puzzle,solution,outcome,reason,guesses,restarts";
    if (columns.stats) {
        header += ",passes,chance";
    }
    if (columns.solutions) {
        header += ",solutions";
    }
    return header + std::string(kRecordEnd);
}

std::string csvRecord(const QueuedLine& line, std::string_view reason, const CsvColumns& columns) {
    std::string record;
    appendField(record, line.input);
    appendField(record, std::to_string(line.line));
    const bool solved = !line.cells.empty();
    const PuzzleSolve& solve = line.solve;
    appendField(record, line.cells);
    appendField(record, solved && solve.end == SolveEnd::Solved ? solve.grid : "");
    appendField(record, solved ? endWords(solve.end).word : "refused");
    appendField(record, reason);
    // A text that is not a puzzle has no figures.
    const auto figure = [&](long value) { return solved ? std::to_string(value) : std::string(); };
    appendField(record, figure(solve.guesses));
    appendField(record, figure(solve.restarts));
    if (columns.stats) {
        appendField(record, figure(solve.passes));
        appendField(record, chanceField(solve.chance));
    }
    if (columns.solutions) {
        const bool counted = solved && line.solutions != kCompletionsUnknown;
        appendField(record, counted ? std::to_string(line.solutions) : "");
    }
    record.pop_back();  // the comma after the last field
    return record + std::string(kRecordEnd);
}

}  // namespace quodrill

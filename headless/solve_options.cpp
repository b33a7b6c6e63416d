#include "headless/solve_options.h"

#include <sched.h>

#include <algorithm>
#include <charconv>
#include <string_view>
#include <thread>

#include "solver/puzzle_state.h"

namespace quodrill {

namespace {

// A whole decimal number no greater than `limit`.
template <typename Number>
std::optional<Number> readNumber(std::string_view text, Number limit) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() < '0' || text.front() > '9' || error != std::errc() ||
        end != text.data() + text.size() || value > limit) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<std::uint64_t> readSeed(std::string_view text) {
    return readNumber<std::uint64_t>(text, UINT64_MAX);
}

int availableProcessors() {
    cpu_set_t processors;
    CPU_ZERO(&processors);
    int count = 0;
    if (sched_getaffinity(0, sizeof processors, &processors) == 0) {
        count = CPU_COUNT(&processors);
    }
    if (count <= 0) {
        count = static_cast<int>(std::thread::hardware_concurrency());
    }
    return std::clamp(count, 1, kMostJobs);
}

std::string seedError(std::string_view text) {
    return "--seed takes a whole number from 0 to 18446744073709551615, not '" + std::string(text) +
           "'";
}

ParsedSolveOptions parseSolveOptions(const std::vector<std::string>& arguments) {
    ParsedSolveOptions parsed;
    SolveOptions& options = parsed.options;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument == "-" || !argument.starts_with("-")) {
            options.files.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        if (argument == "--stats") {
            options.stats = true;
            continue;
        }
        // --seed N or --seed=N, and the same for --max-guesses and --jobs.
        std::string name = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        if (name != "--seed" && name != "--max-guesses" && name != "--jobs") {
            parsed.error = "unknown option " + argument;
            return parsed;
        }
        if (!value) {
            if (i + 1 == arguments.size()) {
                parsed.error = name + " needs a number";
                return parsed;
            }
            value = arguments[++i];
        }
        if (name == "--seed") {
            options.seed = readSeed(*value);
            if (!options.seed) {
                parsed.error = seedError(*value);
                return parsed;
            }
        } else if (name == "--jobs") {
            options.jobs = readNumber<int>(*value, kMostJobs);
            if (!options.jobs || *options.jobs == 0) {
                parsed.error = "--jobs takes a whole number from 1 to " +
                               std::to_string(kMostJobs) + ", not '" + *value + "'";
                return parsed;
            }
        } else {
            const std::optional<int> limit = readNumber<int>(*value, kCounterLimit);
            if (!limit) {
                parsed.error =
                    "--max-guesses takes a whole number from 0 to 32767, not '" + *value + "'";
                return parsed;
            }
            options.maxGuesses = *limit;
        }
    }
    return parsed;
}

}  // namespace quodrill

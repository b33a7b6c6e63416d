#include "headless/solve_options.h"

#include <getopt.h>
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

namespace {

// The codes of the long options that have no short form.
enum : int { kSolve = 256, kMaxGuesses, kStats, kCsv, kCountSolutions };

constexpr option kLongOptions[] = {
    {"solve", no_argument, nullptr, kSolve},
    {"seed", required_argument, nullptr, 's'},
    {"max-guesses", required_argument, nullptr, kMaxGuesses},
    {"jobs", required_argument, nullptr, 'j'},
    {"stats", no_argument, nullptr, kStats},
    {"csv", no_argument, nullptr, kCsv},
    {"count-solutions", no_argument, nullptr, kCountSolutions},
    {"help", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, 'V'},
    {nullptr, 0, nullptr, 0},
};
// "-": the arguments in the order given, file names among them, whatever POSIXLY_CORRECT says;
// ":": a missing value told apart from an unknown option.
constexpr const char* kShortOptions = "-:s:j:hV";

std::string optionName(int code) {
    for (const option* entry = kLongOptions; entry->name != nullptr; ++entry) {
        if (entry->val == code) {
            return std::string("--") + entry->name;
        }
    }
    return std::string("-") + static_cast<char>(code);
}

// The arguments as getopt_long takes them, the program's name first; it reads them from the
// start however often it was called before.
class ArgumentVector {
  public:
    explicit ArgumentVector(const std::vector<std::string>& arguments) : texts_(arguments) {
        texts_.insert(texts_.begin(), "quodrill");
        for (std::string& text : texts_) {
            pointers_.push_back(text.data());
        }
        pointers_.push_back(nullptr);
        ::optind = 0;  // glibc starts afresh
        ::opterr = 0;  // the messages are the program's own
    }
    int count() const { return static_cast<int>(texts_.size()); }
    char** data() { return pointers_.data(); }
    const std::string& at(int index) const { return texts_[static_cast<std::size_t>(index)]; }

  private:
    std::vector<std::string> texts_;
    std::vector<char*> pointers_;
};

int nextOption(ArgumentVector& arguments) {
    return getopt_long(arguments.count(), arguments.data(), kShortOptions, kLongOptions, nullptr);
}

// What is wrong with `argument`, which getopt_long refused.
std::string refusedOption(const std::string& argument, int shortOption) {
    if (!argument.starts_with("--")) {
        return "unknown option -" + std::string(1, static_cast<char>(shortOption));
    }
    const std::string name = argument.substr(2, argument.find('=') - 2);
    std::vector<const option*> matches;
    for (const option* entry = kLongOptions; entry->name != nullptr; ++entry) {
        if (std::string_view(entry->name).starts_with(name)) {
            matches.push_back(entry);
        }
    }
    if (matches.size() > 1) {
        std::string candidates;
        for (const option* entry : matches) {
            candidates += (candidates.empty() ? "--" : ", --") + std::string(entry->name);
        }
        return "ambiguous option --" + name + " (" + candidates + ")";
    }
    if (matches.size() == 1 && matches.front()->has_arg == no_argument) {
        return "--" + std::string(matches.front()->name) + " takes no value";
    }
    return "unknown option " + argument;
}

// Sets the option `code` with its value; returns what is wrong with it.
std::string setOption(ParsedSolveOptions& parsed, int code, const std::string& value) {
    SolveOptions& options = parsed.options;
    switch (code) {
        case 's':
            options.seed = readSeed(value);
            return options.seed ? "" : seedError(value);
        case 'j':
            options.jobs = readNumber<int>(value, kMostJobs);
            if (!options.jobs || *options.jobs == 0) {
                return "--jobs takes a whole number from 1 to " + std::to_string(kMostJobs) +
                       ", not '" + value + "'";
            }
            return "";
        case kMaxGuesses:
            if (const std::optional<int> limit = readNumber<int>(value, kCounterLimit)) {
                options.maxGuesses = *limit;
                return "";
            }
            return "--max-guesses takes a whole number from 0 to 32767, not '" + value + "'";
        case kStats:
            options.stats = true;
            return "";
        case kCsv:
            options.csv = true;
            return "";
        case kCountSolutions:
            options.countSolutions = true;
            return "";
        case 'h':
            parsed.help = true;
            return "";
        case 'V':
            parsed.version = true;
            return "";
        default:  // kSolve
            return "";
    }
}

bool onlyWithSolve(int code) {
    return code != 's' && code != 'h' && code != 'V' && code != kSolve;
}

}  // namespace

bool asksToSolve(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument == "--") {
            break;
        }
        if (argument.starts_with("--")) {
            ArgumentVector one({argument});
            if (nextOption(one) == kSolve) {
                return true;
            }
        }
    }
    return false;
}

ParsedSolveOptions parseProgramOptions(const std::vector<std::string>& arguments, bool withSolve) {
    ParsedSolveOptions parsed;
    ArgumentVector argv(arguments);
    for (;;) {
        const int at = std::max(::optind, 1);  // the argument getopt_long is about to read
        const int code = nextOption(argv);
        if (code == -1) {
            break;
        }
        if (code == 1) {
            parsed.options.files.emplace_back(::optarg);
            continue;
        }
        if (code == '?') {
            parsed.error = refusedOption(argv.at(at), ::optopt);
        } else if (code == ':') {
            parsed.error = optionName(::optopt) + " needs a number";
        } else if (!withSolve && onlyWithSolve(code)) {
            parsed.error = optionName(code) + " works only with --solve";
        } else {
            parsed.error = setOption(parsed, code, ::optarg != nullptr ? ::optarg : "");
        }
        if (!parsed.error.empty()) {
            return parsed;
        }
    }
    for (int i = ::optind; i < argv.count(); ++i) {
        parsed.options.files.push_back(argv.at(i));  // after "--"
    }
    const SolveOptions& options = parsed.options;
    if (options.countSolutions && !options.stats && !options.csv) {
        parsed.error =
            "--count-solutions shows its counts on the --stats line or with --csv: "
            "give one of them too";
    }
    return parsed;
}

ParsedSolveOptions parseSolveOptions(const std::vector<std::string>& arguments) {
    return parseProgramOptions(arguments, true);
}

}  // namespace quodrill

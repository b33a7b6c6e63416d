#include "bench/ratio_reporter.h"

#include <algorithm>
#include <cstdio>

namespace quodrill::bench {

namespace {

// "pass/fast/test3/repeats:5" -> engine "fast", key "pass/test3".
bool splitName(const std::string& name, std::string& engine, std::string& key) {
    const std::size_t first = name.find('/');
    const std::size_t second = first == std::string::npos ? first : name.find('/', first + 1);
    if (second == std::string::npos) {
        return false;
    }
    engine = name.substr(first + 1, second - first - 1);
    std::string rest = name.substr(second);
    rest = rest.substr(0, rest.find("/repeats:"));
    key = name.substr(0, first) + rest;
    return true;
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (!median && !single) {
            continue;
        }
        std::string engine;
        std::string key;
        if (!splitName(run.run_name.str(), engine, key)) {
            continue;
        }
        const double time = run.GetAdjustedRealTime();
        if (engine == "reference") {
            reference_[key] = time;
        } else if (engine == "fast") {
            fast_[key] = time;
        }
    }
}

void RatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::vector<double> passRatios;
    std::printf("\n%-24s %16s %16s %10s\n", "benchmark", "reference", "fast", "ratio");
    for (const auto& [key, reference] : reference_) {
        const auto fast = fast_.find(key);
        if (fast == fast_.end() || fast->second <= 0) {
            continue;
        }
        const double ratio = reference / fast->second;
        std::printf("%-24s %16.1f %16.1f %9.1fx\n", key.c_str(), reference, fast->second, ratio);
        if (key.rfind("pass/", 0) == 0) {
            passRatios.push_back(ratio);
        }
    }
    if (!passRatios.empty()) {
        std::sort(passRatios.begin(), passRatios.end());
        std::printf("one pass, median ratio over the nine examples: %.1fx\n",
                    passRatios[passRatios.size() / 2]);
    }
}

}  // namespace quodrill::bench

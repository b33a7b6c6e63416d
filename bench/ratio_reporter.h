// A console reporter that also prints, at the end, how many times faster each "fast" benchmark
// ran than its "reference" twin of the same name.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace quodrill::bench {

class RatioReporter final : public benchmark::ConsoleReporter {
  public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}  // no colours: the output goes to files
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

  private:
    // Real time per iteration by name with the engine part taken out ("pass/test3"), taken from
    // the median of repetitions when there are some, else from the single run.
    std::map<std::string, double> reference_;
    std::map<std::string, double> fast_;
};

}  // namespace quodrill::bench

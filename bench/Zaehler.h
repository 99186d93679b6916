#pragma once
// Shared by the benchmark programs: a heap-allocation counter and a reporter
// that prints the ratio of a benchmark to its baseline from the same run.

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <new>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace vapro::bench {

extern std::atomic<long> gAllokationen;

// Heap allocations made while `f` runs.
template <typename F> long Allokationen(F&& f) {
    const long vorher = gAllokationen.load();
    f();
    return gAllokationen.load() - vorher;
}

class Verhältnisse : public benchmark::ConsoleReporter {
  public:
    // (benchmark, baseline, target ratio)
    explicit Verhältnisse(std::vector<std::tuple<std::string, std::string, double>> paare)
        : paare_(std::move(paare)) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs)
            if (r.iterations > 0) zeiten_[r.benchmark_name()] = r.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, basis, ziel] : paare_) {
            if (!zeiten_.count(name) || !zeiten_.count(basis)) continue;
            const double v = zeiten_[name] / zeiten_[basis];
            std::printf("ratio %s / %s = %.2f (target below %.1f)\n", name.c_str(), basis.c_str(),
                        v, ziel);
        }
    }

    // Mean real time per iteration of a benchmark, in its own time unit; 0 if it did not run.
    double Zeit(const std::string& name) const {
        auto it = zeiten_.find(name);
        return it == zeiten_.end() ? 0.0 : it->second;
    }

  private:
    std::vector<std::tuple<std::string, std::string, double>> paare_;
    std::map<std::string, double> zeiten_;
};

} // namespace vapro::bench

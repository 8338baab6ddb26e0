// A benchmark main that prints, after the usual table, how our operations
// compare with the reference implementations measured in the same run.
//
// Benchmarks are named "<subject>/<contender>[/<flavour>]", e.g.
// "utf8/ours/ascii" and "utf8/icu/ascii".  For every run whose contender is
// not `ours`, the summary gives the time of the reference run over the time
// of ours with the same subject and flavour: a ratio above 1 means ours is
// faster.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace qrv::bench {

constexpr const char *kOurs = "ours";

inline std::string bench_name(const std::string &subject, const std::string &contender,
                              const std::string &flavour = {}) {
    return subject + "/" + contender + (flavour.empty() ? "" : "/" + flavour);
}

// The console table as usual, and each plain run's real time per iteration
// kept by name.
class RecordingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        for (const Run &run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred)
                seconds_[run.benchmark_name()] = run.real_accumulated_time / static_cast<double>(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void print_ratios() const {
        std::printf("\nReference time / our time (above 1: ours is faster)\n");
        for (const auto &[name, seconds] : seconds_) {
            const std::string ours = ours_name(name);
            const auto found = seconds_.find(ours);
            if (ours == name || found == seconds_.end()) continue;
            std::printf("  %-40s %6.2fx\n", name.c_str(), seconds / found->second);
        }
    }

private:
    // "subject/contender/flavour" with the contender replaced by ours.
    static std::string ours_name(const std::string &name) {
        const size_t first = name.find('/');
        if (first == std::string::npos) return name;
        const size_t second = name.find('/', first + 1);
        const std::string rest = second == std::string::npos ? "" : name.substr(second);
        return name.substr(0, first + 1) + kOurs + rest;
    }

    std::map<std::string, double> seconds_;
};

inline int run_with_ratios(int argc, char **argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RecordingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratios();
    benchmark::Shutdown();
    return 0;
}

}  // namespace qrv::bench

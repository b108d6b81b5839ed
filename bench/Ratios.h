// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// Runs the registered benchmarks and prints, after Google Benchmark's own
// table, each ratio between two of them next to its target.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

struct Ratio {
    std::string label;
    std::string measured; // benchmark name (numerator)
    std::string baseline; // benchmark name (denominator)
    double target;        // the ratio must stay at or below this
};

class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
                times[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] = run.GetAdjustedRealTime() * Scale(run.time_unit);
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times; // nanoseconds

private:
    static double Scale(benchmark::TimeUnit unit) {
        switch (unit) {
        case benchmark::kSecond: return 1e9;
        case benchmark::kMillisecond: return 1e6;
        case benchmark::kMicrosecond: return 1e3;
        default: return 1.0;
        }
    }
};

inline int RunWithRatios(int argc, char** argv, const std::vector<Ratio>& ratios) {
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-58s %10s %10s %8s %8s\n", "ratio", "measured", "baseline", "ratio", "target");
    bool allMet = true;
    for (const Ratio& r : ratios) {
        const auto a = reporter.times.find(r.measured), b = reporter.times.find(r.baseline);
        if (a == reporter.times.end() || b == reporter.times.end() || b->second <= 0) continue;
        const double value = a->second / b->second;
        allMet = allMet && value <= r.target;
        std::printf("%-58s %8.3fms %8.3fms %8.3f %7s%.2f %s\n", r.label.c_str(), a->second / 1e6, b->second / 1e6,
                    value, "<=", r.target, value <= r.target ? "met" : "MISSED");
    }
    std::fflush(stdout);
    benchmark::Shutdown();
    return allMet ? 0 : 1;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
// The solver's figures: Korf's 100 15-puzzles (optimal, median, slowest, the
// first call with its tables), Korf and Felner's 50 24-puzzles (length against
// the published optimum, a second each), and shuffled boards of every size and
// level (each within 200 ms, 20 x 20 against the Manhattan distance).
// Usage: solver_bench [--boards-per-size=N] [--only=korf|24|shuffled] [--grid=CxR] [--help]
// (default 11 boards per size and level: 10,692 boards). Times are wall
// clock; the CPU time of the slowest solves is printed beside them, which is
// what counts when the machine is shared.
#include "SolverInstances.h"
#include "engine/PatternDatabase.h"
#include "engine/SolverBoards.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <string>
#include <sys/resource.h>

namespace {

using Ms = std::chrono::duration<double, std::milli>;

struct Timed {
    std::optional<Solution> solution;
    double ms;    // wall clock
    double cpuMs; // this thread's processor time
};

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 + usage.ru_stime.tv_sec * 1e3 +
           usage.ru_stime.tv_usec / 1e3;
}

Timed Solve(const TPuzzle& board, std::chrono::milliseconds budget) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuMs();
    auto solution = SolveBoard(board, budget);
    return {std::move(solution), Ms(std::chrono::steady_clock::now() - start).count(), CpuMs() - cpuStart};
}

double MaxCpu(const std::vector<Timed>& runs) {
    double most = 0;
    for (const Timed& run : runs) most = std::max(most, run.cpuMs);
    return most;
}

bool allMet = true;

void Report(const char* label, double value, const char* unit, double target, bool atMost = true) {
    const bool met = atMost ? value <= target : value >= target;
    allMet = allMet && met;
    std::printf("  %-46s %10.2f %-3s target %s %.2f  %s\n", label, value, unit, atMost ? "<=" : ">=", target,
                met ? "met" : "MISSED");
}

// A figure that must be at most `must` and is aimed at `aim`.
void ReportWithAim(const char* label, double value, const char* unit, double must, double aim) {
    const bool met = value <= must;
    allMet = allMet && met;
    std::printf("  %-46s %10.2f %-3s must <= %.2f  aim <= %.2f  %s%s\n", label, value, unit, must, aim,
                met ? "met" : "MISSED", value <= aim ? ", aim met" : "");
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::vector<double> WallTimes(const std::vector<Timed>& runs) {
    std::vector<double> times;
    for (const Timed& run : runs) times.push_back(run.ms);
    return times;
}

std::vector<double> CpuTimes(const std::vector<Timed>& runs) {
    std::vector<double> times;
    for (const Timed& run : runs) times.push_back(run.cpuMs);
    return times;
}

void Korf() {
    std::vector<Timed> runs;
    int optimal = 0;
    for (const Instance15& instance : Korf100) {
        const TPuzzle board = PublishedBoard(4, instance.tiles);
        runs.push_back(Solve(board, std::chrono::seconds(20)));
        const Timed& run = runs.back();
        optimal += run.solution && run.solution->optimal && Solves(board, run.solution->moves) &&
                   int(run.solution->moves.size()) == instance.optimal;
    }
    const auto wall = WallTimes(runs), cpu = CpuTimes(runs);
    std::printf("== Korf's 100 15-puzzles\n");
    Report("optimal (published length, proven)", optimal, "", 100, false);
    ReportWithAim("median", Median(wall), "ms", 12, 5);
    ReportWithAim("median, CPU time", Median(cpu), "ms", 12, 5);
    ReportWithAim("slowest", *std::max_element(wall.begin(), wall.end()), "ms", 1500, 500);
    ReportWithAim("slowest, CPU time", MaxCpu(runs), "ms", 1500, 500);
    Report("first call, tables included", wall.front(), "ms", 2000);
    Report("first call, CPU time", cpu.front(), "ms", 2000);
}

void TwentyFour() {
    std::vector<double> ratios;
    std::vector<Timed> runs;
    int solved = 0;
    for (const Instance24& instance : KorfFelner50) {
        const TPuzzle board = PublishedBoard(5, instance.tiles);
        runs.push_back(Solve(board, std::chrono::seconds(1)));
        const Timed& run = runs.back();
        if (!run.solution || !Solves(board, run.solution->moves)) continue;
        ++solved;
        ratios.push_back(double(run.solution->moves.size()) / instance.optimal);
    }
    const auto wall = WallTimes(runs);
    std::printf("== Korf and Felner's 50 24-puzzles, a budget of 1 s each\n");
    Report("solved", solved, "", 50, false);
    ReportWithAim("mean length / published optimum",
                  ratios.empty() ? 99 : std::accumulate(ratios.begin(), ratios.end(), 0.0) / double(ratios.size()), "",
                  1.25, 1.1);
    Report("longest / published optimum", ratios.empty() ? 99 : *std::max_element(ratios.begin(), ratios.end()), "",
           99);
    Report("slowest (first call with its tables)", *std::max_element(wall.begin(), wall.end()), "ms", 1000);
    Report("slowest, CPU time", MaxCpu(runs), "ms", 1000);
}

constexpr std::chrono::milliseconds ShuffledBudget{200};

// One grid's boards only, when asked for (0 x 0: every grid).
struct Grid {
    int columns = 0, rows = 0;
    bool Includes(int c, int r) const { return columns == 0 || (columns == c && rows == r); }
};

void Shuffled(int perSize, Grid only) {
    int boards = 0, solved = 0, late = 0;
    double slowest = 0, slowestCpu = 0, ratioSum = 0;
    int ratioCount = 0;
    for (int columns = 3; columns <= 20; ++columns)
        for (int rows = 3; rows <= 20; ++rows)
            for (int level = 1; level <= 3 && only.Includes(columns, rows); ++level)
                for (int i = 0; i < perSize; ++i) {
                    const TPuzzle board = BenchBoard(columns, rows, level, i);
                    const Timed run = Solve(board, ShuffledBudget);
                    ++boards;
                    if (run.ms > double(ShuffledBudget.count())) {
                        ++late;
                        std::printf("  late: %d x %d, level %d, board %d (%.0f ms)\n", columns, rows, level, i, run.ms);
                    }
                    slowest = std::max(slowest, run.ms);
                    slowestCpu = std::max(slowestCpu, run.cpuMs);
                    if (!run.solution || !Solves(board, run.solution->moves)) {
                        std::printf("  unsolved: %d x %d, level %d, board %d (%.0f ms)\n", columns, rows, level, i,
                                    run.ms);
                        continue;
                    }
                    ++solved;
                    if (columns == 20 && rows == 20 && ManhattanDistance(board) > 0) {
                        ratioSum += double(run.solution->moves.size()) / ManhattanDistance(board);
                        ++ratioCount;
                    }
                }
    if (only.columns)
        std::printf("== Shuffled boards, %d x %d, levels 1-3, a budget of 200 ms each\n", only.columns, only.rows);
    else
        std::printf("== Shuffled boards, 3..20 x 3..20, levels 1-3, a budget of 200 ms each\n");
    Report("boards", boards, "", (only.columns ? 3 : 972) * perSize, false);
    Report("unsolved", boards - solved, "", 0);
    Report("solved later than the budget", late, "", 0);
    Report("slowest", slowest, "ms", 200);
    Report("slowest, CPU time", slowestCpu, "ms", 200);
    if (only.Includes(20, 20))
        Report("20 x 20: mean moves / Manhattan distance", ratioCount ? ratioSum / ratioCount : 99, "", 3.5);
}

constexpr const char* Usage = "Usage: solver_bench [--boards-per-size=N] [--only=korf|24|shuffled] [--grid=CxR]\n"
                              "  --boards-per-size=N  shuffled boards per size and level, 1 to 1000 (default 11)\n"
                              "  --only=PART          run one part: korf, 24 or shuffled\n"
                              "  --grid=CxR           shuffled boards of C columns and R rows only\n"
                              "  --help               print this and stop\n"
                              "Options starting with --benchmark_ are accepted and ignored.\n";

const char* After(const char* option, const char* prefix) {
    const size_t length = std::strlen(prefix);
    return std::strncmp(option, prefix, length) == 0 ? option + length : nullptr;
}

bool IsPart(const std::string& part) { return part == "korf" || part == "24" || part == "shuffled"; }

// A positive count, else 0.
int Count(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return *text && !*end && value > 0 && value <= 1000 ? int(value) : 0;
}

// "CxR" with both from 3 to 20.
std::optional<Grid> ReadGrid(const char* text) {
    int columns = 0, rows = 0, length = 0;
    if (std::sscanf(text, "%dx%d%n", &columns, &rows, &length) != 2 || text[length] != 0) return std::nullopt;
    if (columns < 3 || columns > 20 || rows < 3 || rows > 20) return std::nullopt;
    return Grid{columns, rows};
}

} // namespace

int main(int argc, char** argv) {
    int perSize = 11;
    std::string only;
    Grid grid;
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (const char* count = After(option, "--boards-per-size="); count && Count(count) > 0) {
            perSize = Count(count);
        } else if (const char* part = After(option, "--only="); part && IsPart(part)) {
            only = part;
        } else if (const char* size = After(option, "--grid="); size && ReadGrid(size)) {
            grid = *ReadGrid(size);
        } else if (!After(option, "--benchmark_")) { // bench.sh passes these to every benchmark
            std::fprintf(stderr, "solver_bench: unknown or malformed option %s\n%s", option, Usage);
            return 2;
        }
    }
    if (only.empty() || only == "korf") Korf();
    if (only.empty() || only == "24") TwentyFour();
    if (only.empty() || only == "shuffled") Shuffled(perSize, grid);
    std::printf("== Tables\n");
    Report("pattern tables cached", double(solver::CachedPatternBytes()) / (1 << 20), "MB", 64);
    return allMet ? 0 : 1;
}

// The solver's figures: Korf's 100 15-puzzles (optimal, median, slowest, the
// first call with its tables), Korf and Felner's 50 24-puzzles (length against
// the published optimum), and shuffled boards of every size and level (each
// within a second, 20 x 20 against the Manhattan distance).
// Usage: solver_bench [--boards-per-size=N] (default 11: 10,692 boards).
#include "SolverInstances.h"
#include "engine/PatternDatabase.h"
#include "engine/SolverBoards.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numeric>

namespace {

using Ms = std::chrono::duration<double, std::milli>;

struct Timed {
    std::optional<Solution> solution;
    double ms;
};

Timed Solve(const TPuzzle& board, std::chrono::milliseconds budget) {
    const auto start = std::chrono::steady_clock::now();
    auto solution = SolveBoard(board, budget);
    return {std::move(solution), Ms(std::chrono::steady_clock::now() - start).count()};
}

bool allMet = true;

void Report(const char* label, double value, const char* unit, double target, bool atMost = true) {
    const bool met = atMost ? value <= target : value >= target;
    allMet = allMet && met;
    std::printf("  %-46s %10.2f %-3s target %s %.2f  %s\n", label, value, unit, atMost ? "<=" : ">=", target,
                met ? "met" : "MISSED");
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Korf() {
    std::vector<double> times;
    int optimal = 0;
    for (const Instance15& instance : Korf100) {
        const TPuzzle board = PublishedBoard(4, instance.tiles);
        const Timed run = Solve(board, std::chrono::seconds(20));
        times.push_back(run.ms);
        optimal += run.solution && run.solution->optimal && Solves(board, run.solution->moves) &&
                   int(run.solution->moves.size()) == instance.optimal;
    }
    std::printf("== Korf's 100 15-puzzles\n");
    Report("optimal (published length, proven)", optimal, "", 100, false);
    Report("median", Median(times), "ms", 50);
    Report("slowest", *std::max_element(times.begin(), times.end()), "ms", 2000);
    Report("first call, tables included", times.front(), "ms", 2000);
}

void TwentyFour() {
    std::vector<double> ratios, times;
    int solved = 0;
    for (const Instance24& instance : KorfFelner50) {
        const TPuzzle board = PublishedBoard(5, instance.tiles);
        const Timed run = Solve(board, std::chrono::seconds(1));
        times.push_back(run.ms);
        if (!run.solution || !Solves(board, run.solution->moves)) continue;
        ++solved;
        ratios.push_back(double(run.solution->moves.size()) / instance.optimal);
    }
    std::printf("== Korf and Felner's 50 24-puzzles, a budget of 1 s each\n");
    Report("solved", solved, "", 50, false);
    Report("mean length / published optimum",
           ratios.empty() ? 99 : std::accumulate(ratios.begin(), ratios.end(), 0.0) / double(ratios.size()), "", 1.3);
    Report("longest / published optimum", ratios.empty() ? 99 : *std::max_element(ratios.begin(), ratios.end()), "",
           99);
    Report("slowest (first call with its tables)", *std::max_element(times.begin(), times.end()), "ms", 1000);
}

void Shuffled(int perSize) {
    int boards = 0, solved = 0;
    double slowest = 0, ratioSum = 0;
    int ratioCount = 0;
    for (int columns = 3; columns <= 20; ++columns)
        for (int rows = 3; rows <= 20; ++rows)
            for (int level = 1; level <= 3; ++level)
                for (int i = 0; i < perSize; ++i) {
                    const TPuzzle board =
                        ShuffledBoard(columns, rows, level, unsigned(1 + i * 7919 + columns * 31 + rows));
                    const Timed run = Solve(board, std::chrono::seconds(1));
                    ++boards;
                    slowest = std::max(slowest, run.ms);
                    if (!run.solution || !Solves(board, run.solution->moves)) {
                        std::printf("  unsolved: %d x %d, level %d, board %d\n", columns, rows, level, i);
                        continue;
                    }
                    ++solved;
                    if (columns == 20 && rows == 20 && ManhattanDistance(board) > 0) {
                        ratioSum += double(run.solution->moves.size()) / ManhattanDistance(board);
                        ++ratioCount;
                    }
                }
    std::printf("== Shuffled boards, 3..20 x 3..20, levels 1-3, a budget of 1 s each\n");
    Report("boards", boards, "", 10000, false);
    Report("unsolved", boards - solved, "", 0);
    Report("slowest", slowest, "ms", 1000);
    Report("20 x 20: mean moves / Manhattan distance", ratioCount ? ratioSum / ratioCount : 99, "", 3.5);
}

} // namespace

int main(int argc, char** argv) {
    int perSize = 11;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--boards-per-size=", 18) == 0) perSize = std::atoi(argv[i] + 18);
    Korf();
    TwentyFour();
    Shuffled(perSize);
    std::printf("== Tables\n");
    Report("pattern tables cached", double(solver::CachedPatternBytes()) / (1 << 20), "MB", 64);
    return allMet ? 0 : 1;
}

#include "engine/SolverBoards.h"
#include "SolverInstances.h"

#include <algorithm>
#include <cstdio>

using Ms = std::chrono::duration<double, std::milli>;

int main() {
    std::vector<double> times;
    int optimal = 0;
    for (size_t i = 0; i < Korf100.size(); ++i) {
        const TPuzzle board = PublishedBoard(4, Korf100[i].tiles);
        const auto start = std::chrono::steady_clock::now();
        const auto solution = SolveBoard(board, std::chrono::seconds(20));
        times.push_back(Ms(std::chrono::steady_clock::now() - start).count());
        const bool ok = solution && Solves(board, solution->moves) && solution->optimal &&
                        int(solution->moves.size()) == Korf100[i].optimal;
        optimal += ok;
        std::printf("%3zu %3d %3d %9.1f ms\n", i + 1, Korf100[i].optimal, solution ? int(solution->moves.size()) : -1,
                    times.back());
    }
    std::vector<double> sorted = times;
    std::sort(sorted.begin(), sorted.end());
    std::printf("optimal %d/100 median %.1f ms slowest %.1f ms first %.1f ms\n", optimal, sorted[50], sorted.back(),
                times[0]);
}

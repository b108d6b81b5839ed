#include "Reduction.h"

namespace solver {

std::optional<std::vector<BlankMove>> SolveByReduction(const Board&, Deadline) { return std::nullopt; }

} // namespace solver

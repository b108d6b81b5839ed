// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PatternSearch.h"

#include <algorithm>
#include <bit>
#include <queue>

namespace solver {

namespace {

// The area's pieces, where they are now: per compact cell the compact home of
// its piece (-1 for the blank), and the reverse.
struct AreaBoard {
    std::int8_t at[32];
    std::uint8_t where[32];
    int blank = 0;

    AreaBoard(const Board& board, const Area& area) {
        std::vector<int> indexOf(size_t(board.Size()), -1);
        for (int i = 0; i < area.Count(); ++i) indexOf[size_t(area.cellOf[size_t(i)])] = i;
        for (int i = 0; i < area.Count(); ++i) {
            const int piece = board.cells[size_t(area.cellOf[size_t(i)])];
            at[i] = piece == Blank ? std::int8_t(-1) : std::int8_t(indexOf[size_t(piece)]);
            if (piece == Blank)
                blank = i;
            else
                where[at[i]] = std::uint8_t(i);
        }
    }

    // The blank goes to `to`, a cell beside it; the piece there takes its place.
    void Slide(int to) {
        const int piece = at[to];
        at[blank] = std::int8_t(piece);
        at[to] = -1;
        where[piece] = std::uint8_t(blank);
        blank = to;
    }

    std::uint32_t Index(const PatternSet& patterns, int group, int n) const {
        const PatternTable& table = patterns.tables[size_t(group)];
        std::uint8_t cells[8];
        for (size_t i = 0; i < table.pieces.size(); ++i) cells[i] = where[table.pieces[i]];
        return PatternIndex(cells, int(table.pieces.size()), n);
    }

    // The index of the group in the board mirrored in the diagonal, which is
    // just as far from solved.
    std::uint32_t MirroredIndex(const PatternSet& patterns, const std::vector<std::int8_t>& mirror, int group,
                                int n) const {
        const PatternTable& table = patterns.tables[size_t(group)];
        std::uint8_t cells[8];
        for (size_t i = 0; i < table.pieces.size(); ++i)
            cells[i] = std::uint8_t(mirror[where[mirror[table.pieces[i]]]]);
        return PatternIndex(cells, int(table.pieces.size()), n);
    }
};

std::vector<BlankMove> MovesOf(const Area& area, int start, const std::vector<int>& blankPath) {
    std::vector<BlankMove> moves;
    int from = area.cellOf[size_t(start)];
    for (int compact : blankPath) {
        const int to = area.cellOf[size_t(compact)];
        moves.push_back(Toward(from, to));
        from = to;
    }
    return moves;
}

// IDA* over the area. Each piece's move changes one group's index by a
// multiple of the piece's place value (and one in the mirrored board), so
// the estimate of a child costs two table reads, and a child over the bound
// is counted without being entered.
class Ida {
public:
    Ida(const Board& board, const Area& area, const PatternSet& patterns, Deadline deadline)
        : area(area), state(board, area), deadline(deadline), mirrored(!area.mirror.empty()) {
        const int n = area.Count();
        for (int piece = 0; piece < n; ++piece) {
            if (patterns.groupOf[size_t(piece)] < 0) continue;
            const int image = mirrored ? area.mirror[size_t(piece)] : piece;
            steps[piece] = {patterns.groupOf[size_t(piece)], patterns.groupOf[size_t(image)],
                            patterns.placeValueOf[size_t(piece)], patterns.placeValueOf[size_t(image)]};
        }
        for (size_t g = 0; g < patterns.tables.size(); ++g) {
            tables[g] = patterns.tables[g].moves.data();
            index[g] = std::int32_t(state.Index(patterns, int(g), n));
            sum += tables[g][index[g]];
            if (mirrored) {
                mirrorIndex[g] = std::int32_t(state.MirroredIndex(patterns, area.mirror, int(g), n));
                mirrorSum += tables[g][mirrorIndex[g]];
            }
        }
    }

    std::optional<std::vector<BlankMove>> Run() {
        const int start = state.blank;
        for (int bound = std::max(sum, mirrorSum);;) {
            const int next = Search(0, bound, -1);
            if (next == Found) return MovesOf(area, start, path);
            if (next == Aborted || next == Unreachable) return std::nullopt;
            bound = next;
        }
    }

private:
    static constexpr int Found = -1, Aborted = -2, Unreachable = 1 << 20;

    // How a piece's move changes the indices: its group and place value,
    // and those of its image in the mirrored board.
    struct Step {
        std::int8_t group = 0, mirrorGroup = 0;
        std::int32_t value = 0, mirrorValue = 0;
    };

    int Search(int g, int bound, int previous) {
        if (sum == 0) return Found;
        if ((++nodes & 0xFFF) == 0 && deadline.Passed()) return Aborted;
        int least = Unreachable;
        const int blank = state.blank;
        for (int to : area.next[size_t(blank)]) {
            if (to < 0 || to == previous) continue;
            const Step step = steps[state.at[to]];
            const std::uint8_t* table = tables[step.group];
            const std::int32_t before = index[step.group], after = before + (blank - to) * step.value;
            const int childSum = sum + table[after] - table[before];
            std::int32_t mirrorBefore = 0, mirrorAfter = 0;
            int childMirrorSum = 0;
            if (mirrored) {
                const std::uint8_t* mirrorTable = tables[step.mirrorGroup];
                mirrorBefore = mirrorIndex[step.mirrorGroup];
                mirrorAfter = mirrorBefore + (area.mirror[size_t(blank)] - area.mirror[size_t(to)]) * step.mirrorValue;
                childMirrorSum = mirrorSum + mirrorTable[mirrorAfter] - mirrorTable[mirrorBefore];
            }
            const int f = g + 1 + std::max(childSum, childMirrorSum);
            if (f > bound) {
                least = std::min(least, f);
                continue;
            }
            const int sumBefore = sum, mirrorSumBefore = mirrorSum;
            index[step.group] = after;
            mirrorIndex[step.mirrorGroup] = mirrorAfter;
            sum = childSum;
            mirrorSum = childMirrorSum;
            state.Slide(to);
            path.push_back(to);
            const int result = Search(g + 1, bound, blank);
            if (result == Found) return Found;
            path.pop_back();
            state.Slide(blank);
            sum = sumBefore;
            mirrorSum = mirrorSumBefore;
            mirrorIndex[step.mirrorGroup] = mirrorBefore;
            index[step.group] = before;
            if (result == Aborted) return Aborted;
            least = std::min(least, result);
        }
        return least;
    }

    const Area& area;
    AreaBoard state;
    Deadline deadline;
    const bool mirrored;
    Step steps[32];
    const std::uint8_t* tables[32] = {};
    std::int32_t index[32] = {}, mirrorIndex[32] = {};
    int sum = 0, mirrorSum = 0;
    std::vector<int> path;

public:
    std::uint64_t nodes = 0;
};

// Weighted A* with states packed five bits a cell (the last cell's content
// follows from the others).
class WeightedAStar {
public:
    WeightedAStar(const Board& board, const Area& area, const PatternSet& patterns, double weight, Deadline deadline,
                  size_t maxNodes, int shorterThan)
        : area(area), patterns(patterns), weight(weight), deadline(deadline), maxNodes(maxNodes),
          shorterThan(shorterThan), n(area.Count()), start(board, area) {
        // Room for every state the search may store, taken at once: growing
        // on the way costs tens of milliseconds at a time, past the deadline.
        // The table is filled by Run.
        nodes.reserve(maxNodes + 4); // an expansion adds at most four
        std::vector<Entry> entries;
        entries.reserve(2 * maxNodes); // pages are touched only as the queue grows
        open = std::priority_queue<Entry>(std::less<Entry>(), std::move(entries));
    }

    std::optional<std::vector<BlankMove>> Run() {
        if (!table.ResizeBy(std::bit_ceil(2 * (maxNodes + 4) + 16), HashOfNode{nodes}, deadline))
            return std::nullopt;
        Add(start, 0, -1);
        while (!open.empty()) {
            const Entry entry = open.top();
            open.pop();
            Node node = nodes[entry.node];
            if (entry.g != node.g) continue; // reached again more cheaply since
            if (node.h == 0) return Path(entry.node);
            if ((++expanded & 0xFF) == 0 && deadline.Passed()) return std::nullopt;
            if (nodes.size() >= maxNodes) return std::nullopt;
            Expand(entry.node);
        }
        return std::nullopt;
    }

private:
    struct Key {
        std::uint64_t low = 0, high = 0;
        bool operator==(const Key& other) const { return low == other.low && high == other.high; }
    };
    struct Node {
        Key key;
        std::int32_t parent;
        std::uint16_t g;
        std::uint8_t blank, h;
    };
    struct Entry {
        float f;
        std::uint16_t g;
        std::uint32_t node;
        bool operator<(const Entry& other) const { return f != other.f ? f > other.f : g < other.g; }
    };

    Key Pack(const AreaBoard& p) const {
        Key key;
        for (int i = 0; i < std::min(n, 24); ++i) {
            const std::uint64_t value = std::uint64_t(p.at[i] < 0 ? 31 : p.at[i]);
            if (i < 12)
                key.low |= value << (5 * i);
            else
                key.high |= value << (5 * (i - 12));
        }
        return key;
    }

    AreaBoard Unpack(const Node& node) const {
        AreaBoard p = start;
        std::uint32_t present = 0;
        for (int i = 0; i < std::min(n, 24); ++i) {
            const std::uint64_t value = i < 12 ? node.key.low >> (5 * i) & 31 : node.key.high >> (5 * (i - 12)) & 31;
            p.at[i] = value == 31 ? std::int8_t(-1) : std::int8_t(value);
            present |= 1u << (value == 31 ? std::uint32_t(area.goal) : value);
        }
        if (n == 25) {
            const std::uint32_t missing = ~present & ((1u << 25) - 1);
            const int value = __builtin_ctz(missing);
            p.at[24] = value == area.goal ? std::int8_t(-1) : std::int8_t(value);
        }
        for (int i = 0; i < n; ++i) {
            if (p.at[i] < 0)
                p.blank = i;
            else
                p.where[p.at[i]] = std::uint8_t(i);
        }
        return p;
    }

    // The better of the board's estimate and its mirror's, when the area has one.
    int Estimate(const AreaBoard& p) const {
        int h = 0, mirrored = 0;
        for (size_t g = 0; g < patterns.tables.size(); ++g) {
            const std::vector<std::uint8_t>& table = patterns.tables[g].moves;
            h += table[p.Index(patterns, int(g), n)];
            if (!area.mirror.empty()) mirrored += table[p.MirroredIndex(patterns, area.mirror, int(g), n)];
        }
        return std::max(h, mirrored);
    }

    std::uint32_t& SlotOf(const Key& key) {
        if (table.Size() < nodes.size() * 2 + 16)
            table.Resize(std::max<size_t>(table.Size() * 2, 1 << 16), HashOfNode{nodes}, {});
        return table.SlotOf(Hash(key), [&](std::uint32_t node) { return nodes[node].key == key; });
    }

    static size_t Hash(const Key& key) {
        std::uint64_t x = key.low * 0x9E3779B97F4A7C15ull ^ (key.high + 0x632BE59BD9B4E019ull);
        x ^= x >> 29;
        x *= 0xBF58476D1CE4E5B9ull;
        return size_t(x ^ (x >> 32));
    }
    // A stored node's hash, for the table.
    struct HashOfNode {
        const std::vector<Node>& nodes;
        size_t operator()(std::uint32_t node) const { return Hash(nodes[node].key); }
    };

    void Add(const AreaBoard& p, int g, int parent) {
        const Key key = Pack(p);
        std::uint32_t& slot = SlotOf(key);
        if (slot != StateTable::Empty) {
            Node& known = nodes[slot];
            if (known.g <= g) return;
            known.g = std::uint16_t(g);
            known.parent = parent;
            open.push({float(g + weight * known.h), known.g, slot});
            return;
        }
        const int h = Estimate(p);
        if (g + h >= shorterThan) return; // the estimate never overstates
        slot = std::uint32_t(nodes.size());
        nodes.push_back({key, parent, std::uint16_t(g), std::uint8_t(p.blank), std::uint8_t(h)});
        open.push({float(g + weight * h), std::uint16_t(g), slot});
    }

    void Expand(std::uint32_t index) {
        const Node node = nodes[index];
        const AreaBoard p = Unpack(node);
        const int previous = node.parent >= 0 ? nodes[size_t(node.parent)].blank : -1;
        for (int to : area.next[size_t(p.blank)]) {
            if (to < 0 || to == previous) continue;
            AreaBoard child = p;
            child.Slide(to);
            Add(child, node.g + 1, int(index));
        }
    }

    std::vector<BlankMove> Path(std::uint32_t index) const {
        std::vector<int> blanks;
        for (std::int32_t at = std::int32_t(index); nodes[size_t(at)].parent >= 0; at = nodes[size_t(at)].parent)
            blanks.push_back(nodes[size_t(at)].blank);
        std::reverse(blanks.begin(), blanks.end());
        return MovesOf(area, start.blank, blanks);
    }

    const Area& area;
    const PatternSet& patterns;
    const double weight;
    const Deadline deadline;
    const size_t maxNodes;
    const int shorterThan;
    const int n;
    const AreaBoard start;
    std::vector<Node> nodes;
    std::uint64_t expanded = 0;
    StateTable table;
    std::priority_queue<Entry> open;
};

} // namespace

std::optional<std::vector<BlankMove>> ShortestSolution(const Board& board, const Area& area, const PatternSet& patterns,
                                                       Deadline deadline) {
    return Ida(board, area, patterns, deadline).Run();
}

std::optional<std::vector<BlankMove>> WeightedSolution(const Board& board, const Area& area, const PatternSet& patterns,
                                                       double weight, Deadline deadline, size_t maxNodes,
                                                       int shorterThan) {
    return WeightedAStar(board, area, patterns, weight, deadline, maxNodes, shorterThan).Run();
}

namespace {

// The largest group whose table stays within `limit` entries; on small areas
// at most half the pieces, which IDA* needs no more than.
int GroupSize(int cells, size_t limit) {
    int k = 1;
    while (k + 1 < cells && k + 1 <= (cells + 1) / 2 && Arrangements(cells, k + 1) <= limit) ++k;
    return k;
}

// Tables are built by the deadline when a plan is in hand, else whenever.
Deadline BuildBy(const AreaLimits& limits, const Deadline& deadline) {
    return limits.buildByDeadline ? deadline : deadline.At(Clock::time_point::max());
}

int ThoroughGroup(int cells, const AreaLimits& limits) {
    return GroupSize(cells, cells <= 16 ? limits.optimalTable : limits.weightedTable);
}

} // namespace

std::optional<AreaPlan> SolveArea(const Board& board, const Area& area, const AreaLimits& limits, Deadline optimalBy,
                                  Deadline deadline) {
    if (area.Count() <= 16) {
        const auto patterns =
            PatternsFor(area, board, GroupSize(area.Count(), limits.optimalTable), BuildBy(limits, deadline));
        if (!patterns) return std::nullopt;
        if (auto moves = ShortestSolution(board, area, *patterns, optimalBy)) return AreaPlan{std::move(*moves), true};
    }
    const auto patterns =
        PatternsFor(area, board, GroupSize(area.Count(), limits.weightedTable), BuildBy(limits, deadline));
    if (!patterns) return std::nullopt;
    std::optional<AreaPlan> best;
    // A high weight usually ends soonest, but on areas with loops it can run
    // into a region the tables misjudge: then the next weight goes on.
    // Each weight's search keeps only states that may lead to a plan shorter
    // than the best so far.
    for (double weight : {5.0, 2.0, 1.7, 1.5, 1.3, 1.2, 1.1}) {
        if (deadline.Passed()) break;
        auto moves = WeightedSolution(board, area, *patterns, weight, deadline, limits.weightedNodes,
                                      best ? int(best->moves.size()) : 1 << 30);
        if (!moves && best) break;
        if (moves && (!best || moves->size() < best->moves.size())) best = AreaPlan{std::move(*moves), false};
    }
    return best;
}

bool TablesReady(const Area& area, const AreaLimits& limits) {
    const int thorough = ThoroughGroup(area.Count(), limits);
    return Arrangements(area.Count(), thorough) <= limits.quickTable || CachedPatterns(area, thorough);
}

std::optional<AreaPlan> SolveAreaSoon(const Board& board, const Area& area, const AreaLimits& limits,
                                      Deadline optimalBy, Deadline deadline) {
    const int n = area.Count();
    const bool ready = TablesReady(area, limits);
    if (ready && n <= 16) return SolveArea(board, area, limits, optimalBy, deadline);
    const auto patterns = PatternsFor(area, board, ready ? ThoroughGroup(n, limits) : GroupSize(n, limits.quickTable),
                                      BuildBy(limits, deadline));
    if (!patterns) return std::nullopt;
    // Up to 16 cells a weight of 2 ends in tens of milliseconds with plans a
    // quarter longer than the shortest; on larger areas only a high weight
    // ends that soon.
    const double weight = n <= 16 ? 2.0 : 5.0;
    auto moves = WeightedSolution(board, area, *patterns, weight, deadline, limits.quickNodes);
    if (!moves) return std::nullopt;
    return AreaPlan{std::move(*moves), false};
}

} // namespace solver

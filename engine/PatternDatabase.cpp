// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "PatternDatabase.h"

#include <algorithm>
#include <list>
#include <mutex>

namespace solver {

size_t PatternSet::Bytes() const {
    size_t bytes = 0;
    for (const PatternTable& table : tables) bytes += table.moves.size();
    return bytes;
}

size_t Arrangements(int n, int k) {
    size_t count = 1;
    for (int i = 0; i < k; ++i) count *= size_t(n - i);
    return count;
}

size_t Power(int n, int k) {
    size_t power = 1;
    for (int i = 0; i < k; ++i) power *= size_t(n);
    return power;
}

namespace {

constexpr size_t CacheLimit = size_t(64) << 20;

// Groups grown from the piece farthest from the goal, each taking the
// neighbouring free piece that keeps it most compact (smallest bounding
// perimeter, then nearest the seed): pieces close together block each other
// most, which the tables then count.
std::vector<std::vector<std::uint8_t>> Partition(const Area& area, const Board& shape, int groupSize) {
    const int n = area.Count();
    const std::vector<int> fromGoal = StepsFrom(area, area.goal);
    std::vector<std::uint8_t> grouped(size_t(n), 0);
    grouped[size_t(area.goal)] = 1;
    std::vector<std::vector<std::uint8_t>> groups;
    auto row = [&](int i) { return area.cellOf[size_t(i)] / shape.width; };
    auto column = [&](int i) { return area.cellOf[size_t(i)] % shape.width; };
    for (int left = n - 1; left > 0;) {
        int seed = -1;
        for (int i = 0; i < n; ++i)
            if (!grouped[size_t(i)] && (seed < 0 || fromGoal[size_t(i)] > fromGoal[size_t(seed)])) seed = i;
        const std::vector<int> fromSeed = StepsFrom(area, seed);
        std::vector<std::uint8_t> group{std::uint8_t(seed)};
        grouped[size_t(seed)] = 1;
        int top = row(seed), bottom = top, leftmost = column(seed), rightmost = leftmost;
        while (int(group.size()) < groupSize && int(group.size()) < left) {
            int best = -1, bestScore = 0;
            for (int i = 0; i < n; ++i) {
                if (grouped[size_t(i)]) continue;
                const int perimeter = std::max(bottom, row(i)) - std::min(top, row(i)) +
                                      std::max(rightmost, column(i)) - std::min(leftmost, column(i));
                const int score = perimeter * 4096 + std::min(fromSeed[size_t(i)], 4095);
                if (best < 0 || score < bestScore) best = i, bestScore = score;
            }
            group.push_back(std::uint8_t(best));
            grouped[size_t(best)] = 1;
            top = std::min(top, row(best)), bottom = std::max(bottom, row(best));
            leftmost = std::min(leftmost, column(best)), rightmost = std::max(rightmost, column(best));
        }
        left -= int(group.size());
        groups.push_back(std::move(group));
    }
    return groups;
}

std::uint32_t Flood(const Area& area, int from, std::uint32_t open) {
    std::uint32_t reached = 1u << from, frontier = reached;
    while (frontier) {
        std::uint32_t grown = 0;
        for (std::uint32_t bits = frontier; bits; bits &= bits - 1) grown |= area.around[size_t(__builtin_ctz(bits))];
        frontier = grown & open & ~reached;
        reached |= frontier;
    }
    return reached;
}

// Breadth-first search over arrangements of the group and the blank's free
// region, counting only the group's moves: the blank roams its region at no
// cost. A state is queued once per region, with the region kept beside it.
// The search runs on the table's own index, a move adding its place value;
// `Regions` holds a bit per cell. Nothing when the deadline passes first.
template <typename Regions>
std::optional<PatternTable> BuildWith(const Area& area, const std::vector<std::uint8_t>& pieces,
                                      const Deadline& deadline) {
    const std::stop_token& stop = deadline.stop;
    const int n = area.Count(), k = int(pieces.size());
    const std::uint32_t all = n == 32 ? ~0u : (1u << n) - 1;
    std::vector<std::uint8_t> moves;
    std::vector<Regions> seen;
    if (!FillUnlessStopped(moves, Power(n, k), std::uint8_t(0xFF), stop) ||
        !FillUnlessStopped(seen, moves.size(), Regions(0), stop))
        return std::nullopt;
    std::int32_t placeValue[8];
    for (int i = 0; i < k; ++i) placeValue[i] = std::int32_t(Power(n, k - 1 - i));

    // A queued state: the pieces' cells above the region's bits.
    const int bits = n <= 16 ? 4 : 5;
    std::vector<std::uint64_t> level, next;
    auto reach = [&](std::uint32_t index, const std::uint8_t* cells, std::uint32_t occupied, int blank,
                     std::uint8_t depth) {
        if (seen[index] >> blank & 1) return;
        const std::uint32_t region = Flood(area, blank, all & ~occupied);
        seen[index] |= Regions(region);
        if (moves[index] == 0xFF) moves[index] = depth;
        std::uint64_t state = 0;
        for (int i = 0; i < k; ++i) state = state << bits | cells[i];
        next.push_back(state << n | region);
    };
    std::uint32_t home = 0;
    for (std::uint8_t piece : pieces) home |= 1u << piece;
    reach(PatternIndex(pieces.data(), k, n), pieces.data(), home, area.goal, 0);
    std::uint32_t expanded = 0;
    for (std::uint8_t depth = 1; !next.empty(); ++depth) {
        level.swap(next);
        next.clear();
        for (std::uint64_t state : level) {
            if ((++expanded & 0x3FF) == 0 && deadline.Passed()) return std::nullopt;
            const std::uint32_t region = std::uint32_t(state) & all;
            std::uint8_t cells[8];
            std::uint32_t occupied = 0;
            state >>= n;
            for (int i = k - 1; i >= 0; --i, state >>= bits) {
                cells[i] = std::uint8_t(state & ((1u << bits) - 1));
                occupied |= 1u << cells[i];
            }
            const std::int32_t index = std::int32_t(PatternIndex(cells, k, n));
            for (int i = 0; i < k; ++i) {
                const std::uint8_t from = cells[i];
                for (std::uint32_t to = area.around[from] & region; to; to &= to - 1) {
                    cells[i] = std::uint8_t(__builtin_ctz(to));
                    reach(std::uint32_t(index + (cells[i] - from) * placeValue[i]), cells,
                          occupied ^ (1u << from) ^ (1u << cells[i]), from, depth);
                }
                cells[i] = from;
            }
        }
    }
    return PatternTable{pieces, std::move(moves)};
}

std::optional<PatternTable> Build(const Area& area, const std::vector<std::uint8_t>& pieces, const Deadline& deadline) {
    return area.Count() <= 16 ? BuildWith<std::uint16_t>(area, pieces, deadline)
                              : BuildWith<std::uint32_t>(area, pieces, deadline);
}

std::vector<int> KeyOf(const Area& area, int groupSize) {
    std::vector<int> key{area.Count(), area.goal, groupSize};
    for (const auto& next : area.next) key.insert(key.end(), next.begin(), next.end());
    return key;
}

struct Cache {
    std::mutex mutex;
    std::list<std::pair<std::vector<int>, std::shared_ptr<const PatternSet>>> entries; // most recent first
    size_t bytes = 0;
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

} // namespace

std::shared_ptr<const PatternSet> CachedPatterns(const Area& area, int groupSize) {
    const std::vector<int> key = KeyOf(area, groupSize);
    Cache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    for (auto it = cache.entries.begin(); it != cache.entries.end(); ++it)
        if (it->first == key) {
            cache.entries.splice(cache.entries.begin(), cache.entries, it);
            return it->second;
        }
    return nullptr;
}

std::shared_ptr<const PatternSet> PatternsFor(const Area& area, const Board& shape, int groupSize,
                                              const Deadline& deadline) {
    if (auto cached = CachedPatterns(area, groupSize)) return cached;
    const std::vector<int> key = KeyOf(area, groupSize);
    Cache& cache = TheCache();
    auto set = std::make_shared<PatternSet>();
    set->groupOf.assign(size_t(area.Count()), -1);
    set->placeValueOf.assign(size_t(area.Count()), 0);
    for (const auto& group : Partition(area, shape, groupSize)) {
        for (size_t i = 0; i < group.size(); ++i) {
            set->groupOf[group[i]] = std::int8_t(set->tables.size());
            set->placeValueOf[group[i]] = std::int32_t(Power(area.Count(), int(group.size() - i - 1)));
        }
        auto table = Build(area, group, deadline);
        if (!table) return nullptr;
        set->tables.push_back(std::move(*table));
    }
    std::lock_guard lock(cache.mutex);
    for (const auto& entry : cache.entries)
        if (entry.first == key) return entry.second; // another thread was quicker
    cache.entries.emplace_front(key, set);
    cache.bytes += set->Bytes();
    while (cache.bytes > CacheLimit && cache.entries.size() > 1) {
        cache.bytes -= cache.entries.back().second->Bytes();
        cache.entries.pop_back();
    }
    return set;
}

size_t CachedPatternBytes() {
    Cache& cache = TheCache();
    std::lock_guard lock(cache.mutex);
    return cache.bytes;
}

} // namespace solver

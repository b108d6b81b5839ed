// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 the Slidora developers
#include "Placement.h"

#include <algorithm>
#include <queue>

namespace solver {

namespace {

// ------------------------------------------------------------ prices

// Every move slides one piece a step nearer its home or a step farther, and
// a plan's length is the pieces' total distance from home plus twice the
// moves of the second kind. So the blank's ways are priced by what they do
// to the pieces they move: a step that takes a piece farther from home costs
// more than one that brings it nearer. Prices are in half moves for the
// group search, which weighs both kinds more evenly than the single-piece
// route (found best on shuffled 20 x 20 boards).
struct Prices {
    int step, bias; // a step costs step + bias when it takes its piece away from home, step - bias otherwise
};
constexpr Prices RoutePrices{1, 1}, GroupPrices{2, 1};

// The price of the blank's step from `from` to `to`: the piece there moves
// to `from`.
int StepPrice(const Board& board, int from, int to, Prices prices) {
    const int piece = board.cells[size_t(to)];
    if (piece < 0) return prices.step;
    return prices.step + prices.bias * (Manhattan(board, piece, from) - Manhattan(board, piece, to));
}

// The cheapest ways of the blank from a cell through open cells, by
// RoutePrices on the board as it is (0 or 2 a step).
Ways BlankWays(const Board& board, const CellSet& open, int from, int avoid) {
    return CheapestWays(board.Size(), from, [&](int cell, auto&& step) {
        ForEachOpenNeighbour(board, open, cell, avoid,
                             [&](int next) { step(next, [&] { return StepPrice(board, cell, next, RoutePrices); }); });
    });
}

// ------------------------------------------------------------ one piece

// A* over the piece's cell and the side of it the blank is on; the blank's
// detours round the piece are priced by BlankWays, so the piece comes home
// by the moves that leave the other pieces nearest their homes for their
// length.
class PieceRoute {
public:
    PieceRoute(Board& board, const CellSet& open, const std::stop_token& stop, std::vector<BlankMove>& moves)
        : board(board), open(open), stop(stop), moves(moves), cost(size_t(board.Size()) * 4, Unreached),
          parent(size_t(board.Size()) * 4, -1) {}

    bool Run(int from, int to) {
        if (from == to) return true;
        const Ways first = BlankWays(board, open, board.blank, from);
        for (int side = 0; side < 4; ++side) {
            const int next = board.Next(from, AllMoves[size_t(side)]);
            if (next >= 0 && open[size_t(next)] && first.cost[size_t(next)] >= 0)
                Offer(from * 4 + side, first.cost[size_t(next)], -1, to);
        }
        while (!queue.empty() && !stop.stop_requested()) {
            const auto [f, state] = queue.top();
            queue.pop();
            const int piece = state / 4, g = cost[size_t(state)];
            if (f != g + Estimate(piece, to)) continue; // a cheaper way was found since
            if (piece == to) return Follow(state, from);
            Expand(state, g, to);
        }
        return false;
    }

private:
    static constexpr int Unreached = 1 << 30;

    // Each step of the piece itself costs the step price; the blank's ways
    // may cost nothing.
    int Estimate(int piece, int to) const { return RoutePrices.step * Manhattan(board, piece, to); }

    void Offer(int state, int g, int from, int to) {
        if (g >= cost[size_t(state)]) return;
        cost[size_t(state)] = g;
        parent[size_t(state)] = from;
        queue.emplace(g + Estimate(state / 4, to), state);
    }

    void Expand(int state, int g, int to) {
        const int piece = state / 4;
        const int blank = board.Next(piece, AllMoves[size_t(state % 4)]);
        const Ways around = BlankWays(board, open, blank, piece);
        for (int side = 0; side < 4; ++side) {
            const int next = board.Next(piece, AllMoves[size_t(side)]);
            if (next < 0 || !open[size_t(next)]) continue;
            if (next == blank) // the piece steps in; the blank is behind it
                Offer(blank * 4 + (side ^ 1), g + RoutePrices.step, state, to);
            else if (around.cost[size_t(next)] >= 0)
                Offer(piece * 4 + side, g + around.cost[size_t(next)], state, to);
        }
    }

    // Plays the route, each blank detour planned again on the board as it is.
    bool Follow(int goalState, int start) {
        std::vector<int> chain;
        for (int state = goalState; state >= 0; state = parent[size_t(state)]) chain.push_back(state);
        std::reverse(chain.begin(), chain.end());
        int piece = start;
        for (int state : chain) {
            const int cell = state / 4;
            if (cell != piece) {
                Walk(board, {piece}, moves);
                piece = cell;
                continue;
            }
            const auto path = BlankWays(board, open, board.blank, piece)
                                  .To(board.blank, board.Next(piece, AllMoves[size_t(state % 4)]));
            if (!path) return false;
            Walk(board, *path, moves);
        }
        return true;
    }

    Board& board;
    const CellSet& open;
    const std::stop_token& stop;
    std::vector<BlankMove>& moves;
    std::vector<int> cost, parent;
    using Item = std::pair<int, int>; // (cost + estimate, state)
    std::priority_queue<Item, std::vector<Item>, std::greater<>> queue;
};

// ------------------------------------------------------------ a few pieces

// A* over the places of the group's pieces and the blank within a window of
// open cells; the other pieces there are pushed about freely, each move
// priced by GroupPrices as if the piece it moves were still where it was
// when the search began. A state packs the blank's window index and each
// piece's in a byte each.
class GroupSearch {
public:
    GroupSearch(const Board& board, const CellSet& window, const std::vector<int>& targets, int weight)
        : board(board), weight(weight), targets(targets), nodes(TheScratch().nodes), table(TheScratch().table),
          buckets(TheScratch().buckets) {
        table.Forget(std::uint32_t(nodes.size()), HashOfNode{nodes});
        nodes.clear();
        for (auto& bucket : buckets) bucket.clear();
        if (table.Size() == 0) table.Resize(1024, HashOfNode{nodes}, {});
        index.assign(size_t(board.Size()), -1);
        for (int cell = 0; cell < board.Size(); ++cell)
            if (window[size_t(cell)]) {
                index[size_t(cell)] = int(cells.size());
                cells.push_back(cell);
            }
        LinkCells();
        for (int target : targets) {
            const std::vector<int> steps = StepsFrom(board, window, target);
            std::vector<int>& home = homeDistance.emplace_back();
            for (int cell : cells) home.push_back(steps[size_t(cell)]);
        }
        for (int target : targets) {
            start = start << 8 | std::uint64_t(index[size_t(Find(board, target))]);
            goal = goal << 8 | std::uint64_t(index[size_t(target)]);
        }
        pieceBits = 8 * targets.size();
        start = start | std::uint64_t(index[size_t(board.blank)]) << pieceBits;
    }

    // The blank's cells, in order, or nothing when the search gives up.
    std::optional<std::vector<int>> Run(size_t maxStates, const Deadline& deadline) {
        this->deadline = &deadline;
        nodes.reserve(maxStates + 4); // the pages are touched as the search grows, not copied on the way
        Add(start, 0, NoParent);
        for (current = 0; current < buckets.size(); ++current)
            for (size_t i = 0; i < buckets[current].size(); ++i) {
                const std::uint32_t node = buckets[current][i];
                const std::uint64_t state = nodes[node].state;
                if (nodes[node].f != current) continue; // queued again since, more cheaply
                if ((state & PieceMask()) == goal) return Path(node);
                if (nodes.size() > maxStates || tableFull || (expanded++ % 256 == 0 ? deadline.Passed() : deadline.Stopped()))
                    return std::nullopt;
                Expand(node);
            }
        return std::nullopt;
    }

private:
    static constexpr std::uint32_t NoParent = ~0u;
    struct Node {
        std::uint64_t state;
        std::uint32_t parent;
        int g;
        size_t f; // the bucket it was last queued in
    };
    // The search's memory, kept from one search to the next on the thread:
    // a search stores up to a few hundred thousand states, and fresh pages
    // for each would cost more than the search.
    struct Scratch {
        std::vector<Node> nodes;
        StateTable table;                                // emptied by the next search
        std::vector<std::vector<std::uint32_t>> buckets; // node indices by cost + weighted estimate
    };
    static Scratch& TheScratch() {
        thread_local Scratch scratch;
        return scratch;
    }

    std::uint64_t PieceMask() const { return (std::uint64_t(1) << pieceBits) - 1; }
    int Piece(std::uint64_t state, size_t i) const { return int(state >> (pieceBits - 8 * (i + 1)) & 0xFF); }
    int BlankOf(std::uint64_t state) const { return int(state >> pieceBits); }

    // The pieces' distances home at the step price, and the blank's to the
    // nearest piece not yet home at the least price.
    int Estimate(std::uint64_t state) const {
        int h = 0, reach = 1 << 20;
        const Place blank = places[size_t(BlankOf(state))];
        for (size_t i = 0; i < homeDistance.size(); ++i) {
            const int piece = Piece(state, i);
            const int d = homeDistance[i][size_t(piece)];
            h += d;
            const Place at = places[size_t(piece)];
            if (d > 0) reach = std::min(reach, std::abs(at.row - blank.row) + std::abs(at.column - blank.column) - 1);
        }
        return h > 0 ? GroupPrices.step * h + (GroupPrices.step - GroupPrices.bias) * reach : 0;
    }

    // Each window cell's place and its steps to its neighbours in the
    // window, priced for the piece that stood there when the search began;
    // the group's own pieces go home whatever the way: their steps cost the
    // same everywhere.
    void LinkCells() {
        for (int from : cells) {
            places.push_back({from / board.width, from % board.width});
            for (BlankMove move : AllMoves) {
                const int to = board.Next(from, move);
                Link& link = links.emplace_back();
                if (to < 0 || index[size_t(to)] < 0) continue;
                link.to = std::uint8_t(index[size_t(to)]);
                const bool target = std::find(targets.begin(), targets.end(), board.cells[size_t(to)]) != targets.end();
                link.price = target ? GroupPrices.step : StepPrice(board, from, to, GroupPrices);
            }
        }
    }

    void Add(std::uint64_t state, int g, std::uint32_t parent) {
        std::uint32_t& slot = SlotOf(state);
        if (slot == StateTable::Empty) {
            slot = std::uint32_t(nodes.size());
            nodes.push_back({state, parent, g, 0});
        } else {
            Node& known = nodes[slot];
            if (known.g <= g) return;
            known.g = g;
            known.parent = parent;
        }
        const std::uint32_t index = slot;
        // With a weight the estimate may fall faster than the cost rises.
        const size_t f = std::max(current, size_t(g + weight * Estimate(state)));
        nodes[index].f = f;
        if (buckets.size() <= f) buckets.resize(f + 1);
        buckets[f].push_back(index);
    }

    // The state's slot, free when it is new. Once the deadline passes the
    // table no longer grows: it has room for the expansion under way, after
    // which Run ends.
    std::uint32_t& SlotOf(std::uint64_t state) {
        if (table.Size() < 2 * nodes.size() + 64 && !tableFull)
            tableFull = deadline->Passed() || !table.ResizeBy(table.Size() * 2, HashOfNode{nodes}, *deadline);
        return table.SlotOf(Hash(state), [&](std::uint32_t node) { return nodes[node].state == state; });
    }

    static size_t Hash(std::uint64_t x) {
        x *= 0x9E3779B97F4A7C15ull;
        return size_t(x ^ (x >> 29));
    }
    // A stored node's hash, for the table.
    struct HashOfNode {
        const std::vector<Node>& nodes;
        size_t operator()(std::uint32_t node) const { return Hash(nodes[node].state); }
    };

    void Expand(std::uint32_t node) {
        const std::uint64_t state = nodes[node].state;
        const int g = nodes[node].g, blank = BlankOf(state);
        for (size_t move = 0; move < AllMoves.size(); ++move) {
            const Link link = links[size_t(blank) * AllMoves.size() + move];
            if (link.to == NoCell) continue;
            std::uint64_t child = state & PieceMask();
            bool groupPiece = false;
            for (size_t i = 0; i < homeDistance.size(); ++i)
                if (Piece(state, i) == link.to) {
                    const int shift = int(pieceBits - 8 * (i + 1));
                    child = (child & ~(std::uint64_t(0xFF) << shift)) | std::uint64_t(blank) << shift;
                    groupPiece = true;
                }
            Add(child | std::uint64_t(link.to) << pieceBits, g + (groupPiece ? GroupPrices.step : link.price), node);
        }
    }

    std::vector<int> Path(std::uint32_t node) const {
        std::vector<int> path;
        for (std::uint32_t at = node; nodes[at].parent != NoParent; at = nodes[at].parent)
            path.push_back(cells[size_t(BlankOf(nodes[at].state))]);
        std::reverse(path.begin(), path.end());
        return path;
    }

    const Board& board;
    const int weight;
    const std::vector<int> targets;
    static constexpr std::uint8_t NoCell = 0xFF;
    struct Place {
        int row, column;
    };
    struct Link {
        std::uint8_t to = NoCell; // a window index
        int price = 0;
    };
    std::vector<int> cells, index;
    std::vector<Place> places;                  // per window index
    std::vector<Link> links;                    // per window index and move
    std::vector<std::vector<int>> homeDistance; // per piece, per window index
    std::uint64_t start = 0, goal = 0;
    size_t pieceBits = 0;
    std::vector<Node>& nodes;
    StateTable& table;
    std::vector<std::vector<std::uint32_t>>& buckets;
    size_t current = 0, expanded = 0;
    bool tableFull = false; // it may not grow any more: the search ends
    const Deadline* deadline = nullptr;
};

// The open cells within `radius` steps of any of the cells.
CellSet Around(const Board& board, const CellSet& open, const std::vector<int>& cells, int radius, int& size) {
    CellSet window(open.size(), 0);
    size = 0;
    for (int cell : cells) {
        const std::vector<int> d = StepsFrom(board, open, cell);
        for (int c = 0; c < board.Size(); ++c)
            if (d[size_t(c)] >= 0 && d[size_t(c)] <= radius && !window[size_t(c)]) {
                window[size_t(c)] = 1;
                ++size;
            }
    }
    return window;
}

// How far the pieces and the blank are from the nearest of the cells.
int Spread(const Board& board, const CellSet& open, const std::vector<int>& cells) {
    std::vector<int> nearest(size_t(board.Size()), 1 << 20);
    for (int cell : cells) {
        const std::vector<int> d = StepsFrom(board, open, cell);
        for (int c = 0; c < board.Size(); ++c)
            if (d[size_t(c)] >= 0) nearest[size_t(c)] = std::min(nearest[size_t(c)], d[size_t(c)]);
    }
    int spread = nearest[size_t(board.blank)];
    for (int piece : cells) spread = std::max(spread, nearest[size_t(Find(board, piece))]);
    return spread;
}

// Brings each piece of the group within `radius` steps of the group's cells,
// then the blank.
bool Gather(Board& board, const CellSet& open, const std::vector<int>& cells, int radius, const std::stop_token& stop,
            std::vector<BlankMove>& moves) {
    int size = 0;
    const CellSet window = Around(board, open, cells, radius, size);
    for (int piece : cells) {
        const int at = Find(board, piece);
        if (window[size_t(at)]) continue;
        const std::vector<int> d = StepsFrom(board, open, at);
        int best = -1;
        for (int cell = 0; cell < board.Size(); ++cell)
            if (window[size_t(cell)] && d[size_t(cell)] >= 0 && (best < 0 || d[size_t(cell)] < d[size_t(best)]))
                best = cell;
        if (best < 0 || !RoutePiece(board, open, at, best, stop, moves)) return false;
    }
    if (window[size_t(board.blank)]) return true;
    CellSet free = open;
    for (int piece : cells) free[size_t(Find(board, piece))] = 0;
    const std::vector<int> d = StepsFrom(board, free, board.blank);
    int best = -1;
    for (int cell = 0; cell < board.Size(); ++cell)
        if (window[size_t(cell)] && d[size_t(cell)] > 0 && (best < 0 || d[size_t(cell)] < d[size_t(best)])) best = cell;
    if (best < 0) return false;
    Walk(board, *ShortestPath(board, free, board.blank, best), moves);
    return true;
}

// Window sizes whose state spaces stay within a few million.
size_t WindowLimit(size_t pieces) { return pieces <= 2 ? 90 : 36; }

// ------------------------------------------------------------ a corridor

// The loop: the entry, the corridor, the exit and a shortest way back to the
// entry. Turning it forward moves every piece on it one step on, the piece at
// the entry into the corridor. The pieces go in last cell first, so that
// each one is pushed along to its place by those after it; the ones in place
// form a run at the front of the corridor.
class EarFiller {
public:
    EarFiller(Board& board, const CellSet& open, const std::vector<int>& ear, int entry, int exit,
              const std::stop_token& stop, std::vector<BlankMove>& moves)
        : board(board), ear(ear), entry(entry), exit(exit), stop(stop), moves(moves), main(open),
          onLoop(open.size(), 0) {
        for (int cell : ear) main[size_t(cell)] = 0;
        loop.push_back(entry);
        loop.insert(loop.end(), ear.begin(), ear.end());
        loop.push_back(exit);
        const auto back = ShortestPath(board, main, exit, entry);
        if (back) loop.insert(loop.end(), back->begin(), back->end() - 1);
        closed = back.has_value();
        for (int cell : loop) onLoop[size_t(cell)] = 1;
    }

    bool Run() {
        if (!closed) return false;
        if (!main[size_t(board.blank)]) { // in the corridor: out by its entry
            const auto it = std::find(ear.begin(), ear.end(), board.blank);
            std::vector<int> out(std::make_reverse_iterator(it), ear.rend());
            out.push_back(entry);
            Walk(board, out, moves);
        }
        for (size_t placed = 0; placed < ear.size(); ++placed) {
            const int piece = ear[ear.size() - 1 - placed];
            if (!TakeOut(piece, placed) || !RoutePiece(board, main, Find(board, piece), entry, stop, moves) ||
                !Turn(true))
                return false;
        }
        return true;
    }

private:
    // A piece in the corridor behind the run is turned out at the exit, set
    // aside off the loop, and the loop turned back, which brings the run back
    // to the front.
    bool TakeOut(int piece, size_t placed) {
        for (int tries = 0; tries < 4; ++tries) {
            const auto at = std::find(ear.begin(), ear.end(), Find(board, piece));
            if (at == ear.end()) return true;
            if (size_t(at - ear.begin()) < placed) return false;
            const long turns = ear.end() - at;
            for (long i = 0; i < turns; ++i)
                if (!Turn(true)) return false;
            if (!MoveOffLoop(Find(board, piece))) return false;
            for (long i = 0; i < turns; ++i)
                if (!Turn(false)) return false;
        }
        return false;
    }

    // Routes the piece at `cell` to the nearest open cell off the loop.
    bool MoveOffLoop(int cell) {
        const std::vector<int> d = StepsFrom(board, main, cell);
        int best = -1;
        for (int c = 0; c < board.Size(); ++c)
            if (d[size_t(c)] > 0 && !onLoop[size_t(c)] && (best < 0 || d[size_t(c)] < d[size_t(best)])) best = c;
        return best >= 0 && RoutePiece(board, main, cell, best, stop, moves);
    }

    // Every piece on the loop one step on (forward: the piece at the entry
    // into the corridor) or back (the piece at the exit into it): the blank
    // comes to the cell before the entry (after the exit) without passing
    // it, then walks the loop the other way round to it.
    bool Turn(bool forward) {
        const int held = forward ? entry : exit;
        CellSet around = main;
        around[size_t(held)] = 0;
        std::vector<int> lap;
        if (forward) {
            lap.assign(loop.rbegin(), loop.rend());
        } else {
            const auto after = loop.begin() + long(ear.size()) + 2;
            lap.assign(after, loop.end());
            lap.insert(lap.end(), loop.begin(), after);
        }
        const auto path = ShortestPath(board, around, board.blank, lap.front());
        if (!path) return false;
        Walk(board, *path, moves);
        Walk(board, std::vector<int>(lap.begin() + 1, lap.end()), moves);
        return true;
    }

    Board& board;
    const std::vector<int>& ear;
    const int entry, exit;
    const std::stop_token& stop;
    std::vector<BlankMove>& moves;
    CellSet main, onLoop;
    std::vector<int> loop; // entry, the corridor, exit, the way back to the entry
    bool closed = false;
};

} // namespace

bool FillEar(Board& board, const CellSet& open, const std::vector<int>& ear, int entry, int exit,
             const std::stop_token& stop, std::vector<BlankMove>& moves) {
    return EarFiller(board, open, ear, entry, exit, stop, moves).Run();
}

bool RoutePiece(Board& board, const CellSet& open, int from, int to, const std::stop_token& stop,
                std::vector<BlankMove>& moves) {
    return PieceRoute(board, open, stop, moves).Run(from, to);
}

bool PlaceGroup(Board& board, const CellSet& open, const std::vector<int>& cells, size_t maxStates,
                const Deadline& deadline, std::vector<BlankMove>& moves) {
    const std::stop_token& stop = deadline.stop;
    int radius = std::max(2, Spread(board, open, cells)), size = 0;
    Around(board, open, cells, radius, size);
    if (size_t(size) > WindowLimit(cells.size())) {
        if (!Gather(board, open, cells, 2, stop, moves)) return false;
        radius = std::max(2, Spread(board, open, cells));
    }
    for (int extra = 0; extra < 3; ++extra) {
        const CellSet window = Around(board, open, cells, radius + extra, size);
        if (size > 255 || (extra > 0 && size_t(size) > WindowLimit(cells.size()))) break;
        if (!window[size_t(board.blank)] ||
            !std::all_of(cells.begin(), cells.end(), [&](int piece) { return window[size_t(Find(board, piece))]; }))
            continue;
        // Pairs are placed by the fewest moves; three pieces by a weighted
        // search, which is far quicker and rarely much longer.
        const auto path = GroupSearch(board, window, cells, cells.size() <= 2 ? 1 : 2).Run(maxStates, deadline);
        if (path) {
            Walk(board, *path, moves);
            return true;
        }
    }
    return false;
}

} // namespace solver

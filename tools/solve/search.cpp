#include "tools/solve/search.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_set>

#include "game/grid.h"
#include "game/level_loader.h"

namespace {

// Steps after a boulder push in which the roll may still be under way.
struct Flight {
    int stepsLeft = 0;
    std::vector<int> cells;  // every cell the roll scanned, sorted
};

constexpr std::string_view MoveLetters = "WDSA";
constexpr uint8_t MovableKinds[3] = {ItemWoody, ItemBoxy, ItemBoulder};
constexpr int EndOfList = 0xffff;
constexpr int Unreachable = 1 << 20;

void Put16(std::string& key, int value)
{
    key += static_cast<char>(value & 0xff);
    key += static_cast<char>((value >> 8) & 0xff);
}

int Get16(std::string_view key, std::size_t& at)
{
    const int value = static_cast<unsigned char>(key[at]) | (static_cast<unsigned char>(key[at + 1]) << 8);
    at += 2;
    return value;
}

// Whether the coin or key at each of `cells` still lies there, one bit each.
void PutLying(std::string& key, const std::vector<int>& cells, const PuzzleState& state, uint8_t item)
{
    for (std::size_t first = 0; first < cells.size(); first += 8) {
        uint8_t bits = 0;
        for (std::size_t i = first; i < std::min(first + 8, cells.size()); ++i)
            bits |= static_cast<uint8_t>(state.items[cells[i]] == item) << (i - first);
        key += static_cast<char>(bits);
    }
}

int GetLying(std::string_view key, std::size_t& at, const std::vector<int>& cells, PuzzleState& state,
             uint8_t item)
{
    int lying = 0;
    for (std::size_t first = 0; first < cells.size(); first += 8) {
        const auto bits = static_cast<unsigned char>(key[at++]);
        for (std::size_t i = first; i < std::min(first + 8, cells.size()); ++i) {
            if ((bits >> (i - first)) & 1) {
                state.items[cells[i]] = item;
                ++lying;
            }
        }
    }
    return lying;
}

// A position as a short text: blocks of one kind are alike, so they are listed by cell.
std::string Encode(const Puzzle& puzzle, const PuzzleState& state, const Flight& flight)
{
    std::string key;
    Put16(key, state.player);
    key += static_cast<char>(state.removedColors | (state.activeDown << 3));
    PutLying(key, puzzle.coinCells, state, ItemCoin);
    PutLying(key, puzzle.keyCells, state, ItemKey);
    for (const uint8_t kind : MovableKinds) {
        for (int cell = 0; cell < LevelCellCount; ++cell) {
            if (state.items[cell] == kind)
                Put16(key, cell);
        }
        Put16(key, EndOfList);
    }
    key += static_cast<char>(flight.stepsLeft);
    if (flight.stepsLeft > 0) {
        for (const int cell : flight.cells)
            Put16(key, cell);
    }
    return key;
}

PuzzleState Decode(const Puzzle& puzzle, const PuzzleState& start, std::string_view key, Flight& flight)
{
    PuzzleState state;
    std::size_t at = 0;
    state.player = Get16(key, at);
    const auto flags = static_cast<uint8_t>(key[at++]);
    state.removedColors = flags & 7;
    state.activeDown = static_cast<uint8_t>(flags >> 3);
    state.coinsLeft = GetLying(key, at, puzzle.coinCells, state, ItemCoin);
    const int keysLying = GetLying(key, at, puzzle.keyCells, state, ItemKey);
    state.keysLeft = start.keysLeft - (static_cast<int>(puzzle.keyCells.size()) - keysLying);
    for (const uint8_t kind : MovableKinds) {
        for (int cell = Get16(key, at); cell != EndOfList; cell = Get16(key, at))
            state.items[cell] = kind;
    }
    flight.stepsLeft = static_cast<unsigned char>(key[at++]);
    flight.cells.clear();
    while (at < key.size())
        flight.cells.push_back(Get16(key, at));
    return state;
}

// Every position seen, with the fewest steps known to reach it and the step that did.
class PositionTable {
public:
    PositionTable() : ids_(1024, Hash{this}, Equal{this}) {}

    // The number of the position `key`, added if it is new; `isNew` says which.
    uint32_t Find(const std::string& key, bool& isNew)
    {
        starts_.push_back(arena_.size());
        arena_ += key;
        const auto id = static_cast<uint32_t>(starts_.size() - 1);
        const auto [found, inserted] = ids_.insert(id);
        isNew = inserted;
        if (!inserted) {
            arena_.resize(starts_.back());
            starts_.pop_back();
            return *found;
        }
        steps_.push_back(0);
        parents_.push_back(-1);
        moves_.push_back(0);
        return id;
    }

    long Count() const { return static_cast<long>(starts_.size()); }

    std::string_view Key(uint32_t id) const
    {
        const std::size_t begin = starts_[id];
        const std::size_t end = id + 1 < starts_.size() ? starts_[id + 1] : arena_.size();
        return std::string_view(arena_).substr(begin, end - begin);
    }

    int Steps(uint32_t id) const { return steps_[id]; }

    void Reach(uint32_t id, int steps, long parent, int move)
    {
        steps_[id] = steps;
        parents_[id] = parent;
        moves_[id] = static_cast<uint8_t>(move);
    }

    // The letters of the steps that led to position `id`.
    std::string Path(uint32_t id) const
    {
        std::string path;
        for (long at = id; parents_[at] >= 0; at = parents_[at])
            path += MoveLetters[moves_[at]];
        std::reverse(path.begin(), path.end());
        return path;
    }

private:
    struct Hash {
        const PositionTable* table;
        std::size_t operator()(uint32_t id) const { return std::hash<std::string_view>()(table->Key(id)); }
    };
    struct Equal {
        const PositionTable* table;
        bool operator()(uint32_t a, uint32_t b) const { return table->Key(a) == table->Key(b); }
    };

    std::string arena_;
    std::vector<std::size_t> starts_;
    std::vector<int> steps_;
    std::vector<long> parents_;
    std::vector<uint8_t> moves_;
    std::unordered_set<uint32_t, Hash, Equal> ids_;
};

// Steps from every cell to one cell, through anything but walls: never more than the real
// way, which blocks, gates and rolls can only lengthen.
std::vector<int> WalkingDistances(const Puzzle& puzzle, int target)
{
    std::vector<int> distance(LevelCellCount, Unreachable);
    std::vector<int> open = {target};
    distance[target] = 0;
    for (std::size_t at = 0; at < open.size(); ++at) {
        for (int direction = 0; direction < 4; ++direction) {
            const int next = NeighbourCell(open[at], direction);
            if (next >= 0 && distance[next] == Unreachable && !IsWallCode(puzzle.ground[next])) {
                distance[next] = distance[open[at]] + 1;
                open.push_back(next);
            }
        }
    }
    return distance;
}

// A lower bound on the steps still needed: through every two of the coins and keys that must
// still be taken, in the better order, then on to the goal. It never shrinks by more than one
// a step, so the search may stop at the first solution it meets.
class StepsLeftBound {
public:
    StepsLeftBound(const Puzzle& puzzle, bool allCoins)
    {
        toGoal_.assign(LevelCellCount, Unreachable);
        for (int cell = 0; cell < LevelCellCount; ++cell) {
            if (SwitchOf(puzzle.switches[cell]).kind != SwitchKind::Goal)
                continue;
            const std::vector<int> distance = WalkingDistances(puzzle, cell);
            for (int from = 0; from < LevelCellCount; ++from)
                toGoal_[from] = std::min(toGoal_[from], distance[from]);
        }
        auto add = [&](int cell, uint8_t item) {
            targets_.push_back({cell, item, toGoal_[cell], WalkingDistances(puzzle, cell)});
        };
        for (const int cell : puzzle.keyCells)
            add(cell, ItemKey);
        if (allCoins) {
            for (const int cell : puzzle.coinCells)
                add(cell, ItemCoin);
        }
    }

    int operator()(const PuzzleState& state) const
    {
        int bound = toGoal_[state.player];
        std::vector<const Target*> left;
        for (const Target& target : targets_) {
            if (state.items[target.cell] == target.item)
                left.push_back(&target);
        }
        for (std::size_t i = 0; i < left.size(); ++i) {
            const Target& a = *left[i];
            bound = std::max(bound, a.fromEverywhere[state.player] + a.toGoal);
            for (std::size_t j = i + 1; j < left.size(); ++j) {
                const Target& b = *left[j];
                const int between = a.fromEverywhere[b.cell];
                bound = std::max(bound, std::min(a.fromEverywhere[state.player] + between + b.toGoal,
                                                 b.fromEverywhere[state.player] + between + a.toGoal));
            }
        }
        return bound;
    }

private:
    struct Target {
        int cell;
        uint8_t item;
        int toGoal;
        std::vector<int> fromEverywhere;
    };
    std::vector<int> toGoal_;
    std::vector<Target> targets_;
};

// While a roll may be under way the player only walks, and not into the roll's way: the
// frames in which a boulder passes a cell differ between a replay and a waiting player.
bool FitsFlight(const Flight& flight, const StepEvents& events, int target)
{
    if (flight.stepsLeft == 0)
        return true;
    return !events.pushed && !events.pressed && !events.gate &&
           !std::binary_search(flight.cells.begin(), flight.cells.end(), target);
}

Flight FlightAfter(const Flight& flight, const StepEvents& events)
{
    Flight next;
    if (events.lastRollFrame >= 0) {
        // The last scan of the roll, and a step more for a button it pressed to come up.
        next.stepsLeft = events.lastRollFrame / static_cast<int>(CellSize / MoveSpeed) + 2;
        next.cells = events.rollCells;
        std::sort(next.cells.begin(), next.cells.end());
        next.cells.erase(std::unique(next.cells.begin(), next.cells.end()), next.cells.end());
    } else if (flight.stepsLeft > 1) {
        next.stepsLeft = flight.stepsLeft - 1;
        next.cells = flight.cells;
    }
    return next;
}

}  // namespace

SearchResult FindShortestSolution(const Puzzle& puzzle, const PuzzleState& start, bool allCoins,
                                  long stateLimit)
{
    SearchResult result;
    const StepsLeftBound bound(puzzle, allCoins);
    PositionTable table;
    // Positions waiting to be expanded, by the least length of a solution through them; within
    // one length the last found first, which heads for the goal.
    struct Waiting {
        uint32_t id;
        int steps;
    };
    std::vector<std::vector<Waiting>> queue(1);
    bool isNew = false;
    const uint32_t first = table.Find(Encode(puzzle, start, Flight()), isNew);
    queue[0].push_back({first, 0});
    for (std::size_t length = 0; length < queue.size(); ++length) {
        while (!queue[length].empty()) {
            const Waiting here = queue[length].back();
            queue[length].pop_back();
            if (here.steps != table.Steps(here.id))
                continue;
            if (table.Count() >= stateLimit) {
                result.gaveUp = true;
                result.states = table.Count();
                return result;
            }
            Flight flight;
            const PuzzleState position = Decode(puzzle, start, table.Key(here.id), flight);
            for (int direction = 0; direction < 4; ++direction) {
                PuzzleState next = position;
                StepEvents events;
                const StepOutcome outcome = StepPuzzle(puzzle, next, direction, events);
                if (outcome == StepOutcome::Blocked || outcome == StepOutcome::TimingSensitive)
                    continue;
                if (!FitsFlight(flight, events, NeighbourCell(position.player, direction)))
                    continue;
                if (outcome == StepOutcome::Finished) {
                    if (allCoins && next.coinsLeft > 0)
                        continue;
                    result.found = true;
                    result.moves = table.Path(here.id) + MoveLetters[direction];
                    result.states = table.Count();
                    return result;
                }
                const int steps = here.steps + 1;
                const uint32_t id = table.Find(Encode(puzzle, next, FlightAfter(flight, events)), isNew);
                if (!isNew && table.Steps(id) <= steps)
                    continue;
                table.Reach(id, steps, here.id, direction);
                const int estimate = bound(next);
                if (estimate >= Unreachable)
                    continue;
                const std::size_t through = static_cast<std::size_t>(steps + estimate);
                if (queue.size() <= through)
                    queue.resize(through + 1);
                queue[through].push_back({id, steps});
            }
        }
    }
    result.states = table.Count();
    return result;
}

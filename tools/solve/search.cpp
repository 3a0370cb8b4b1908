#include "tools/solve/search.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_set>

#include "game/grid.h"
#include "game/level_format.h"

namespace {

// What a roll that may still be under way forbids: a replay hands over the next letter one
// frame earlier in the world's update than a player's key is read, and a player may wait
// between steps, so a cell the roll is not yet done with may hold the boulder for one of them
// and not for another. Until the roll is done with a cell, no step may scan or change it, and
// no new roll may reach it.
struct FlightCell {
    int cell;
    int steps;   // steps to come before the roll is done with the cell
    int follow;  // at the last of them, the roll's direction if the boulder rolls on out of
                 // the cell then, so that the player may step in behind it; else -1
    bool operator<(const FlightCell& other) const { return cell < other.cell; }
};
using Flight = std::vector<FlightCell>;

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
    for (const FlightCell& busy : flight) {
        Put16(key, busy.cell);
        key += static_cast<char>(busy.steps);
        key += static_cast<char>(busy.follow);
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
    flight.clear();
    while (at < key.size()) {
        const int cell = Get16(key, at);
        const int steps = static_cast<unsigned char>(key[at]);
        const int follow = static_cast<signed char>(key[at + 1]);
        at += 2;
        flight.push_back({cell, steps, follow});
    }
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

constexpr int StrideFrames = static_cast<int>(CellSize / MoveSpeed);

const FlightCell* Busy(const Flight& flight, int cell)
{
    const auto found = std::lower_bound(flight.begin(), flight.end(), FlightCell{cell, 0, -1});
    return found != flight.end() && found->cell == cell ? &*found : nullptr;
}

bool FitsFlight(const Flight& flight, const StepEvents& events, int direction, int target)
{
    for (const int cell : events.touched) {
        const FlightCell* busy = Busy(flight, cell);
        if (busy && !(cell == target && busy->steps == 1 && busy->follow == direction))
            return false;
    }
    // A new roll may follow an old one into a cell at least a stride after the old one is
    // done with it: it then meets what the old roll left there, as the model has it.
    for (const StepEvents::RollTouch& touch : events.roll) {
        const FlightCell* busy = Busy(flight, touch.cell);
        if (busy && touch.frame < busy->steps * StrideFrames)
            return false;
    }
    return true;
}

Flight FlightAfter(const Flight& flight, const StepEvents& events)
{
    Flight candidates;
    for (const FlightCell& busy : flight) {
        if (busy.steps > 1)
            candidates.push_back({busy.cell, busy.steps - 1, busy.follow});
    }
    for (const StepEvents::RollTouch& touch : events.roll) {
        if (touch.frame >= StrideFrames)
            candidates.push_back({touch.cell, touch.frame / StrideFrames, touch.rolledOn ? events.rollDirection : -1});
    }
    std::stable_sort(candidates.begin(), candidates.end());
    Flight next;
    for (const FlightCell& candidate : candidates) {
        if (next.empty() || next.back().cell != candidate.cell) {
            next.push_back(candidate);
        } else if (candidate.steps > next.back().steps) {
            next.back() = candidate;
        } else if (candidate.steps == next.back().steps && candidate.follow != next.back().follow) {
            next.back().follow = -1;
        }
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
                if (!FitsFlight(flight, events, direction, NeighbourCell(position.player, direction)))
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

#include "game/level_checks.h"

#include <array>

namespace {

bool IsWall(const LevelCell& cell)
{
    return GroundOf(cell.ground).kind == GroundKind::Wall;
}

int CountItems(const LevelData& level, ItemKind kind)
{
    int count = 0;
    for (const LevelCell& cell : level.cells)
        count += ItemOf(cell.item) == kind ? 1 : 0;
    return count;
}

// The cell the loader puts the player on: the last start in file order; -1 for none.
int StartCell(const LevelData& level)
{
    int start = -1;
    for (int cell = 0; cell < LevelCellCount; ++cell) {
        if (SwitchOf(level.cells[cell].switches).kind == SwitchKind::Start)
            start = cell;
    }
    return start;
}

// The cells the player could ever stand on if nothing but walls stood in the way, from the
// start, within the field.
std::array<bool, LevelCellCount> WalkableFrom(const LevelData& level, int start)
{
    std::array<bool, LevelCellCount> reached{};
    std::vector<int> waiting = {start};
    reached[start] = true;
    while (!waiting.empty()) {
        const int cell = waiting.back();
        waiting.pop_back();
        const int column = cell / MapHeight, row = cell % MapHeight;
        const int steps[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
        for (const auto& step : steps) {
            const int c = column + step[0], r = row + step[1];
            if (c < 0 || c >= MapWidth || r < 0 || r >= MapHeight)
                continue;
            const int next = CellOf(c, r);
            if (!reached[next] && !IsWall(level.cells[next])) {
                reached[next] = true;
                waiting.push_back(next);
            }
        }
    }
    return reached;
}

bool AnyWalledOff(const LevelData& level, const std::array<bool, LevelCellCount>& reached,
                  bool (*holds)(const LevelCell& cell))
{
    for (int cell = 0; cell < LevelCellCount; ++cell) {
        if (holds(level.cells[cell]) && !reached[cell])
            return true;
    }
    return false;
}

bool HoldsGoal(const LevelCell& cell)
{
    return SwitchOf(cell.switches).kind == SwitchKind::Goal;
}

bool HoldsKey(const LevelCell& cell)
{
    return ItemOf(cell.item) == ItemKind::Key;
}

}  // namespace

std::vector<LevelProblem> CheckLevel(const LevelData& level)
{
    std::vector<LevelProblem> problems;
    const int start = StartCell(level);
    bool goal = false;
    for (const LevelCell& cell : level.cells)
        goal = goal || HoldsGoal(cell);
    if (start < 0)
        problems.push_back(LevelProblem::NoStart);
    if (!goal)
        problems.push_back(LevelProblem::NoGoal);
    if (start >= 0) {
        const std::array<bool, LevelCellCount> reached = WalkableFrom(level, start);
        int reachedCells = 0;
        for (const bool walkable : reached)
            reachedCells += walkable ? 1 : 0;
        if (reachedCells == 1)
            problems.push_back(LevelProblem::BoxedIn);
        if (goal && AnyWalledOff(level, reached, HoldsGoal))
            problems.push_back(LevelProblem::GoalWalledOff);
        if (AnyWalledOff(level, reached, HoldsKey))
            problems.push_back(LevelProblem::KeyWalledOff);
    }
    if (level.keys > KeysOnField(level))
        problems.push_back(LevelProblem::TooFewKeys);
    return problems;
}

int KeysOnField(const LevelData& level)
{
    return CountItems(level, ItemKind::Key);
}

int CoinsOnField(const LevelData& level)
{
    return CountItems(level, ItemKind::Coin);
}

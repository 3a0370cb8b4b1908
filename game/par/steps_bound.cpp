#include "game/par/steps_bound.h"

#include <algorithm>
#include <array>

#include "game/par/level_cells.h"

namespace {

// Steps from every cell to one cell, through anything but walls.
std::vector<int> WalkingDistances(const ModelLevel& level, int target)
{
    std::vector<int> distance(LevelCellCount, StepsLeftBound::Unreachable);
    std::vector<int> open = {target};
    distance[target] = 0;
    for (std::size_t at = 0; at < open.size(); ++at) {
        for (int direction = 0; direction < 4; ++direction) {
            const int next = NeighbourCell(open[at], direction);
            if (next >= 0 && distance[next] == StepsLeftBound::Unreachable &&
                level.ground[next] != ModelLevel::Ground::Wall) {
                distance[next] = distance[open[at]] + 1;
                open.push_back(next);
            }
        }
    }
    return distance;
}

}  // namespace

StepsLeftBound::StepsLeftBound(const ModelLevel& level, bool allCoins)
{
    toGoal_.assign(LevelCellCount, Unreachable);
    for (const ModelLevel::Switch& found : level.switches) {
        if (found.kind != SwitchKind::Goal)
            continue;
        const std::vector<int> distance = WalkingDistances(level, found.cell);
        for (int from = 0; from < LevelCellCount; ++from)
            toGoal_[from] = std::min(toGoal_[from], distance[from]);
    }
    auto add = [&](int item) {
        const int cell = level.items[item].cell;
        targets_.push_back({item, cell, toGoal_[cell], WalkingDistances(level, cell)});
    };
    for (const int item : level.keys)
        add(item);
    if (allCoins) {
        for (const int item : level.coins)
            add(item);
    }
}

int StepsLeftBound::operator()(const ModelState& state) const
{
    const int player = CellOfPixels(state.player.x, state.player.y);
    int bound = toGoal_[player];
    std::array<const Target*, ModelItemLimit> left;
    std::size_t count = 0;
    for (const Target& target : targets_) {
        if (state.items[target.item].alive)
            left[count++] = &target;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const Target& a = *left[i];
        bound = std::max(bound, a.fromEverywhere[player] + a.toGoal);
        for (std::size_t j = i + 1; j < count; ++j) {
            const Target& b = *left[j];
            const int between = a.fromEverywhere[b.cell];
            bound = std::max(bound, std::min(a.fromEverywhere[player] + between + b.toGoal,
                                             b.fromEverywhere[player] + between + a.toGoal));
        }
    }
    return std::min(bound, Unreachable);
}

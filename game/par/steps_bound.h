// A lower bound on the steps a position still needs: the player must walk to every coin and
// key still lying (only the keys when coins do not count) and on into a goal, and no walk is
// shorter than one through anything but walls, which never move. The bound looks at every
// two of the things to fetch, in the better order. It falls by at most one a step and not at
// all while the player stands still, so a search ordered by it may stop at the first
// solution it takes from the queue.
#pragma once

#include <vector>

#include "game/par/world_model.h"

class StepsLeftBound {
public:
    StepsLeftBound(const ModelLevel& level, bool allCoins);

    // Unreachable when the goal or a thing to fetch cannot be walked to at all.
    int operator()(const ModelState& state) const;

    static constexpr int Unreachable = 1 << 20;

private:
    struct Target {
        int item;
        int cell;
        int toGoal;
        std::vector<int> fromEverywhere;
    };
    std::vector<int> toGoal_;
    std::vector<Target> targets_;
};

// Par, proven: the fewest steps in which the goal can be entered (with every coin taken, or
// in any way), over every way to play. The player may hold an arrow in any frame in which it
// stands still, or none, so the search runs frame by frame wherever the world is not at rest:
// waiting a frame is a move that costs nothing, as is holding an arrow that the rules refuse
// when the refusal changes something (a button pressed, a block set moving). Where the world
// is at rest, waiting changes nothing and only steps are tried. The search is an A* search
// ordered by the steps made and the bound of steps_bound.h; its first solution is the
// shortest, unless it gave up first.
#pragma once

#include <atomic>

#include "game/par/solution.h"
#include "game/par/world_model.h"

struct ParSearchOptions {
    bool allCoins = true;
    long positionLimit = 60'000'000;
    double secondsLimit = 0;  // 0: no limit
    // For a search run on a thread of its own: another thread may set `stop` to make it give
    // up, and read in `progress` the positions seen so far. Both are looked at every few
    // thousand positions, and the last count is stored when the search ends.
    const std::atomic<bool>* stop = nullptr;
    std::atomic<long>* progress = nullptr;
};


struct ParSearchResult {
    bool found = false;  // a way was found, and none shorter exists
    int par = 0;         // its steps before the one into the goal
    // Every step and, in lower case, every refused arrow that matters, each at its frame.
    SolutionFile run;
    long positions = 0;  // positions seen
    bool gaveUp = false; // a limit was reached, or it was stopped, first
    double seconds = 0;
};

ParSearchResult ProvePar(const ModelLevel& level, const ModelState& start, const ParSearchOptions& options);

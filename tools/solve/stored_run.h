// A run found by the search, made ready to be stored as a solution file: its frames are kept
// only where it depends on timing, that is, where it does not play the same when its steps
// are replayed, taken at once or taken with waits; and how much of it is walking.
#pragma once

#include <string>

#include "tools/solve/par_search.h"
#include "tools/solve/solution_file.h"

struct StoredRun {
    SolutionFile solution;
    // Steps before the one into the goal that set no block moving.
    int walkingSteps = 0;
    // Why the run cannot be stored; empty when it can.
    std::string problem;
};

// `levelPath` is a writable copy of the level, for the real rules.
StoredRun StoreRun(const std::string& levelPath, const ModelLevel& level, const ModelState& start, const ParRun& run);

// Steps of the run at its frames, the one into the goal not counted, that set no block moving.
int WalkingSteps(const ModelLevel& level, const ModelState& start, const SolutionFile& run);

// A run found by the search, made ready to be stored as a solution file: its frames are kept
// only where it depends on timing, that is, where it does not play the same when its steps
// are replayed, taken at once or taken with waits (or where it holds a refused arrow); and
// how much of it is walking.
#pragma once

#include <functional>
#include <string>

#include "game/par/par_search.h"
#include "tools/solve/solution_file.h"

struct StoredRun {
    SolutionFile solution;
    // Steps before the one into the goal that set no block moving.
    int walkingSteps = 0;
};

// `levelPath` is a writable copy of the level, for the real rules.
StoredRun StoreRun(const std::string& levelPath, const ModelLevel& level, const ModelState& start,
                   const SolutionFile& run);

// Plays a run through the model, at its frames (or each step as soon as it can be taken, for
// a run without them), and hands each letter to `visit`: its index, its frame, whether it
// set a block moving, and the position just before the next letter (after the last one,
// once the world has come to rest).
void ForEachStep(const ModelLevel& level, const ModelState& start, const SolutionFile& run,
                 const std::function<void(std::size_t step, int frame, bool pushed, const ModelState& after)>& visit);

// Steps of a run, the one into the goal not counted, that set no block moving.
int WalkingSteps(const ModelLevel& level, const ModelState& start, const SolutionFile& run);

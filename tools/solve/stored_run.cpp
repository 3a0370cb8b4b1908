#include "tools/solve/stored_run.h"

#include "game/grid.h"
#include "tools/solve/real_run.h"

namespace {

// Frames for steps taken as soon as the player stands still.
std::vector<int> FramesAtOnce(std::size_t steps)
{
    std::vector<int> frames;
    for (std::size_t step = 0; step < steps; ++step)
        frames.push_back(1 + static_cast<int>(step) * StepFrameCount);
    return frames;
}

bool SetsABlockMoving(const ModelState& before, const ModelState& after)
{
    for (std::size_t i = 0; i < before.items.size(); ++i) {
        if (before.items[i].alive && before.items[i].moving == 0 && after.items[i].moving != 0)
            return true;
    }
    return false;
}

}  // namespace

int WalkingSteps(const ModelLevel& level, const ModelState& start, const SolutionFile& run)
{
    const std::vector<int> frames = run.frames.empty() ? FramesAtOnce(run.letters.size()) : run.frames;
    ModelState state = start;
    int walking = 0;
    for (std::size_t step = 0, frame = 1; step + 1 < run.letters.size(); ++frame) {
        if (static_cast<int>(frame) != frames[step]) {
            RunModelFrame(level, state, -1);
            continue;
        }
        const ModelState before = state;
        RunModelFrame(level, state, DirectionOfLetter(run.letters.substr(step, 1)));
        walking += SetsABlockMoving(before, state) ? 0 : 1;
        ++step;
    }
    return walking;
}

StoredRun StoreRun(const std::string& levelPath, const ModelLevel& level, const ModelState& start, const ParRun& run)
{
    StoredRun stored;
    stored.solution.letters = run.letters;
    stored.solution.frames = run.frames;
    stored.walkingSteps = WalkingSteps(level, start, stored.solution);
    if (!run.refusals.empty()) {
        stored.problem = "it holds an arrow that the rules refuse in frame " + std::to_string(run.refusals[0].first) +
                         ", which a solution file cannot say";
        return stored;
    }
    const SolutionFile untimed{run.letters, {}};
    if (CheckSolutionFile(levelPath, untimed).empty())
        stored.solution = untimed;
    return stored;
}

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

bool SetsABlockMoving(const ModelLevel& level, const ModelState& before, const ModelState& after)
{
    for (std::size_t i = 0; i < level.items.size(); ++i) {
        if (before.items[i].alive && before.items[i].moving == 0 && after.items[i].moving != 0)
            return true;
    }
    return false;
}

}  // namespace

void ForEachStep(const ModelLevel& level, const ModelState& start, const SolutionFile& run,
                 const std::function<void(std::size_t step, int frame, bool pushed, const ModelState& after)>& visit)
{
    const std::vector<int> frames = run.frames.empty() ? FramesAtOnce(run.letters.size()) : run.frames;
    ModelState state = start;
    // The next frame to run.
    int frame = 1;
    auto runUntil = [&](int end) {
        for (; frame < end; ++frame)
            RunModelFrame(level, state, -1);
    };
    for (std::size_t step = 0; step < run.letters.size(); ++step) {
        runUntil(frames[step]);
        const ModelState before = state;
        RunModelFrame(level, state, DirectionOfLetter(run.letters.substr(step, 1)));
        ++frame;
        const bool pushed = SetsABlockMoving(level, before, state);
        if (step + 1 < run.letters.size()) {
            runUntil(frames[step + 1]);
        } else {
            for (int settle = 0; settle < LatestSolutionFrame && !ModelAtRest(level, state); ++settle)
                RunModelFrame(level, state, -1);
        }
        visit(step, frames[step], pushed, state);
    }
}

int WalkingSteps(const ModelLevel& level, const ModelState& start, const SolutionFile& run)
{
    int walking = 0;
    ForEachStep(level, start, run, [&](std::size_t step, int, bool pushed, const ModelState&) {
        walking += step + 1 < run.letters.size() && !pushed ? 1 : 0;
    });
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

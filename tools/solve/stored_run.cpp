#include "tools/solve/stored_run.h"

#include <algorithm>
#include <cctype>

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
        const int pushesBefore = state.pushes;
        RunModelFrame(level, state, DirectionOfLetter(std::string(1, static_cast<char>(std::toupper(run.letters[step])))));
        ++frame;
        const bool pushed = state.pushes > pushesBefore;
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
        walking += step + 1 < run.letters.size() && IsStepLetter(run.letters[step]) && !pushed ? 1 : 0;
    });
    return walking;
}

StoredRun StoreRun(const std::string& levelPath, const ModelLevel& level, const ModelState& start,
                   const SolutionFile& run)
{
    StoredRun stored;
    stored.solution = run;
    stored.walkingSteps = WalkingSteps(level, start, run);
    SolutionFile untimed;
    untimed.letters = run.letters;
    if (std::all_of(run.letters.begin(), run.letters.end(), IsStepLetter) && CheckSolutionFile(levelPath, untimed).empty())
        stored.solution = untimed;
    return stored;
}

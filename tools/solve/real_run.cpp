#include "tools/solve/real_run.h"

#include <algorithm>
#include <cctype>

#include "game/game_state.h"
#include "game/headless_world.h"
#include "game/level_loader.h"
#include "game/player.h"

namespace {

// A letter the rules refuse for this many frames in a row is taken as never accepted.
constexpr int PatienceFrames = 1000;

int CellOfPlayer()
{
    const int column = static_cast<int>(Player->X - MapOffsetX) / CellSize;
    const int row = static_cast<int>(Player->Y - MapOffsetY) / CellSize;
    return column * MapHeight + row;
}

}  // namespace

const char* RunModeName(RunMode mode)
{
    switch (mode) {
    case RunMode::Replay: return "replay";
    case RunMode::KeysAtOnce: return "keys at once";
    case RunMode::KeysWhenSettled: return "keys when settled";
    }
    return "";
}

RealRun RunThroughRules(const std::string& levelPath, const std::string& letters, RunMode mode)
{
    RealRun run;
    HeadlessWorld world;
    GameState = mode == RunMode::Replay ? StateReplay : StatePlay;
    Player->ReplayMoves = letters;
    world.Load(levelPath);
    run.coinsInLevel = CoinsInLevel;

    const auto letterCount = static_cast<int>(letters.size());
    int refusedFrames = 0;
    while (!world.Finish()) {
        if (MoveCount >= letterCount && WorldAtRest(Rest::NothingPending))
            break;
        const int stepsBefore = MoveCount;
        const int cell = CellOfPlayer();
        bool offered = MoveCount < letterCount;
        if (mode == RunMode::Replay) {
            world.ReplayFrame(Player->NextReplayLetter());
        } else {
            offered = offered && (mode == RunMode::KeysAtOnce || WorldAtRest(Rest::NothingPending));
            world.PlayFrame(offered ? ArrowOf(DirectionOfLetter(letters.substr(MoveCount, 1))) : NoArrows);
        }
        if (MoveCount > stepsBefore) {
            run.stepCells.push_back(cell);
            run.stepFrames.push_back(world.Frame());
            refusedFrames = 0;
        } else if (offered && Player->Moving == 0 && ++refusedFrames > PatienceFrames) {
            run.stuck = "letter " + std::to_string(MoveCount + 1) + " (" + letters[MoveCount] +
                        ") is never taken";
            break;
        }
    }
    run.steps = MoveCount;
    if (world.Finish()) {
        run.finished = true;
        run.coinsTaken = world.Finish()->coinsTaken;
    }
    if (!run.finished && run.stuck.empty())
        run.stuck = "the letters end before the goal";
    return run;
}

RealRun RunAtFrames(const std::string& levelPath, const SolutionFile& solution)
{
    RealRun run;
    HeadlessWorld world;
    GameState = StatePlay;
    world.Load(levelPath);
    run.coinsInLevel = CoinsInLevel;
    const std::string& letters = solution.letters;
    const std::size_t count = std::min(letters.size(), solution.frames.size());
    for (std::size_t at = 0; at < count && !world.Finish();) {
        const int frame = world.Frame() + 1;
        const int due = solution.frames[at];
        if (due < frame) {
            run.stuck = "letter " + std::to_string(at + 1) + " is meant for frame " + std::to_string(due) +
                        ", which has passed";
            break;
        }
        const bool now = due == frame;
        const char letter = letters[at];
        const HeldArrows held =
            now ? ArrowOf(DirectionOfLetter(std::string(1, static_cast<char>(std::toupper(letter))))) : NoArrows;
        const int cell = CellOfPlayer();
        const int stepsBefore = MoveCount;
        world.PlayFrame(held);
        const bool stepped = MoveCount > stepsBefore;
        if (stepped) {
            run.stepCells.push_back(cell);
            run.stepFrames.push_back(frame);
        }
        if (now && IsStepLetter(letter) != stepped) {
            run.stuck = "letter " + std::to_string(at + 1) + " (" + letter + ") is " +
                        (stepped ? "taken as a step" : "not taken") + " in frame " + std::to_string(frame);
            break;
        }
        if (!now && stepped) {
            run.stuck = "a step is taken in frame " + std::to_string(frame) + ", where none was meant";
            break;
        }
        at += now ? 1 : 0;
    }
    run.steps = MoveCount;
    if (world.Finish()) {
        run.finished = true;
        run.coinsTaken = world.Finish()->coinsTaken;
    }
    if (!run.finished && run.stuck.empty())
        run.stuck = "the steps end before the goal";
    return run;
}

std::vector<std::string> CheckSolution(const std::string& levelPath, const std::string& letters)
{
    std::vector<std::string> problems;
    const RunMode modes[3] = {RunMode::Replay, RunMode::KeysAtOnce, RunMode::KeysWhenSettled};
    RealRun first;
    for (const RunMode mode : modes) {
        const RealRun run = RunThroughRules(levelPath, letters, mode);
        const std::string name = RunModeName(mode);
        if (!run.stuck.empty())
            problems.push_back(name + ": " + run.stuck);
        else if (run.coinsTaken < run.coinsInLevel)
            problems.push_back(name + ": the goal with " + std::to_string(run.coinsTaken) + " of " +
                               std::to_string(run.coinsInLevel) + " coins");
        if (mode == RunMode::Replay) {
            first = run;
            continue;
        }
        std::size_t step = 0;
        while (step < run.stepCells.size() && step < first.stepCells.size() &&
               run.stepCells[step] == first.stepCells[step])
            ++step;
        if (step < run.stepCells.size() || step < first.stepCells.size()) {
            problems.push_back(name + ": parts from the replay at step " + std::to_string(step + 1));
        }
    }
    return problems;
}

std::vector<std::string> CheckSolutionFile(const std::string& levelPath, const SolutionFile& solution)
{
    if (solution.frames.empty())
        return CheckSolution(levelPath, solution.letters);
    const RealRun run = RunAtFrames(levelPath, solution);
    if (!run.stuck.empty())
        return {"at its frames: " + run.stuck};
    if (run.coinsTaken < run.coinsInLevel) {
        return {"at its frames: the goal with " + std::to_string(run.coinsTaken) + " of " +
                std::to_string(run.coinsInLevel) + " coins"};
    }
    return {};
}

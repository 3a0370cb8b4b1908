#include "tools/solve/real_run.h"

#include "framework/particles.h"
#include "game/game_state.h"
#include "game/items.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/switches.h"
#include "game/world_assets.h"
#include "game/world_frame.h"
#include "media/platform/input.h"

namespace {

// A letter the rules refuse for this many frames in a row is taken as never accepted.
constexpr int PatienceFrames = 1000;

// The letter whose arrow key is held in the key modes; 0 for none.
char HeldLetter = 0;

int HeldLetterKey(int keyCode)
{
    switch (HeldLetter) {
    case 'W': return keyCode == KeyUp;
    case 'D': return keyCode == KeyRight;
    case 'S': return keyCode == KeyDown;
    case 'A': return keyCode == KeyLeft;
    default: return 0;
    }
}

void Silence(const Sound&) {}

// Something rests on the button's cell, as its release check sees it.
bool Held(const TGameObject& button)
{
    for (const GameObject& member : LevelObjects) {
        if (member->Kind != ObjectKind::Floory && member->Kind != ObjectKind::ButtyActive &&
            member->X == button.X && member->Y == button.Y)
            return true;
    }
    return false;
}

}  // namespace

bool WorldSettled()
{
    for (const GameObject& member : LevelObjects) {
        if (member->Moving != 0)
            return false;
        if (member->Kind == ObjectKind::ButtyActive) {
            const auto& button = static_cast<const TButty_Active&>(*member);
            if (button.HoldTimer > 0 || (button.Pressed != 0 && !Held(button)))
                return false;
        }
    }
    return true;
}

namespace {

int CellOfPlayer()
{
    const int column = static_cast<int>(Player->X - MapOffsetX) / CellSize;
    const int row = static_cast<int>(Player->Y - MapOffsetY) / CellSize;
    return column * MapHeight + row;
}

// The seams the run takes over, given back as they were.
class RunSeams {
public:
    RunSeams() : effect_(StartEffect), keys_(PlayerKeyIsHeld), state_(GameState)
    {
        StartEffect = Silence;
        PlayerKeyIsHeld = HeldLetterKey;
        UsePicturelessEmitters();
    }

    ~RunSeams()
    {
        Player->Reset();
        ClearEmitters(nullptr);
        TGameObject::ClearAll();
        FinishSequence = nullptr;
        Player->ReplayMoves.clear();
        HeldLetter = 0;
        StartEffect = effect_;
        PlayerKeyIsHeld = keys_;
        GameState = state_;
    }

private:
    void (*effect_)(const Sound&);
    int (*keys_)(int);
    int state_;
};

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
    RunSeams seams;
    FinishSequence = [&run] {
        run.finished = true;
        run.coinsTaken = CoinsTaken;
        GameState = StateLeaveLevel;
        Player->Reset();
    };
    GameState = mode == RunMode::Replay ? StateReplay : StatePlay;
    Player->ReplayMoves = letters;
    Player->Reset();
    Map::Load(levelPath);
    run.coinsInLevel = CoinsInLevel;

    const auto letterCount = static_cast<int>(letters.size());
    int refusedFrames = 0;
    while (!run.finished) {
        if (MoveCount >= letterCount && WorldSettled())
            break;
        const int stepsBefore = MoveCount;
        const int cell = CellOfPlayer();
        bool offered = MoveCount < letterCount;
        if (mode == RunMode::Replay) {
            Player->TryMove(Player->NextReplayLetter());
        } else {
            offered = offered && (mode == RunMode::KeysAtOnce || WorldSettled());
            HeldLetter = offered ? letters[MoveCount] : 0;
        }
        UpdateWorld();
        if (MoveCount > stepsBefore) {
            run.stepCells.push_back(cell);
            refusedFrames = 0;
        } else if (offered && Player->Moving == 0 && ++refusedFrames > PatienceFrames) {
            run.stuck = "letter " + std::to_string(MoveCount + 1) + " (" + letters[MoveCount] +
                        ") is never taken";
            break;
        }
    }
    run.steps = MoveCount;
    if (!run.finished && run.stuck.empty())
        run.stuck = "the letters end before the goal";
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

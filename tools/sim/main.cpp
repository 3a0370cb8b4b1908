// tindlewick-sim: runs a level through the real rules without a display or sound, driven by
// a replay's letters or a script of held arrow keys, and prints the world as JSON.
#include <iostream>

#include "game/game_state.h"
#include "game/items.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/world_assets.h"
#include "game/world_frame.h"
#include "media/platform/input.h"
#include "tools/sim/sim_json.h"
#include "tools/sim/sim_options.h"

namespace {

constexpr int FrameLimit = 100000;

// The arrow keys held in the frame being run.
HeldKeys Held;

int ScriptKeyIsHeld(int keyCode)
{
    switch (keyCode) {
    case KeyUp: return Held.up;
    case KeyRight: return Held.right;
    case KeyDown: return Held.down;
    case KeyLeft: return Held.left;
    default: return 0;
    }
}

void Silence(const Sound&) {}

bool AnythingMoving()
{
    for (const GameObject& object : LevelObjects) {
        if (object->Moving != 0)
            return true;
    }
    return false;
}

// Steps through the key script one frame at a time; nothing is held once it is used up.
class KeyScript {
public:
    explicit KeyScript(const std::vector<HeldKeys>& items) : items_(items) {}

    bool UsedUp() const { return item_ >= items_.size(); }

    HeldKeys NextFrame()
    {
        if (UsedUp())
            return HeldKeys();
        const HeldKeys held = items_[item_];
        if (++frame_ == held.frames) {
            ++item_;
            frame_ = 0;
        }
        return held;
    }

private:
    const std::vector<HeldKeys>& items_;
    std::size_t item_ = 0;
    int frame_ = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    SimOptions options;
    const std::string problem = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options);
    if (!problem.empty()) {
        std::cerr << "tindlewick-sim: " << problem << "\n" << SimUsage;
        return 2;
    }

    StartEffect = Silence;
    PlayerKeyIsHeld = ScriptKeyIsHeld;
    UsePicturelessEmitters();
    int frame = 0;
    FinishRecord finish;
    bool finished = false;
    // Instead of the outcome screen: note what the finish sequence would see, then leave the
    // level as it does.
    FinishSequence = [&] {
        finish = {frame, MoveCount, ReplayString, KeysTaken, CoinsTaken};
        finished = true;
        GameState = StateLeaveLevel;
        Player->Reset();
    };

    GameState = options.replay ? StateReplay : StatePlay;
    Player->ReplayMoves = options.moves;
    Map::Load(options.level);

    KeyScript script(options.keys);
    auto inputUsedUp = [&] {
        return options.replay ? MoveCount >= static_cast<int>(options.moves.size()) : script.UsedUp();
    };
    while (!finished) {
        if (options.frames >= 0 ? frame == options.frames
                                : frame == FrameLimit || (inputUsedUp() && !AnythingMoving()))
            break;
        ++frame;
        if (options.replay)
            Player->TryMove(Player->NextReplayLetter());
        else
            Held = script.NextFrame();
        UpdateWorld();
    }
    std::cout << WorldJson(frame, finished ? &finish : nullptr);
    return 0;
}

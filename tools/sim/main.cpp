// tindlewick-sim: runs a level through the real rules without a display or sound, driven by
// a replay's letters or a script of held arrow keys, and prints the world as JSON.
#include <iostream>

#include "game/game_state.h"
#include "game/headless_world.h"
#include "game/player.h"
#include "tools/sim/sim_json.h"
#include "tools/sim/sim_options.h"

namespace {

constexpr int FrameLimit = 100000;

HeldArrows ArrowsOf(const HeldKeys& held)
{
    return (held.up ? ArrowOf(DirUp) : NoArrows) | (held.right ? ArrowOf(DirRight) : NoArrows) |
           (held.down ? ArrowOf(DirDown) : NoArrows) | (held.left ? ArrowOf(DirLeft) : NoArrows);
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

    HeadlessWorld world;
    GameState = options.replay ? StateReplay : StatePlay;
    Player->ReplayMoves = options.moves;
    world.Load(options.level);

    KeyScript script(options.keys);
    auto inputUsedUp = [&] {
        return options.replay ? MoveCount >= static_cast<int>(options.moves.size()) : script.UsedUp();
    };
    while (!world.Finish()) {
        const int frame = world.Frame();
        if (options.frames >= 0 ? frame == options.frames
                                : frame == FrameLimit || (inputUsedUp() && WorldAtRest(Rest::NothingMoves)))
            break;
        if (options.replay)
            world.ReplayFrame(Player->NextReplayLetter());
        else
            world.PlayFrame(ArrowsOf(script.NextFrame()));
    }
    const std::optional<FinishMoment>& finish = world.Finish();
    std::cout << WorldJson(world.Frame(), finish ? &*finish : nullptr);
    return 0;
}

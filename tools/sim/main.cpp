// tindlewick-sim: runs a level through the real rules without a display or sound, driven by
// a replay's letters (with or without their frames) or a script of held arrow keys and hits
// of the undo, redo and restart keys, and prints the world as JSON.
#include <algorithm>
#include <iostream>
#include <utility>

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

// Steps through the key script one frame at a time, its hits in the first frame of the item
// after them; nothing is held once it is used up, and hits left at its end land in the frame
// after it.
class KeyScript {
public:
    KeyScript(const std::vector<HeldKeys>& items, std::vector<KeyHit> hitsAfter)
        : items_(items), hitsAfter_(std::move(hitsAfter))
    {
    }

    bool UsedUp() const { return item_ >= items_.size() && hitsAfter_.empty(); }

    HeldKeys NextFrame()
    {
        if (item_ >= items_.size()) {
            HeldKeys after;
            after.hits = std::exchange(hitsAfter_, {});
            return after;
        }
        HeldKeys held = items_[item_];
        if (frame_ > 0)
            held.hits.clear();
        if (++frame_ == held.frames) {
            ++item_;
            frame_ = 0;
        }
        return held;
    }

private:
    const std::vector<HeldKeys>& items_;
    std::vector<KeyHit> hitsAfter_;
    std::size_t item_ = 0;
    int frame_ = 0;
};

// The hits of a frame, as the game takes them before the frame's update: a restart first,
// then every undo, then every redo, whatever their order in the script.
void TakeHits(HeadlessWorld& world, const std::vector<KeyHit>& hits)
{
    if (std::count(hits.begin(), hits.end(), KeyHit::Restart) > 0)
        world.Restart();
    for (int undo = 0; undo < std::count(hits.begin(), hits.end(), KeyHit::Undo); ++undo)
        world.Undo();
    for (int redo = 0; redo < std::count(hits.begin(), hits.end(), KeyHit::Redo); ++redo)
        world.Redo();
}

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
    Player->ReplayFrames = options.at;
    world.KeepUndoHistory(true);
    world.Load(options.level);

    KeyScript script(options.keys, options.hitsAfter);
    auto inputUsedUp = [&] {
        return options.replay ? MoveCount >= static_cast<int>(options.moves.size()) : script.UsedUp();
    };
    while (!world.Finish()) {
        const int frame = world.Frame();
        if (options.frames >= 0 ? frame == options.frames
                                : frame == FrameLimit || (inputUsedUp() && WorldAtRest(Rest::NothingMoves)))
            break;
        if (options.replay) {
            world.ReplayFrame(Player->NextReplayLetter());
        } else {
            const HeldKeys held = script.NextFrame();
            TakeHits(world, held.hits);
            world.PlayFrame(ArrowsOf(held));
        }
    }
    const std::optional<FinishMoment>& finish = world.Finish();
    std::cout << WorldJson(world.Frame(), finish ? &*finish : nullptr);
    return 0;
}

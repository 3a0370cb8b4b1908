#include "game/timed_record.h"

#include "game/game_state.h"
#include "game/headless_world.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/step_frames.h"
#include "game/world_frame.h"
#include "game/world_snapshot.h"

namespace {

// A step ends in this many frames.
constexpr int StepFramesLong = CellSize / static_cast<int>(MoveSpeed);

}  // namespace

bool ReplaysAsPlayed(const std::string& path, std::string letters, std::vector<int> frames, float x, float y)
{
    LevelData level;
    if (!StepFramesMisfit(frames, letters.size()).empty() || !ReadLevelFile(path, level).empty())
        return false;
    bool asPlayed = false;
    RunBesideTheWorld([&] {
        HeadlessWorld world;
        GameState = StateReplay;
        Player->ReplayMoves = letters;
        Player->ReplayFrames = frames;
        world.Load(path);
        // Until the last step's frame has come and the step has ended, or it is plain that it
        // will not.
        const int last = frames.empty() ? 0 : frames.back();
        while (!world.Finish() && WorldFrame < last + StepFramesLong && (WorldFrame < last || Player->Moving != 0))
            world.ReplayFrame(Player->NextReplayLetter());
        asPlayed = !world.Finish() && StepFrames == frames && ReplayString == letters && Player->Moving == 0 &&
                   Player->X == x && Player->Y == y && KeysTaken >= KeysInLevel && CoinsTaken >= CoinsInLevel;
    });
    return asPlayed;
}

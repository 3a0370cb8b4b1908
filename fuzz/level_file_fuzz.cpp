// Level files: the loader, then the real rules run on whatever it loaded, steered by the
// bytes after the level (which the loader ignores), then the level cleared as the game
// clears it.
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_target.h"
#include "game/game_state.h"
#include "game/headless_world.h"
#include "game/level_loader.h"
#include "game/player.h"

namespace {

// Where the loader stops reading: the header, the title and the three layers.
size_t LevelSize(const uint8_t* data, size_t size)
{
    if (size < 4)
        return size;
    const auto titleLength = static_cast<int32_t>(data[0] | data[1] << 8 | data[2] << 16 |
                                                  static_cast<uint32_t>(data[3]) << 24);
    return LevelFileBaseSize + 4 * static_cast<size_t>(std::max(titleLength, 0));
}

// Each steering byte holds the arrows of its low four bits (up, right, down, left: a
// HeldArrows) for one step's worth of frames; a few dozen steps are enough to reach every
// rule from the level's start.
constexpr size_t MostSteps = 48;
constexpr int FramesPerStep = 16;

}  // namespace

FUZZ_TARGET(level_file)
{
    HeadlessWorld world;
    const std::string path = WriteFuzzFile("fuzz.lev", data, size);
    GameState = StatePlay;
    const std::string error = CatchFatal([&] { world.Load(path); });
    if (!error.empty()) {
        FuzzCheck(error.find(path) != std::string::npos, "a refused level file is named");
        FuzzCheck(LevelObjects.Count() == 0, "a refused level leaves no objects behind");
        return;
    }
    const TGameObject* last = nullptr;
    for (const GameObject& object : LevelObjects)
        last = object.get();
    FuzzCheck(last == Player.get(), "the player is spawned last");

    const size_t levelSize = LevelSize(data, size);
    const size_t steps = size > levelSize ? std::min(size - levelSize, MostSteps) : 0;
    for (size_t step = 0; step < steps && GameState == StatePlay; ++step) {
        for (int frame = 0; frame < FramesPerStep; ++frame)
            world.PlayFrame(data[levelSize + step]);
    }

    world.LeaveLevel();
    FuzzCheck(LevelObjects.Count() == 0, "nothing is left in LevelObjects after the level is left");
}

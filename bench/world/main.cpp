// What one frame of the rules costs on a full level: 1105 objects (a floor, an active button
// and an item on every cell, and the player), while the player walks across the coins,
// pressing buttons and bursting stars, then pressing against the far wall (a scan and a held
// button's release check every frame), and while boulders roll over the buttons.
//   build/bench/world/bench_world [frames]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "game/game_state.h"
#include "game/headless_world.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "tools/levelc/level_source.h"

namespace {

// Every cell: floor, active button, and `item`, except an empty row 15 for the boulders.
void LoadFullLevel(HeadlessWorld& world, const std::string& path, int item, bool boulderRow)
{
    LevelData level;
    for (LevelCell& cell : level.cells)
        cell = {GroundFloorCode, SwitchActiveCode, static_cast<uint8_t>(item)};
    if (boulderRow) {
        for (int column = 0; column < MapWidth; ++column)
            level.At(column, MapHeight - 1).item = column < 4 ? ItemBoulder : 0;
    }
    std::ofstream(path, std::ios::binary) << EncodeLevel(level);
    world.Load(path);
    Player->X = MapOffsetX;
    Player->Y = MapOffsetY;
}

void Measure(HeadlessWorld& world, HeldArrows held, const char* name, int frames)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < frames; ++i)
        world.PlayFrame(held);
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    std::printf("%-44s %5d objects  %8.2f us a frame\n", name, LevelObjects.Count(), spent.count() / frames);
}

}  // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::atoi(argv[1]) : 20000;
    const std::string path = "/tmp/bench_world.lev";
    HeadlessWorld world;
    GameState = StatePlay;

    const HeldArrows right = ArrowOf(DirRight);
    LoadFullLevel(world, path, ItemCoin, false);
    // 22 steps of 16 frames take the player across the row, then it presses on the wall.
    Measure(world, right, "player walking over coins and buttons", 22 * 16);
    LoadFullLevel(world, path, ItemCoin, false);
    Measure(world, right, "player pressing against the far wall", frames);

    LoadFullLevel(world, path, ItemCoin, true);
    for (const GameObject& object : LevelObjects) {
        if (object->Kind == ObjectKind::Boulder)
            object->Trigger(DirRight);
    }
    Measure(world, NoArrows, "four boulders rolling over buttons", 16 * 18);
    std::remove(path.c_str());
    return 0;
}

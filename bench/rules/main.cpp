// What the rules cost, under Google Benchmark:
// - one game frame (every object's update, then the particles) on a level holding as many
//   objects as a level file can: a floor, an active button and an item on each of the 368
//   cells, and the player, 1105 in all; with the player standing, pushing against the far
//   wall (a cell scan and a button's release check each frame), and walking over coins;
// - four boulders rolling over buttons on a level that is full but for their row;
// - the bare walk of the full level's list;
// - Map::Load of every level the game ships, and of the full level.
//   build/bench/rules/bench_rules [--benchmark_format=csv] [DATA_DIR]
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/headless_world.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "tools/levelc/level_source.h"

namespace {

const std::string FullLevelPath = std::filesystem::temp_directory_path() / "bench_rules_full.lev";

constexpr HeldArrows HoldRight = ArrowOf(DirRight);

void WriteFullLevel()
{
    LevelData level;
    for (LevelCell& cell : level.cells)
        cell = {GroundFloorCode, SwitchActiveCode, ItemCoin};
    std::ofstream(FullLevelPath, std::ios::binary) << EncodeLevel(level);
}

// The player starts in the top-left cell, on a coin that it never takes.
void LoadFullLevel(HeadlessWorld& world)
{
    world.Load(FullLevelPath);
    Player->X = MapOffsetX;
    Player->Y = MapOffsetY;
}

void GameFrame(benchmark::State& state, HeadlessWorld& world, HeldArrows held)
{
    LoadFullLevel(world);
    // Across the top row, then against the far wall.
    if (held == HoldRight) {
        for (int frame = 0; frame < 22 * 16; ++frame)
            world.PlayFrame(held);
    }
    for (auto _ : state)
        world.PlayFrame(held);
    state.counters["objects"] = LevelObjects.Count();
}

// The walk across the top row: 22 steps of 16 frames, taking a coin and pressing a button
// with each, the level loaded again after each walk.
void WalkingOverCoins(benchmark::State& state, HeadlessWorld& world)
{
    int frame = 22 * 16;
    for (auto _ : state) {
        if (frame == 22 * 16) {
            state.PauseTiming();
            LoadFullLevel(world);
            frame = 0;
            state.ResumeTiming();
        }
        world.PlayFrame(HoldRight);
        ++frame;
    }
    state.counters["objects"] = LevelObjects.Count();
}

// The walk every rule makes: the whole list, first to last, reading each object's position.
void WalkList(benchmark::State& state, HeadlessWorld& world)
{
    LoadFullLevel(world);
    for (auto _ : state) {
        float sum = 0;
        for (const GameObject& member : LevelObjects)
            sum += member->X;
        benchmark::DoNotOptimize(sum);
    }
    state.counters["objects"] = LevelObjects.Count();
}

// Four boulders rolling over a row of buttons: each scans the list for the cell ahead of it
// every frame of its roll.
void BouldersRolling(benchmark::State& state, HeadlessWorld& world)
{
    LevelData level;
    for (LevelCell& cell : level.cells)
        cell = {GroundFloorCode, SwitchActiveCode, ItemCoin};
    for (int column = 0; column < MapWidth; ++column)
        level.At(column, MapHeight - 1).item = column < 4 ? ItemBoulder : 0;
    const std::string path = FullLevelPath + ".boulders";
    std::ofstream(path, std::ios::binary) << EncodeLevel(level);
    // 18 cells of rolling, then the level is loaded again.
    int frame = 16 * 18;
    for (auto _ : state) {
        if (frame == 16 * 18) {
            state.PauseTiming();
            world.Load(path);
            for (const GameObject& object : LevelObjects) {
                if (object->Kind == ObjectKind::Boulder)
                    object->Trigger(DirRight);
            }
            frame = 0;
            state.ResumeTiming();
        }
        world.PlayFrame(NoArrows);
        ++frame;
    }
    state.counters["objects"] = LevelObjects.Count();
    std::remove(path.c_str());
}

void LoadLevel(benchmark::State& state, HeadlessWorld& world, const std::string& path)
{
    for (auto _ : state)
        world.Load(path);
    state.counters["objects"] = LevelObjects.Count();
}

std::vector<std::string> ShippedLevels(const std::string& data)
{
    std::vector<std::string> levels;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(data + "/Levels", error)) {
        if (entry.path().extension() == ".lev")
            levels.push_back(entry.path().string());
    }
    std::sort(levels.begin(), levels.end());
    return levels;
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const std::string data = argc > 1 ? argv[1] : TINDLEWICK_DATA_DIR;
    HeadlessWorld world;
    GameState = StatePlay;
    WriteFullLevel();

    // Each benchmark is handed the one world.
    benchmark::RegisterBenchmark("frame/full level/standing", GameFrame, std::ref(world), NoArrows);
    benchmark::RegisterBenchmark("frame/full level/pushing on a wall", GameFrame, std::ref(world), HoldRight);
    benchmark::RegisterBenchmark("frame/full level/walking over coins", WalkingOverCoins, std::ref(world));
    benchmark::RegisterBenchmark("frame/four boulders rolling", BouldersRolling, std::ref(world));
    benchmark::RegisterBenchmark("walk/full level", WalkList, std::ref(world));
    for (const std::string& path : ShippedLevels(data))
        benchmark::RegisterBenchmark(("load/" + std::filesystem::path(path).filename().string()).c_str(), LoadLevel,
                                     std::ref(world), path)
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("load/full level", LoadLevel, std::ref(world), FullLevelPath)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(FullLevelPath.c_str());
    return 0;
}

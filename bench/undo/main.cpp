// What undo costs, on the densest shipped level and on a level of 1105 objects (a floor, an
// active button and a coin on every cell, and the player): taking and restoring a world
// snapshot; the history's share of a frame of play; an undo and a redo; and the memory of a
// history of 1000 steps of random play with waits, counted by the allocator: what Clear
// gives back. Prints the figures; the aims are well under a millisecond each way and under
// 16 MB for 1000 steps at 1105 objects.
//   build/bench/undo/bench_undo [DATA_DIR]
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <random>
#include <string>

#include "game/game_state.h"
#include "game/headless_world.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/undo_history.h"
#include "game/world_snapshot.h"
#include "tools/levelc/level_source.h"

namespace {

// Bytes the program holds from operator new, as the allocator hands them out.
std::size_t LiveBytes = 0;

}  // namespace

void* operator new(std::size_t size)
{
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (!memory)
        throw std::bad_alloc();
    LiveBytes += malloc_usable_size(memory);
    return memory;
}

void* operator new[](std::size_t size)
{
    return operator new(size);
}

void operator delete(void* memory) noexcept
{
    if (!memory)
        return;
    LiveBytes -= malloc_usable_size(memory);
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    operator delete(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    operator delete(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    operator delete(memory);
}

namespace {

constexpr int HistorySteps = 1000;
const std::string FullLevelPath = std::filesystem::temp_directory_path() / "bench_undo_full.lev";

using Clock = std::chrono::steady_clock;

double MicrosecondsSince(Clock::time_point start, int times)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count() / times;
}

struct Level {
    std::string name;
    std::string path;
    bool placePlayer = false;  // the full level has no start cell
};

void Load(HeadlessWorld& world, const Level& level)
{
    world.Load(level.path);
    if (level.placePlayer) {
        Player->X = MapOffsetX;
        Player->Y = MapOffsetY;
    }
}

// The shipped level with the most objects.
Level DensestShippedLevel(const std::string& data)
{
    Level densest;
    int most = -1;
    HeadlessWorld world;
    for (const auto& entry : std::filesystem::directory_iterator(data + "/Levels")) {
        if (entry.path().extension() != ".lev")
            continue;
        world.Load(entry.path().string());
        if (LevelObjects.Count() > most) {
            most = LevelObjects.Count();
            densest = {"level " + entry.path().stem().string(), entry.path().string(), false};
        }
    }
    return densest;
}

Level FullLevel()
{
    LevelData level;
    for (LevelCell& cell : level.cells)
        cell = {GroundFloorCode, SwitchActiveCode, ItemCoin};
    std::ofstream(FullLevelPath, std::ios::binary) << EncodeLevel(level);
    return {"full level", FullLevelPath, true};
}

// Random play with waits until the history holds `steps` steps: an arrow held for a frame,
// and when it made a step, the step's frames and a wait of up to 30 with nothing held.
// Returns the frames of play it took, and the history's share of them in microseconds.
struct Played {
    int frames = 0;
    double historyMicroseconds = 0;
};

Played PlaySteps(HeadlessWorld& world, const Level& level, UndoHistory& history, int steps)
{
    std::mt19937 random(16);
    Played played;
    Clock::duration inHistory{};
    int refused = 0;
    auto frame = [&](HeldArrows held) {
        const auto start = Clock::now();
        history.BeforeFrame();
        inHistory += Clock::now() - start;
        world.PlayFrame(held);
        const auto after = Clock::now();
        history.AfterFrame();
        inHistory += Clock::now() - after;
        ++played.frames;
    };
    while (history.Undoable() < steps) {
        const int before = MoveCount;
        frame(ArrowOf(std::uniform_int_distribution<int>(DirUp, DirLeft)(random)));
        // Entered the goal, or walled in: the level again, from nothing.
        if (GameState != StatePlay || ++refused > 400) {
            GameState = StatePlay;
            Load(world, level);
            history.Clear();
            refused = 0;
            continue;
        }
        if (MoveCount == before)
            continue;
        refused = 0;
        const int wait = 15 + std::uniform_int_distribution<int>(0, 30)(random);
        for (int i = 0; i < wait; ++i)
            frame(NoArrows);
    }
    played.historyMicroseconds = std::chrono::duration<double, std::micro>(inHistory).count() / played.frames;
    return played;
}

void Measure(HeadlessWorld& world, const Level& level)
{
    GameState = StatePlay;
    Load(world, level);
    std::printf("%s, %d objects\n", level.name.c_str(), LevelObjects.Count());

    const int times = 2000;
    auto start = Clock::now();
    for (int i = 0; i < times; ++i)
        WorldSnapshot snapshot = TakeWorldSnapshot();
    std::printf("  take a snapshot                      %9.2f us\n", MicrosecondsSince(start, times));
    const WorldSnapshot snapshot = TakeWorldSnapshot();
    start = Clock::now();
    for (int i = 0; i < times; ++i)
        RestoreWorldSnapshot(snapshot);
    std::printf("  restore a snapshot                   %9.2f us\n", MicrosecondsSince(start, times));
    const std::size_t snapshotBytes = [&] {
        const std::size_t before = LiveBytes;
        const WorldSnapshot another = TakeWorldSnapshot();
        return LiveBytes - before;
    }();
    std::printf("  one snapshot                         %9.1f KB\n", snapshotBytes / 1024.0);

    UndoHistory history;
    const std::size_t before = LiveBytes;
    const Played played = PlaySteps(world, level, history, HistorySteps);
    const std::size_t during = LiveBytes;
    std::printf("  the history's share of a frame       %9.2f us   (%d frames of play for %d steps)\n",
                played.historyMicroseconds, played.frames, HistorySteps);

    start = Clock::now();
    int undone = 0;
    while (history.Undo())
        ++undone;
    std::printf("  undo a step                          %9.2f us   (all %d, one after another)\n",
                MicrosecondsSince(start, undone), undone);
    start = Clock::now();
    int redone = 0;
    while (history.Redo())
        ++redone;
    std::printf("  redo a step                          %9.2f us\n", MicrosecondsSince(start, redone));

    const std::size_t kept = LiveBytes;
    history.Clear();
    const std::size_t held = kept - LiveBytes;
    std::printf("  %d steps kept                      %9.2f MB   (%.1f KB a step; %.2f MB more while playing)\n",
                HistorySteps, held / 1048576.0, held / 1024.0 / HistorySteps,
                (static_cast<double>(during) - static_cast<double>(before)) / 1048576.0);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string data = argc > 1 ? argv[1] : TINDLEWICK_DATA_DIR;
    const Level densest = DensestShippedLevel(data);
    HeadlessWorld world;
    if (densest.path.empty())
        std::printf("no shipped levels in %s/Levels\n", data.c_str());
    else
        Measure(world, densest);
    Measure(world, FullLevel());
    std::remove(FullLevelPath.c_str());
    return 0;
}

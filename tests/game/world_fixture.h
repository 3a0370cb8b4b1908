// A fixture for rule tests: levels drawn in the test, loaded with the real loader and run
// frame by frame through the real rules in a headless world, with keys held and sounds
// recorded instead of played.
#pragma once

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/particles.h"
#include "game/game_state.h"
#include "game/headless_world.h"
#include "game/items.h"
#include "game/level_loader.h"
#include "game/player.h"
#include "game/world_assets.h"
#include "media/core/program.h"
#include "media/platform/input.h"
#include "tests/support/level_builder.h"
#include "tests/support/temp_dir.h"

inline std::vector<std::string> SoundsStarted;

inline void ThrowFatal(const std::string& message)
{
    throw std::runtime_error(message);
}

// Distinct stand-ins for the four sounds, only ever compared, never played.
inline Sound FakeSound(int tag)
{
    static char tags[4];
    return Sound(Sound(), reinterpret_cast<SoundData*>(&tags[tag]));
}

inline void RecordSound(const Sound& sound)
{
    const char* names[4] = {"button", "pickie", "steps", "pushy"};
    for (int tag = 0; tag < 4; ++tag) {
        if (sound == FakeSound(tag))
            SoundsStarted.push_back(names[tag]);
    }
}

// The arrows among the key codes held.
inline HeldArrows ArrowsHeld(const std::set<int>& keyCodes)
{
    HeldArrows held = NoArrows;
    for (int direction = DirUp; direction <= DirLeft; ++direction)
        held |= keyCodes.count(ArrowKey(direction)) != 0 ? ArrowOf(direction) : NoArrows;
    return held;
}

inline float CellX(int column)
{
    return static_cast<float>(MapOffsetX + CellSize * column);
}

inline float CellY(int row)
{
    return static_cast<float>(MapOffsetY + CellSize * row);
}

class WorldTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SndButton = FakeSound(0);
        SndPickie = FakeSound(1);
        SndSteps = FakeSound(2);
        SndPushy = FakeSound(3);
        SetFatalErrorHandler(ThrowFatal);
        SoundsStarted.clear();
        GameState = StatePlay;
    }

    void TearDown() override { SetFatalErrorHandler(nullptr); }

    // Loads the level drawn in `rows` the way the game starts one: the player reset first.
    void Load(const std::vector<std::string>& rows, const std::vector<std::string>& legend = {})
    {
        const std::string path = folder.File("level.lev");
        WriteLevel(path, rows, legend);
        world.Load(path);
    }

    void Run(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            world.PlayFrame(ArrowsHeld(heldKeys));
            NoteFinish();
        }
    }

    // One replay frame: the next letter for the player, then the world.
    void Replay(int frames)
    {
        for (int i = 0; i < frames; ++i) {
            world.ReplayFrame(Player->NextReplayLetter());
            NoteFinish();
        }
    }

    // The world's finish moment as the tests read it, if the goal was entered in the frame
    // just run.
    void NoteFinish()
    {
        const std::optional<FinishMoment>& finish = world.Finish();
        if (!finish || finish->frame != world.Frame())
            return;
        finishes.push_back(finish->frame);
        movesAtFinish = finish->moves;
        recordAtFinish = finish->record;
        coinsAtFinish = finish->coinsTaken;
    }

    // Held from the next frame on, until the next Hold.
    void Hold(std::set<int> keys) { heldKeys = std::move(keys); }

    // The object of `kind` resting on a cell; Null when there is none.
    template <class T = TGameObject>
    std::shared_ptr<T> At(int column, int row, ObjectKind kind)
    {
        for (const GameObject& object : LevelObjects) {
            if (object->Kind == kind && object->X == CellX(column) && object->Y == CellY(row))
                return std::dynamic_pointer_cast<T>(object);
        }
        return nullptr;
    }

    template <class T = TGameObject>
    std::shared_ptr<T> First(ObjectKind kind)
    {
        for (const GameObject& object : LevelObjects) {
            if (object->Kind == kind)
                return std::dynamic_pointer_cast<T>(object);
        }
        return nullptr;
    }

    int CountOf(ObjectKind kind)
    {
        int count = 0;
        for (const GameObject& object : LevelObjects)
            count += object->Kind == kind ? 1 : 0;
        return count;
    }

    bool PlayerAt(int column, int row) const
    {
        return Player->X == CellX(column) && Player->Y == CellY(row) && Player->Moving == 0;
    }

    TempDir folder;
    std::set<int> heldKeys;
    // The frame of every goal entered, and what the finish sequence saw the last time.
    std::vector<int> finishes;
    int movesAtFinish = -1;
    std::string recordAtFinish;
    int coinsAtFinish = -1;
    // Left, and its hooks given back, when the test ends.
    HeadlessWorld world{RecordSound};
};

#include "game/headless_world.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/particles.h"
#include "game/game_state.h"
#include "game/items.h"
#include "game/player.h"
#include "game/world_assets.h"
#include "media/platform/input.h"
#include "tests/support/level_builder.h"
#include "tests/support/temp_dir.h"

namespace {

// The hooks as a front end would have left them, to be found again after each world.
int SoundsToTheDevice = 0;
void PlayOnTheDevice(const Sound&)
{
    ++SoundsToTheDevice;
}
int ReadTheKeyboard(int)
{
    return 1;
}

int SoundsHeard = 0;
void HearSound(const Sound&)
{
    ++SoundsHeard;
}

class Headless : public ::testing::Test {
protected:
    void SetUp() override
    {
        deviceEffect = StartEffect;
        StartEffect = PlayOnTheDevice;
        PlayerKeyIsHeld = ReadTheKeyboard;
        FinishSequence = [this] { ++frontEndFinishes; };
        GameState = StateMenu;
        Player->ReplayMoves = "from the menu";
        SoundsToTheDevice = 0;
        SoundsHeard = 0;
    }

    void TearDown() override
    {
        StartEffect = deviceEffect;
        PlayerKeyIsHeld = KeyIsHeld;
        FinishSequence = nullptr;
        Player->ReplayMoves.clear();
    }

    std::string Level(const std::vector<std::string>& rows, const std::vector<std::string>& legend = {})
    {
        const std::string path = folder.File("level" + std::to_string(++levels) + ".lev");
        WriteLevel(path, rows, legend);
        return path;
    }

    void (*deviceEffect)(const Sound&) = nullptr;
    TempDir folder;
    int levels = 0;
    int frontEndFinishes = 0;
};

}  // namespace

TEST(HeldArrowsTest, EachDirectionHasItsBitAndOtherCodesNone)
{
    EXPECT_EQ(ArrowOf(DirUp), 1u);
    EXPECT_EQ(ArrowOf(DirRight), 2u);
    EXPECT_EQ(ArrowOf(DirDown), 4u);
    EXPECT_EQ(ArrowOf(DirLeft), 8u);
    EXPECT_EQ(ArrowOf(-1), NoArrows);
    EXPECT_EQ(ArrowOf(4), NoArrows);
}

TEST_F(Headless, TheHooksAreTakenForTheRunAndGivenBackAtItsEnd)
{
    ASSERT_FALSE(CoinSparkles) << "no emitters loaded in these tests";
    const int emitters = Emitters.Count();
    {
        HeadlessWorld world;
        EXPECT_NE(StartEffect, PlayOnTheDevice);
        StartEffect(SndButton);
        EXPECT_EQ(SoundsToTheDevice, 0);
        EXPECT_NE(PlayerKeyIsHeld, ReadTheKeyboard);
        EXPECT_EQ(PlayerKeyIsHeld(KeyUp), 0);
        // Picture-less emitters, as many slots as the real ones have pictures.
        ASSERT_TRUE(CoinSparkles && KeySparkles && WoodSplinters);
        EXPECT_EQ(CoinSparkles->Images.size(), 1u);
        EXPECT_EQ(KeySparkles->Images.size(), 1u);
        EXPECT_EQ(WoodSplinters->Images.size(), 3u);
        EXPECT_EQ(Emitters.Count(), emitters + 3);
        EXPECT_EQ(GameState, StateMenu) << "the state is the caller's";
        GameState = StatePlay;
        Player->ReplayMoves = "DDS";
    }
    EXPECT_EQ(StartEffect, PlayOnTheDevice);
    EXPECT_EQ(PlayerKeyIsHeld, ReadTheKeyboard);
    ASSERT_TRUE(FinishSequence);
    FinishSequence();
    EXPECT_EQ(frontEndFinishes, 1);
    EXPECT_FALSE(CoinSparkles || KeySparkles || WoodSplinters);
    EXPECT_EQ(Emitters.Count(), emitters);
    EXPECT_EQ(GameState, StateMenu);
    EXPECT_EQ(Player->ReplayMoves, "from the menu");
}

TEST_F(Headless, ASoundListenerHearsEverySoundInsteadOfTheDevice)
{
    HeadlessWorld world(HearSound);
    world.Load(Level({"#####", "#@$a#"}));
    GameState = StatePlay;
    world.PlayFrame(ArrowOf(DirRight));
    // The coin and the step; the button is met only by the second step.
    EXPECT_EQ(SoundsHeard, 2);
    EXPECT_EQ(SoundsToTheDevice, 0);
}

TEST_F(Headless, APlayFrameHoldsExactlyTheArrowsGiven)
{
    HeadlessWorld world;
    world.Load(Level({"#####", "#.@.#", "#####"}));
    GameState = StatePlay;
    world.PlayFrame(ArrowOf(DirRight) | ArrowOf(DirLeft));
    EXPECT_EQ(PlayerKeyIsHeld(KeyRight), 1);
    EXPECT_EQ(PlayerKeyIsHeld(KeyLeft), 1);
    EXPECT_EQ(PlayerKeyIsHeld(KeyUp), 0);
    EXPECT_EQ(PlayerKeyIsHeld(KeyEnter), 0);
    // Right comes before Left in the player's order.
    EXPECT_EQ(Player->Facing, DirRight);
    EXPECT_EQ(ReplayString, "D");
    for (int frame = 2; frame <= 16; ++frame)
        world.PlayFrame(NoArrows);
    EXPECT_EQ(Player->Moving, 0);
    world.PlayFrame(NoArrows);
    EXPECT_EQ(MoveCount, 1) << "nothing is held unless a frame holds it";
}

TEST_F(Headless, AReplayFrameHandsTheLetterOverBeforeTheWorldMoves)
{
    HeadlessWorld world;
    world.Load(Level({"#####", "#@..#", "#####"}));
    GameState = StateReplay;
    const float startX = Player->X;
    world.ReplayFrame("D");
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(Player->X, startX + MoveSpeed) << "the step moved in the frame of its letter";
    world.ReplayFrame("A");
    EXPECT_EQ(MoveCount, 1) << "a letter is refused while the player moves";
    EXPECT_EQ(ReplayString, "D");
}

TEST_F(Headless, FramesAreCountedFromEachLoad)
{
    HeadlessWorld world;
    const std::string level = Level({"####", "#@.#"});
    world.Load(level);
    EXPECT_EQ(world.Frame(), 0);
    GameState = StatePlay;
    world.PlayFrame(NoArrows);
    world.ReplayFrame("");
    EXPECT_EQ(world.Frame(), 2);
    world.Load(level);
    EXPECT_EQ(world.Frame(), 0);
}

TEST_F(Headless, EnteringTheGoalRecordsTheFinishAndLeavesTheLevel)
{
    HeadlessWorld world;
    world.Load(Level({"######", "#@k$*#"}));
    GameState = StatePlay;
    for (int frame = 1; frame <= 60 && !world.Finish(); ++frame)
        world.PlayFrame(ArrowOf(DirRight));
    ASSERT_TRUE(world.Finish());
    // Two steps of 16 frames; the third, into the goal, starts in frame 33.
    EXPECT_EQ(world.Finish()->frame, 33);
    EXPECT_EQ(world.Frame(), 33);
    EXPECT_EQ(world.Finish()->moves, 2);
    EXPECT_EQ(world.Finish()->record, "DD");
    EXPECT_EQ(world.Finish()->keysTaken, 1);
    EXPECT_EQ(world.Finish()->coinsTaken, 1);
    EXPECT_EQ(frontEndFinishes, 0);
    EXPECT_EQ(GameState, StateLeaveLevel);
    EXPECT_EQ(Player->Kind, ObjectKind::Reset);
    // A new load starts a new attempt.
    world.Load(Level({"####", "#@*#"}));
    EXPECT_FALSE(world.Finish());
}

TEST_F(Headless, AReplayLetterIntoTheGoalFinishesInItsOwnFrame)
{
    HeadlessWorld world;
    world.Load(Level({"####", "#@*#"}));
    GameState = StateReplay;
    world.ReplayFrame("D");
    EXPECT_FALSE(world.Finish()) << "the goal opens only in the world's part of the first frame";
    world.ReplayFrame("D");
    ASSERT_TRUE(world.Finish());
    EXPECT_EQ(world.Finish()->frame, 2);
    EXPECT_EQ(world.Finish()->moves, 0);
    EXPECT_EQ(world.Finish()->record, "");
}

TEST_F(Headless, LeavingTheLevelRemovesEveryObjectAndParticle)
{
    HeadlessWorld world;
    world.Load(Level({"#####", "#@$.#"}));
    GameState = StatePlay;
    world.PlayFrame(ArrowOf(DirRight));
    ASSERT_GT(ListCount(CoinSparkles->Particles), 0);
    std::vector<std::weak_ptr<TGameObject>> objects;
    for (const GameObject& object : LevelObjects) {
        if (object != Player)
            objects.push_back(object);
    }
    world.LeaveLevel();
    EXPECT_EQ(LevelObjects.Count(), 0);
    EXPECT_EQ(ListCount(CoinSparkles->Particles), 0);
    EXPECT_EQ(MoveCount, 0) << "the player's OnRemove ran";
    for (const std::weak_ptr<TGameObject>& object : objects)
        EXPECT_TRUE(object.expired());
}

TEST_F(Headless, AWorldThatEndsLeavesItsLevel)
{
    {
        HeadlessWorld world;
        world.Load(Level({"####", "#@.#"}));
    }
    EXPECT_EQ(LevelObjects.Count(), 0);
    EXPECT_EQ(Player->Kind, ObjectKind::Reset);
}

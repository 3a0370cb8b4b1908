#include "game/undo_history.h"

#include <random>

#include "media/core/random.h"

#include "tests/game/world_fields.h"
#include "tests/game/world_fixture.h"

namespace {

using Fields = std::vector<std::string>;

// Levels with what an undo must put back: boulders that roll and smash wooden blocks, active
// buttons with their timers and the gates they open, a static button that removes gates for
// good, boxes, coins and keys; the goal waits behind a gate.
const std::vector<std::vector<std::string>> BusyLevels = {
    {"##########",
     "#@.o..w.$#",
     "#.a..A.k.#",
     "#.o.ww.x.#",
     "#.x.1.B..#",
     "#$.b..o.*#",
     "##########"},
    {"#########",
     "#..w..o.#",
     "#.ow.a..#",
     "#@.x.$.k#",
     "#.b.A.2.#",
     "#o.B.xC*#",
     "#########"},
};

}  // namespace

class UndoSteps : public WorldTest {
protected:
    // Frames of play with the steps kept, as the game runs them.
    void Play(int frames)
    {
        for (int i = 0; i < frames && GameState == StatePlay; ++i) {
            // Only a player standing still can decide a step.
            if (Player->Moving == 0)
                atFrameStart = WorldFields(Particles::Left);
            const int moves = MoveCount;
            history.BeforeFrame();
            world.PlayFrame(ArrowsHeld(heldKeys));
            history.AfterFrame();
            if (MoveCount > moves && GameState == StatePlay) {
                // The step just decided replaces any that could have been redone.
                before.resize(MoveCount - 1);
                after.resize(MoveCount - 1);
                before.push_back(atFrameStart);
                after.push_back(WorldFields(Particles::Left));
            }
        }
    }

    // The random numbers too, which the splinters of a smashed block draw from.
    void Start(const std::vector<std::string>& rows)
    {
        SeedRandom(7);
        Load(rows);
        history.Clear();
        before.clear();
        after.clear();
    }

    UndoHistory history;
    Fields atFrameStart;
    // For each step of the run as it stands, and those that can be redone: the world at the
    // end of the frame before the one it was decided in, and at the end of that frame.
    std::vector<Fields> before;
    std::vector<Fields> after;
};

TEST_F(UndoSteps, EveryUndoAndRedoOfRandomPlayGivesBackTheWorldOfItsFrameField_By_Field)
{
    std::mt19937 random(2024);
    const int keys[] = {KeyUp, KeyRight, KeyDown, KeyLeft};
    int undone = 0, redone = 0;
    for (int round = 0; round < 6; ++round) {
        Start(BusyLevels[round % BusyLevels.size()]);
        for (int action = 0; action < 200 && GameState == StatePlay; ++action) {
            const int roll = std::uniform_int_distribution<int>(0, 99)(random);
            if (roll < 20) {
                const int step = MoveCount;
                ASSERT_EQ(history.Undoable(), step);
                ASSERT_EQ(history.Undo(), step > 0);
                if (step > 0) {
                    ASSERT_EQ(WorldFields(Particles::Left), before[step - 1])
                        << "undoing step " << step << " of round " << round;
                    EXPECT_EQ(LiveParticleCount(), 0);
                    ++undone;
                }
            } else if (roll < 32) {
                const bool redoable = history.Redoable() > 0;
                ASSERT_EQ(static_cast<std::size_t>(MoveCount) < after.size(), redoable);
                ASSERT_EQ(history.Redo(), redoable);
                if (redoable) {
                    ASSERT_EQ(WorldFields(Particles::Left), after[MoveCount - 1])
                        << "redoing step " << MoveCount << " of round " << round;
                    EXPECT_EQ(LiveParticleCount(), 0);
                    ++redone;
                }
            } else {
                // Mostly one arrow, now and then none, for a wait or a few steps.
                heldKeys.clear();
                if (roll < 90)
                    heldKeys.insert(keys[std::uniform_int_distribution<int>(0, 3)(random)]);
                Play(std::uniform_int_distribution<int>(1, 24)(random));
            }
        }
    }
    EXPECT_GT(undone, 50);
    EXPECT_GT(redone, 10);
}

TEST_F(UndoSteps, UndoingAStepAndHoldingNothingGivesTheFramesAsIfItHadNotBeenMade)
{
    // The player pushes the boulder, which rolls over the button and on into the blocks; the
    // player walks on behind it and stops. Undoing the walk's last step while the boulder
    // still rolls must give the frames of a player who stopped a step sooner, particles
    // aside: the undo clears them.
    const std::vector<std::string> level = {"############", "#@o.a.w.ww.#", "#.....A....#", "############"};
    Start(level);
    Hold({KeyRight});
    Play(48);
    Hold({});
    ASSERT_EQ(MoveCount, 3);
    std::vector<Fields> unstepped;
    for (int frame = 0; frame < 200; ++frame) {
        Play(1);
        unstepped.push_back(WorldFields(Particles::Left));
    }

    Start(level);
    Hold({KeyRight});
    Play(49);
    ASSERT_EQ(MoveCount, 4);
    Hold({});
    Play(6);
    ASSERT_EQ(Player->Moving, 1) << "undone mid-step";
    ASSERT_TRUE(history.Undo());
    for (std::size_t frame = 0; frame < unstepped.size(); ++frame) {
        Play(1);
        ASSERT_EQ(WorldFields(Particles::Left), unstepped[frame]) << "frame " << frame + 1 << " after the undo";
    }
}

TEST_F(UndoSteps, AllTheWayBackAndForthAndANewStepForgetsTheRest)
{
    Start({"#######", "#@.$..#", "#.....#", "#######"});
    Hold({KeyRight});
    Play(64);
    ASSERT_EQ(MoveCount, 4);
    while (history.Undo())
        ;
    EXPECT_EQ(WorldFields(Particles::Left), before[0]);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(ReplayString, "");
    EXPECT_EQ(CountOf(ObjectKind::Coin), 1) << "the coin is back";
    EXPECT_EQ(history.Redoable(), 4);
    EXPECT_TRUE(history.Redo());
    EXPECT_TRUE(history.Redo());
    EXPECT_EQ(WorldFields(Particles::Left), after[1]);
    EXPECT_EQ(CoinsTaken, 1);
    EXPECT_EQ(StepFrames, (std::vector<int>{1, 17}));

    // Down is taken once the redone step has ended.
    Hold({KeyDown});
    Play(16);
    EXPECT_EQ(ReplayString, "DDS");
    EXPECT_EQ(StepFrames, (std::vector<int>{1, 17, 33}));
    EXPECT_EQ(history.Redoable(), 0);
    EXPECT_FALSE(history.Redo());
    EXPECT_EQ(history.Undoable(), 3);
}

TEST_F(UndoSteps, WithNothingToTakeNothingChanges)
{
    Start({"#####", "#@..#"});
    Play(5);
    const Fields still = WorldFields();
    EXPECT_FALSE(history.Undo());
    EXPECT_FALSE(history.Redo());
    EXPECT_EQ(WorldFields(), still);
}

TEST_F(UndoSteps, TheStepIntoTheGoalIsNotKept)
{
    Start({"#####", "#@.*#", "#####"});
    Hold({KeyRight});
    Play(40);
    ASSERT_EQ(finishes.size(), 0u);
    ASSERT_EQ(GameState, StateLeaveLevel);
    EXPECT_EQ(history.Undoable(), 1) << "the step before the goal only";
}

TEST_F(UndoSteps, OnlyFramesOfPlayKeepSteps)
{
    Start({"#####", "#@..#"});
    GameState = StateReplay;
    Player->ReplayMoves = "DD";
    for (int frame = 0; frame < 40; ++frame) {
        history.BeforeFrame();
        world.ReplayFrame(Player->NextReplayLetter());
        history.AfterFrame();
    }
    EXPECT_EQ(MoveCount, 2);
    EXPECT_EQ(history.Undoable(), 0);
    Player->ReplayMoves.clear();
}

TEST_F(UndoSteps, TheReplayRecordHeldByThePlayerStaysAsItWas)
{
    Start({"#####", "#@..#"});
    Player->ReplayMoves = std::string(500, 'D');
    Player->ReplayFrames = std::vector<int>(500, 7);
    Hold({KeyRight});
    Play(20);
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(Player->ReplayMoves, std::string(500, 'D'));
    EXPECT_EQ(Player->ReplayFrames, std::vector<int>(500, 7));
    Player->ReplayMoves.clear();
    Player->ReplayFrames.clear();
}

TEST_F(UndoSteps, TheWorldsUndoAndRestartTakeTheKeysHitsAsTheGameDoes)
{
    Load({"#####", "#@..#"});
    world.KeepUndoHistory(true);
    Hold({KeyRight});
    Run(17);
    ASSERT_EQ(MoveCount, 2);
    EXPECT_TRUE(world.Undo());
    EXPECT_EQ(MoveCount, 1);
    EXPECT_EQ(WorldFrame, 16);
    EXPECT_TRUE(world.Redo());
    EXPECT_EQ(MoveCount, 2);
    world.Restart();
    EXPECT_TRUE(PlayerAt(1, 1));
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(WorldFrame, 0);
    EXPECT_EQ(world.Frame(), 17) << "the frames run go on counting";
    EXPECT_FALSE(world.Undo());
    EXPECT_FALSE(world.Redo());
}

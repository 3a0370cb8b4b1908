#include "game/items.h"

#include <algorithm>
#include <cmath>

#include "game/switches.h"

#include "tests/game/world_fixture.h"

class Items : public WorldTest {};

TEST_F(Items, ACoinIsCollectedAsTheStepStartsAndBurstsIntoEightStars)
{
    Load({"#####", "#@$.#"});
    Hold({KeyRight});
    Run(1);
    Hold({});
    EXPECT_EQ(CoinsTaken, 1);
    EXPECT_EQ(CountOf(ObjectKind::Coin), 0);
    EXPECT_EQ(SoundsStarted, (std::vector<std::string>{"pickie", "steps"}));
    // Life 15: emitted and updated once in frame 1, gone with the 15th update.
    EXPECT_EQ(LiveParticleCount(), 8);
    Run(13);
    EXPECT_EQ(LiveParticleCount(), 8);
    Run(1);
    EXPECT_EQ(LiveParticleCount(), 0);
}

TEST_F(Items, ThingsSharingACellAreMetInListOrder)
{
    // Floor, then the button, then the key: the button is pressed and the key taken before
    // the player moves.
    Load({"#####", "#@D.#", "#A###"}, {"D = floor active:0 key"});
    Hold({KeyRight});
    Run(1);
    EXPECT_EQ(KeysTaken, 1);
    EXPECT_EQ(First<TButty_Active>(ObjectKind::ButtyActive)->Pressed, 1);
    EXPECT_EQ(SoundsStarted, (std::vector<std::string>{"button", "pickie", "steps"}));
}

TEST_F(Items, BlocksTreatCoinsAndKeysAsObstacles)
{
    for (const std::string row : {"#@w$#", "#@xk#", "#@o$.#"}) {
        Load({"######", row});
        Hold({KeyRight});
        Run(20);
        EXPECT_TRUE(PlayerAt(1, 1)) << row;
        EXPECT_EQ(CoinsTaken + KeysTaken, 0) << row;
    }
}

TEST_F(Items, TheGoalOpensOnceEveryKeyIsTakenAndFinishesTheLevel)
{
    Load({"######", "#@k*.#", "#$####"});
    Run(1);
    EXPECT_EQ(GoalOpen, 0);
    Hold({KeyRight});
    Run(1);
    EXPECT_EQ(KeysTaken, 1);
    EXPECT_EQ(GoalOpen, 0);
    Run(1);
    EXPECT_EQ(GoalOpen, 1);
    // Arrived in frame 17; frame 18 enters the goal.
    Run(14);
    EXPECT_TRUE(finishes.empty());
    Run(1);
    EXPECT_EQ(finishes, std::vector<int>{18});
    // The finish sequence sees the run without the step into the goal...
    EXPECT_EQ(movesAtFinish, 1);
    EXPECT_EQ(recordAtFinish, "D");
    EXPECT_EQ(coinsAtFinish, 0);
    // ...which is counted after it.
    EXPECT_EQ(MoveCount, 2);
    EXPECT_EQ(ReplayString, "DD");
    EXPECT_EQ(GoalOpen, 0);
    EXPECT_EQ(KeysTaken, 0);
}

TEST_F(Items, ALevelWithoutKeysHasItsGoalOpenFromTheFirstFrame)
{
    Load({"####", "#@*#"});
    Hold({KeyRight});
    Run(1);
    EXPECT_EQ(finishes, std::vector<int>{1});
}

TEST_F(Items, WithoutAFinishSequenceTheGoalIsOnlyAStep)
{
    FinishSequence = nullptr;
    Load({"#####", "#@*.#"});
    Hold({KeyRight});
    Run(16);
    EXPECT_TRUE(PlayerAt(2, 1));
    EXPECT_EQ(MoveCount, 1);
    // Entering cleared the open flag, the next frame opens it again.
    EXPECT_EQ(GoalOpen, 1);
}

TEST_F(Items, ARestartClosesTheGoalUntilTheKeysAreTakenAgain)
{
    Load({"######", "#@k*.#"});
    Hold({KeyRight});
    Run(2);
    ASSERT_EQ(GoalOpen, 1);
    Hold({});
    Load({"######", "#@k*.#"});
    EXPECT_EQ(GoalOpen, 0);
    EXPECT_EQ(KeysTaken, 0);
    Run(1);
    EXPECT_EQ(GoalOpen, 0);
}

TEST_F(Items, CoinsPulseAndEveryGoalTurnsTheSharedAngle)
{
    Load({"#####", "#@$**"});
    const auto coin = First<TCoin>(ObjectKind::Coin);
    const float angle = GoalAngle;
    float smallest = coin->Scale;
    float largest = coin->Scale;
    for (int i = 0; i < 120; ++i) {
        Run(1);
        smallest = std::min(smallest, coin->Scale);
        largest = std::max(largest, coin->Scale);
    }
    EXPECT_NEAR(largest, 1.15f, 0.011f);
    EXPECT_NEAR(smallest, 0.85f, 0.011f);
    // Two goals: 0.6 degrees a frame, wrapping at 360.
    const float turned = std::fmod(GoalAngle - angle + 360.0f, 360.0f);
    EXPECT_NEAR(turned, std::fmod(120 * 0.6f, 360.0f), 0.01f);
}
